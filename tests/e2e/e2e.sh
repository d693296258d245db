#!/usr/bin/env bash
# End to end in a real window: starts the program on an X server of its own (Xvfb, the xcb
# platform) in an empty working directory and works it with the keyboard and the mouse as a
# person would: opens every window from the menu and the two image buttons and closes it, saves,
# loads and imports files through the file dialogs, asks for the help, and exits by
# "&File" > "&Exit"; then leaves a program unsaved, ends the program by a signal, and recovers
# the program at the next start; ends a send to a terminal with no clock by a signal; last,
# starts the program in German, where its window and Qt's own file dialog speak German.
# Usage: e2e.sh PROGRAM (E2E_EXPECT_HELP names the guide Help must open; by default the one
# beside the program).
set -euo pipefail

program=$(realpath "$1")
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xdotool)"
        exit 77
    fi
done

work=$(mktemp -d)
xserver_pid=
program_pid=
terminal_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$terminal_pid" ] && kill "$terminal_pid" 2>/dev/null || true
    [ -n "$xserver_pid" ] && kill "$xserver_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every wait is for the condition the test checks next, never for a fixed time: on a quiet
# machine each takes well under a second, and the deadline is 10 times the longest seen on a
# busy one, so a slow machine makes the test slower but never fails it.
Deadline=60
# wait_until COMMAND...: runs COMMAND until it succeeds; 1 when it never did within Deadline.
wait_until() {
    local end=$((SECONDS + Deadline))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# A display of our own (see xserver.sh for why it never resets).
. "$(dirname "$(realpath "$0")")/../xserver.sh"
start_xserver "$work" || fail "Xvfb did not start: $(cat "$work/xserver.log")"
export QT_QPA_PLATFORM=xcb
# English, whatever language the machine speaks, but for the German start at the end.
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES
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

visible_window() { # PATTERN: prints the first visible window whose title matches
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}
no_visible_window() { # PATTERN
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}
wait_window() { # PATTERN: prints the window once it is shown
    wait_until visible_window "$1" >/dev/null && visible_window "$1"
}
has_size() { # FILE BYTES
    [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ]
}
has_title() { # WINDOW TITLE
    [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]
}
ended() { # PID
    ! kill -0 "$1" 2>/dev/null
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

# The program's visible windows other than the main window, a name a line.
other_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
        [ "$id" = "$main" ] || xdotool getwindowname "$id" 2>/dev/null || true
    done
}
no_other_window() {
    [ -z "$(other_windows)" ]
}
# Gives the main window the keyboard once it is the only window up: a dialog answered a moment
# ago may still be mapped (the program writes a file before its request to unmap the dialog
# reaches the server), and keys typed while it goes would be lost with its focus.
focus_main() {
    wait_until no_other_window || fail "still open over the main window: $(other_windows)"
    xdotool windowfocus --sync "$main"
}

# Opens a window with the given keys (or a click at a point of the main window's client area),
# checks its title, and closes it with Escape as a person would: the window must be unmapped.
open_window() {
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
    window=$(wait_window "$title") || fail "\"$title\" did not open"
}
close_with_escape() {
    local title=$1
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    wait_until no_visible_window "$title" || fail "\"$title\" did not close with Escape"
    echo "opened and closed: $title"
}
open_and_close() {
    open_window "$@"
    close_with_escape "$1"
}

open_and_close '^About Halvex$' alt+h a
open_and_close '^Service$' alt+h s
open_and_close '^Print$' alt+f p
open_and_close '^COM Settings$' alt+s
wait_until test -f halvex.dat || fail "closing COM Settings did not write the settings file"
open_and_close '^Serial Transfer Error !$' alt+c s
open_and_close '^Erase \?$' click 372 52
open_and_close '^Configure Sets Buffer$' click 372 108

# Answers a file dialog: types the name into it and confirms with Enter. What the command did
# is checked by its effect (a file written, a title, the next window to open); the keys typed
# afterwards reach the main window after the dialog has gone, as X delivers them in order.
answer_file_dialog() {
    local title=$1 name=$2
    local window
    window=$(wait_window "$title") || fail "\"$title\" did not open"
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+a
    xdotool type --delay 5 "$name"
    xdotool key Return
}

# Save, then load what was saved, then import a DOS-version file.
focus_main
xdotool key --clearmodifiers alt+f s
answer_file_dialog '^Save As$' "$PWD/shop"
wait_until has_size shop.40t 200 || fail "Save did not write the 200 bytes of shop.40t"
echo "saved shop.40t"
focus_main
xdotool key --clearmodifiers alt+f l
answer_file_dialog '^Open$' "$PWD/shop.40t"
head -c 109 /dev/zero >OLD.QDV
focus_main
xdotool key --clearmodifiers alt+u l
answer_file_dialog '^Open$' "$PWD/OLD.QDV"
# Both commands have run once a window asked for afterwards opens: a File Error window would
# have opened instead, and holds the keyboard.
open_window '^(About Halvex|File Error)$' alt+h a
[ "$(xdotool getwindowname "$window")" = "About Halvex" ] ||
    fail "a file command showed the File Error window"
close_with_escape '^About Halvex$'
echo "loaded shop.40t and imported OLD.QDV"

# Help hands the user guide to the desktop's viewer (here the stand-in xdg-open above): the
# working directory has none, so it is the copy beside the program, or the installed one.
expected_help=${E2E_EXPECT_HELP:-$(dirname "$program")/halvexhelp.pdf}
focus_main
xdotool key --clearmodifiers alt+h h
wait_until test -s "$work/opened" || fail "Help asked no viewer to open the user guide"
grep -q "$expected_help" "$work/opened" || fail "Help opened $(cat "$work/opened"), not $expected_help"
echo "help opened: $(cat "$work/opened")"

# exit_program: "&File" > "&Exit"; the program must end with status 0.
exit_program() {
    focus_main
    xdotool key --clearmodifiers alt+f e
    wait_until ended "$program_pid" || fail "the program did not end after Exit"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
exit_program
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
modified_title="Halvex - KV40 Computer Software, 2007 DST Law*"
wait_until has_title "$main" "$modified_title" ||
    fail "the title shows no modified mark: $(xdotool getwindowname "$main")"
wait_until has_size "$kept" 200 || fail "the unsaved program was not kept"
pulse_byte() { # FILE
    od -An -tx1 -j2 -N1 "$1" 2>/dev/null | tr -d ' '
}
has_pulse_byte() { # FILE HEX
    [ "$(pulse_byte "$1")" = "$2" ]
}
# The program is kept as the second load undone left it: the first program.
wait_until has_pulse_byte "$kept" 25 || fail "the kept program is not the first one loaded"
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
wait_until has_size recovered.40t 200 || fail "Save did not write the 200 bytes of recovered.40t"
cmp -s recovered.40t "$work/kept.40t" || fail "the recovered program is not the one kept"
exit_program
[ ! -e "$kept" ] || fail "a recovered and saved program was still kept"
echo "recovered the unsaved program"

# A send to a terminal with no clock behind it waits 2 s for the first answer; a signal in that
# time ends the send at once and then the program, by that signal.
if command -v script >/dev/null; then
    script -qfc "tty >'$work/pty'; sleep 600" /dev/null >/dev/null 2>&1 &
    terminal_pid=$!
    wait_until test -s "$work/pty" || fail "no terminal to send to"
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
    terminal_pid=
    [ "$status" -eq 143 ] || fail "a signal during a send ended the program with status $status"
    # The clock would have had 2000 ms to answer: an end well before that is the signal's.
    [ "$waited_ms" -lt 1500 ] || fail "the send went on for $waited_ms ms after the signal"
    echo "a signal during a send ended it after $waited_ms ms"
fi

# In German: the main window's title and menus, and Qt's own Open dialog, which Qt's translation
# names "Öffnen". X11 keeps a title's bytes in WM_NAME, which xdotool's search does not read as
# UTF-8, so the search goes by the title's plain letters and the whole title is then compared.
env -u LC_ALL LANG=de_DE.UTF-8 "$program" 2>>"$work/program.log" &
program_pid=$!
main=$(wait_window '^Halvex - KV40-Computersoftware, Sommerzeitregel 2007$') ||
    fail "the main window did not appear in German"
echo "main window shown in German"
focus_main
xdotool key --clearmodifiers alt+d l # "&Datei" > "&Laden..."
window=$(wait_window 'ffnen$') || fail "the Open dialog did not appear in German"
wait_until has_title "$window" "Öffnen" ||
    fail "the Open dialog is titled \"$(xdotool getwindowname "$window")\", not \"Öffnen\""
xdotool windowfocus --sync "$window"
xdotool key Escape
wait_until no_visible_window 'ffnen$' || fail "the Open dialog did not close with Escape"
echo "Qt's own Open dialog shown in German"
focus_main
xdotool key --clearmodifiers alt+d b # "&Datei" > "&Beenden"
wait_until ended "$program_pid" || fail "the program did not end after Beenden"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
