# Sourced by the scripts that run Windows programs: where there is no display, start a virtual one
# of our own for this shell, and stop it with stop_virtual_display.
xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
fi
stop_virtual_display() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
