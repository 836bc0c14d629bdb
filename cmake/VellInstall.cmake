# Install rules and the Debian package (cpack -G DEB).
#
#   <prefix>/bin/vell                          the program
#   <prefix>/share/vell/Data/Particle.bmp      the brush sprite, read as "Data/Particle.bmp"
#   <prefix>/share/vell/README.md, docs/       the user's guide beside it
#   <prefix>/share/icons/hicolor/NxN/apps/vell.png   icon 128 in the theme's sizes
#   <prefix>/share/applications/vell.desktop   starts the program in <prefix>/share/vell
#
# The program resolves its sprite against the current directory, so the desktop entry
# sets the working directory to where Data/ was installed. The entry is written at
# install time, because the prefix is only known then (cpack installs into /usr even
# when the build was configured for /usr/local).

include(GNUInstallDirs)

set(VELL_DATA_DESTINATION "${CMAKE_INSTALL_DATADIR}/vell")
set(VELL_ICON_SIZES 16 22 24 32 48 64)

install(TARGETS vell RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/Data/Particle.bmp" DESTINATION "${VELL_DATA_DESTINATION}/Data")
install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION "${VELL_DATA_DESTINATION}")
if(EXISTS "${PROJECT_SOURCE_DIR}/docs/screenshot.png")
  install(FILES "${PROJECT_SOURCE_DIR}/docs/screenshot.png" DESTINATION "${VELL_DATA_DESTINATION}/docs")
endif()

# --- icons: the hicolor sizes, scaled from icon 128 at build time ---
set(vell_icon_root "${PROJECT_BINARY_DIR}/packaging/hicolor")
set(vell_icon_outputs "")
foreach(size IN LISTS VELL_ICON_SIZES)
  list(APPEND vell_icon_outputs "${vell_icon_root}/${size}x${size}/apps/vell.png")
endforeach()
add_custom_command(
  OUTPUT ${vell_icon_outputs}
  COMMAND vell_icon_sizes "${PROJECT_SOURCE_DIR}/app/icons/vell.ico" "${vell_icon_root}" vell ${VELL_ICON_SIZES}
  DEPENDS vell_icon_sizes "${PROJECT_SOURCE_DIR}/app/icons/vell.ico"
  COMMENT "Scaling icon 128 to the hicolor icon sizes"
  VERBATIM)
add_custom_target(vell_hicolor_icons ALL DEPENDS ${vell_icon_outputs})
install(DIRECTORY "${vell_icon_root}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor")

# --- desktop entry ---
set(vell_desktop_template "${PROJECT_SOURCE_DIR}/packaging/vell.desktop.in")
set(vell_desktop_file "${PROJECT_BINARY_DIR}/packaging/vell.desktop")
install(CODE "
  set(VELL_EXECUTABLE \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vell\")
  set(VELL_WORKING_DIR \"\${CMAKE_INSTALL_PREFIX}/${VELL_DATA_DESTINATION}\")
  configure_file(\"${vell_desktop_template}\" \"${vell_desktop_file}\" @ONLY)
")
install(FILES "${vell_desktop_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

# --- Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vell)
set(CPACK_PACKAGE_VENDOR "Vell")
set(CPACK_PACKAGE_CONTACT "Vell maintainers <maintainers@vell.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write with a soft ink brush")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vell simulates writing with a soft ink brush on paper: drag with the left mouse button "
    "and the brush lays soft round ink sprites along the path, thick when you write slowly "
    "and thin when you write fast. The user interface is in Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries the program links come from dpkg-shlibdeps. On top of those: Qt's X11
# platform plugin and Mesa's drivers (loaded at run time, so no library names them), and
# a CJK font, without which the Chinese menus and notice show as boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libgl1-mesa-dri, fonts-wqy-microhei | fonts-noto-cjk")
# Qt's own dialogs (file dialogs, message boxes) in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_OUTPUT_FILE_PREFIX "${PROJECT_BINARY_DIR}/packages")
include(CPack)
