# Runs the icon maker into a scratch folder and compares its output with the committed
# icons, so a changed picture cannot be forgotten in the repository.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "vell_make_icons failed: ${result}")
endif()
foreach(icon vell.ico vell_document.ico)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${icon}" "${SRC}/${icon}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "app/icons/${icon} differs from the icon maker's output; run vell_make_icons app/icons")
  endif()
endforeach()
