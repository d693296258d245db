#!/usr/bin/env bash
# End to end in a real window: starts the program on an X server of its own (Xvfb, the xcb
# platform) in an empty working directory and works it with the keyboard and the mouse as a
# person would: opens every window from the menu and the two image buttons and closes it, saves,
# loads and imports files through the file dialogs, asks for the help, and exits by
# "&File" > "&Exit"; then leaves a program unsaved, ends the program by a signal, and recovers
# the program at the next start; last, ends a send to a terminal with no clock by a signal. Usage: e2e.sh PROGRAM (E2E_EXPECT_HELP names the guide Help must open; by
# default the one beside the program).
set -euo pipefail

program=$(realpath "$1")
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display of our own; Xvfb names the first free one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
# No clock on COM1 here: the port does not exist, so sending fails at once.
export HALVEX_COM1="$work/no-such-port"
# The help command hands its document to xdg-open: this one only notes what it was given.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
# The user's state folder, where an unsaved program is kept between runs, and settings folder
# (recent files, the device of each COM number): the test's own, not those of whoever runs it.
export XDG_STATE_HOME="$work/state"
export XDG_CONFIG_HOME="$work/config"
kept="$XDG_STATE_HOME/halvex/unsaved.40t"

# The first visible window whose title matches the pattern, waited for up to 10 s.
wait_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

wait_gone() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

mkdir "$work/run"
cd "$work/run"
main_title='^Halvex - KV40 Computer Software, 2007 DST Law$'
start_program() {
    "$program" 2>>"$work/program.log" &
    program_pid=$!
    main=$(wait_window "$main_title") || fail "the main window did not appear"
}
start_program
echo "main window shown"

focus_main() {
    xdotool windowfocus --sync "$main"
}

# Opens a window with the given keys (or a click at a point of the main window's client area),
# checks its title, and closes it with Escape as a person would.
open_and_close() {
    local title=$1
    shift
    focus_main
    if [ "$1" = click ]; then
        local menu_height
        menu_height=$(($(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p') - 420))
        xdotool mousemove --window "$main" "$2" $(($3 + menu_height)) click 1
    else
        xdotool key --clearmodifiers "$@"
    fi
    local window
    window=$(wait_window "$title") || fail "\"$title\" did not open"
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    wait_gone "$title" || fail "\"$title\" did not close"
    echo "opened and closed: $title"
}

open_and_close '^About Halvex$' alt+h a
open_and_close '^Service$' alt+h s
open_and_close '^Print$' alt+f p
open_and_close '^COM Settings$' alt+s
open_and_close '^Serial Transfer Error !$' alt+c s
open_and_close '^Erase \?$' click 372 52
open_and_close '^Configure Sets Buffer$' click 372 108

[ -f halvex.dat ] || fail "closing COM Settings did not write the settings file"

# Answers a file dialog: types the name into it and confirms with Enter.
answer_file_dialog() {
    local title=$1 name=$2
    local window
    window=$(wait_window "$title") || fail "\"$title\" did not open"
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+a
    xdotool type --delay 5 "$name"
    xdotool key Return
    wait_gone "$title" || fail "\"$title\" did not close"
}

# Save, then load what was saved, then import a DOS-version file: the files on disk show that
# each command ran to the end.
focus_main
xdotool key --clearmodifiers alt+f s
answer_file_dialog '^Save As$' "$PWD/shop"
[ "$(stat -c %s shop.40t 2>/dev/null)" = 200 ] || fail "Save did not write the 200 bytes of shop.40t"
echo "saved shop.40t"
focus_main
xdotool key --clearmodifiers alt+f l
answer_file_dialog '^Open$' "$PWD/shop.40t"
head -c 109 /dev/zero >OLD.QDV
focus_main
xdotool key --clearmodifiers alt+u l
answer_file_dialog '^Open$' "$PWD/OLD.QDV"
xdotool search --onlyvisible --name '^File Error$' >/dev/null 2>&1 &&
    fail "a file command showed the File Error window"
echo "loaded shop.40t and imported OLD.QDV"
# A File Error window would still be up and hold the keyboard: About only opens when none is.
open_and_close '^About Halvex$' alt+h a

# Help hands the user guide to the desktop's viewer (here the stand-in xdg-open above): the
# working directory has none, so it is the copy beside the program, or the installed one.
expected_help=${E2E_EXPECT_HELP:-$(dirname "$program")/halvexhelp.pdf}
focus_main
xdotool key --clearmodifiers alt+h h
for _ in $(seq 200); do
    [ -s "$work/opened" ] && break
    sleep 0.05
done
[ -s "$work/opened" ] || fail "Help asked no viewer to open the user guide"
grep -q "$expected_help" "$work/opened" || fail "Help opened $(cat "$work/opened"), not $expected_help"
echo "help opened: $(cat "$work/opened")"

focus_main
xdotool key --clearmodifiers alt+f e
for _ in $(seq 200); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$program_pid" 2>/dev/null; then
    fail "the program did not end after Exit"
fi
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "exited cleanly"
[ ! -e "$kept" ] || fail "a program with nothing unsaved was kept"

# Two programs loaded one after the other, the second load undone: the first program is now
# unsaved. It is kept at once, so a signal that ends the program does not lose it.
data_file() { # NAME PULSE: a data file whose pulse byte is PULSE (octal)
    { printf "\000\000\\$2"; head -c 197 /dev/zero; } >"$1"
}
data_file first.40t 045
data_file second.40t 063
start_program
for name in first second; do
    focus_main
    xdotool key --clearmodifiers alt+f l
    answer_file_dialog '^Open$' "$PWD/$name.40t"
done
focus_main
xdotool key --clearmodifiers ctrl+z
for _ in $(seq 200); do
    [ "$(stat -c %s "$kept" 2>/dev/null)" = 200 ] && break
    sleep 0.05
done
[ "$(stat -c %s "$kept" 2>/dev/null)" = 200 ] || fail "the unsaved program was not kept"
[ "$(xdotool getwindowname "$main")" = "Halvex - KV40 Computer Software, 2007 DST Law*" ] ||
    fail "the title shows no modified mark: $(xdotool getwindowname "$main")"
kill -TERM "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
cp "$kept" "$work/kept.40t"
echo "unsaved program kept after a signal"

# The next start offers it in the File menu; recovered and saved, it is the program kept.
start_program
focus_main
xdotool key --clearmodifiers alt+f r
focus_main
xdotool key --clearmodifiers alt+f s
answer_file_dialog '^Save As$' "$PWD/recovered"
cmp -s recovered.40t "$work/kept.40t" || fail "the recovered program is not the one kept"
[ "$(od -An -tx1 -j2 -N1 recovered.40t | tr -d ' ')" = 25 ] ||
    fail "the recovered program is not the first one loaded"
focus_main
xdotool key --clearmodifiers alt+f e
for _ in $(seq 200); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after Exit"
program_pid=
[ ! -e "$kept" ] || fail "a recovered and saved program was still kept"
echo "recovered the unsaved program"

# A send to a terminal with no clock behind it waits 2 s for the first answer; a signal in that
# time ends the send at once and then the program, by that signal.
if command -v script >/dev/null; then
    script -qfc "tty >'$work/pty'; sleep 60" /dev/null >/dev/null 2>&1 &
    terminal_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/pty" ] && break
        sleep 0.05
    done
    [ -s "$work/pty" ] || fail "no terminal to send to"
    HALVEX_COM1=$(cat "$work/pty") start_program
    focus_main
    xdotool key --clearmodifiers alt+c s
    wait_window '^Send to Clock$' >/dev/null || fail "the send showed no progress window"
    sent_at=$(date +%s%N)
    kill -TERM "$program_pid"
    status=0
    wait "$program_pid" || status=$?
    program_pid=
    waited_ms=$((($(date +%s%N) - sent_at) / 1000000))
    kill "$terminal_pid" 2>/dev/null || true
    [ "$status" -eq 143 ] || fail "a signal during a send ended the program with status $status"
    [ "$waited_ms" -lt 1500 ] || fail "the send went on for $waited_ms ms after the signal"
    echo "a signal during a send ended it after $waited_ms ms"
fi
