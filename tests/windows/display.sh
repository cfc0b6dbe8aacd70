# Sourced by the checks that need a desktop: a display of their own under Xvfb, a laptop's
# screen (1366x768 unless another size is given), with a window manager that frames the
# windows, as a user's desktop does.
#   start_display FOLDER [SIZE]   starts it (FOLDER keeps its number) and exports DISPLAY, and
#                                 QUARROW_TEST_DISPLAY: a display the check owns
#                                 and may type into
#   stop_display                  stops it
#   report_display FOLDER         tells whether the window manager still runs, and what it said
# Wine takes the display when its server starts: start it before any Wine program runs.
display_pids=""

start_display() {
    Xvfb -displayfd 3 -screen 0 "${2:-1366x768}x24" -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
    display_pids=$!
    for _ in $(seq 200); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$1/display")" QUARROW_TEST_DISPLAY=":$(cat "$1/display")"
    openbox >"$1/openbox.log" 2>&1 &
    display_pids="$display_pids $!"
    wm_pid=$!
    # Windows shown before the window manager runs would go unframed.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

report_display() {
    kill -0 "$wm_pid" 2>/dev/null && echo "openbox runs" || echo "openbox has stopped"
    cat "$1/openbox.log"
}

stop_display() {
    [ -z "$display_pids" ] || kill $display_pids 2>/dev/null || true
    display_pids=""
}
