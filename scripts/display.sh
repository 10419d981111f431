# Sourced: gives Wine an X display, starting a private Xvfb when none is set.
display_screen=1280x1024x24
ensure_display() {
  if [ -n "${DISPLAY:-}" ]; then return; fi
  local n
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 "$display_screen" -nolisten tcp >/dev/null 2>&1 &
      VELMIRA_XVFB_PID=$!
      export DISPLAY=":$n"
      trap 'kill "$VELMIRA_XVFB_PID" 2>/dev/null || true' EXIT
      for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
      return
    fi
  done
  echo "no free X display number for Xvfb" >&2
  return 1
}
