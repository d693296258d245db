#!/usr/bin/env bash
# The window-free commands over many files: `halvex show` and `halvex check` on 10,000 program
# files, one run of the program a file, in files per second; and the start-up of such a command
# (the average of 101 runs back to back), with no display set, after checking that it loads none of Qt's GUI
# libraries. Usage: clibench.sh PROGRAM [FILES]
set -euo pipefail
program=$(realpath "$1")
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Programs of every kind: random bytes, whose steps and dates clash and overflow.
head -c $((200 * count)) /dev/urandom | split -a 5 -d -b 200 --additional-suffix=.40t - "$work/p"

gui=$(LD_DEBUG=libs "$program" show "$work/p00000.40t" 2>&1 >/dev/null | grep -c 'libQt6Gui' || true)
[ "$gui" -eq 0 ] || { echo "halvex show loaded Qt's GUI library" >&2; exit 1; }

for verb in show check; do
    start=$(date +%s%N)
    for file in "$work"/p*.40t; do
        "$program" "$verb" "$file" >/dev/null || true # check: 1 when it finds something
    done
    ms=$((($(date +%s%N) - start) / 1000000))
    echo "halvex $verb: $count files in $ms ms, $((count * 1000 / (ms > 0 ? ms : 1))) files/s"
done

# Start-up: 101 runs back to back, timed by the shell's own clock (no helper program per run).
runs=101
start=$EPOCHREALTIME
for _ in $(seq $runs); do
    "$program" show "$work/p00000.40t" >/dev/null
done
end=$EPOCHREALTIME
us=$(((${end/./} - ${start/./}) / runs))
echo "start-up of a window-free command (halvex show, no display): $((us / 1000)).$(((us % 1000) / 100)) ms on average over $runs runs; no Qt GUI library loaded"
