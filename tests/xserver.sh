#!/usr/bin/env bash
# An X server of a test's own (Xvfb on the first free display).
#
# Run as a program, `xserver.sh COMMAND [ARGS...]` runs COMMAND with DISPLAY set to a server of
# its own and stops the server afterwards; it exits with COMMAND's status, or 77 (a skipped
# test) where Xvfb is not installed. Sourced, it defines start_xserver for a script that needs
# the server's process itself.
#
# The server runs with -noreset. Without it Xvfb resets itself whenever its last client leaves
# (a program ended by a signal, or the xdotool that just looked for a window), and a program
# that connects during the reset is refused: Qt then aborts with "could not connect to display".
# Started and ended 100 times in a row on one server, a program lost its display 6 times
# without -noreset and never with it.

# start_xserver FOLDER: starts the server, its log in FOLDER; sets DISPLAY and xserver_pid.
# Returns 1 when the server did not come up within 30 s.
start_xserver() {
    local folder=$1
    # Xvfb writes the number of the display it took to descriptor 3 once it accepts clients.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 \
        3>"$folder/xserver.display" 2>"$folder/xserver.log" &
    xserver_pid=$!
    local tries
    for tries in $(seq 600); do
        [ -s "$folder/xserver.display" ] && break
        kill -0 "$xserver_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$folder/xserver.display" ] || return 1
    export DISPLAY=":$(cat "$folder/xserver.display")"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    if ! command -v Xvfb >/dev/null; then
        echo "SKIP: Xvfb is not installed (apt-get install xvfb)"
        exit 77
    fi
    folder=$(mktemp -d)
    xserver_pid=
    stop() {
        [ -n "$xserver_pid" ] && kill "$xserver_pid" 2>/dev/null && wait "$xserver_pid" || true
        rm -rf "$folder"
    }
    trap stop EXIT
    start_xserver "$folder" || {
        echo "Xvfb did not start:" >&2
        cat "$folder/xserver.log" >&2
        exit 1
    }
    status=0
    "$@" || status=$?
    exit "$status"
fi
