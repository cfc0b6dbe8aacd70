# Sourced by the Windows checks: a display of their own for Wine's window system, a laptop's
# screen (1366x768) under Xvfb, with a window manager that frames the windows.
#   start_display FOLDER   starts it (FOLDER keeps its number) and exports DISPLAY
#   stop_display           stops it
# Wine takes the display when its server starts: start it before any Wine program runs.
display_pids=""

start_display() {
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
    display_pids=$!
    for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$1/display")"
    openbox >/dev/null 2>&1 &
    display_pids="$display_pids $!"
}

stop_display() {
    [ -z "$display_pids" ] || kill $display_pids 2>/dev/null || true
    display_pids=""
}
