# Sourced by the scripts: start_xvfb starts a private X server when none is given (or
# when forced), exports DISPLAY and stops the server when the calling script exits.
start_xvfb() {
  local force="${1:-}"
  if [[ -n "${DISPLAY:-}" && "$force" != "--force" ]]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [[ -e "/tmp/.X${n}-lock" || -e "/tmp/.X11-unix/X${n}" ]] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/tmp/vell-xvfb-$n.log 2>&1 &
  VELL_XVFB_PID=$!
  trap 'kill "$VELL_XVFB_PID" 2>/dev/null || true' EXIT
  local i
  for i in $(seq 1 100); do
    [[ -e "/tmp/.X11-unix/X${n}" ]] && break
    sleep 0.05
  done
  if ! kill -0 "$VELL_XVFB_PID" 2>/dev/null || [[ ! -e "/tmp/.X11-unix/X${n}" ]]; then
    echo "Xvfb did not start on :$n:" >&2
    cat "/tmp/vell-xvfb-$n.log" >&2
    return 1
  fi
  export DISPLAY=":$n"
  # Software rendering (llvmpipe) is what a machine without a GPU has.
  export LIBGL_ALWAYS_SOFTWARE=1
}
