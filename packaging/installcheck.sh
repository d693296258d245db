#!/usr/bin/env bash
# Checks a built halvex .deb with lintian, installs it with apt as a user would, checks that the
# desktop menu can show it and that the installed program starts, opens its windows and finds its
# help document, then removes the package again. Needs root. Usage: installcheck.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
if dpkg-query -W -f='${Status}' halvex 2>/dev/null | grep -q 'install ok installed'; then
    fail "halvex is installed already; remove it first (apt-get remove halvex)"
fi

# Debian's own checks of the package: no error. The warnings that remain are explained in the
# README ("The package").
echo "lintian:"
lintian --fail-on error "$deb" || fail "lintian found errors in the package"

trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq halvex >/dev/null || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
echo "installed $(dpkg-query -W -f='${Package} ${Version}' halvex)"

# The desktop menu lists a valid entry whose command and icon are installed.
entry=/usr/share/applications/halvex.desktop
desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
command -v "${exec_line%% *}" >/dev/null || fail "the menu's command $exec_line is not on the PATH"
icon=$(sed -n 's/^Icon=//p' "$entry")
for file in scalable/apps/$icon.svg 48x48/apps/$icon.png 16x16/apps/$icon.png; do
    [ -f "/usr/share/icons/hicolor/$file" ] || fail "the menu's icon $file is missing"
done
grep -q '^Exec=halvex %f$' "$entry" || fail "the menu entry does not pass the file it opens"
echo "desktop menu entry ok: $(sed -n 's/^Name=//p' "$entry")"

# The desktop knows the program files: their type, and halvex as the program that opens them.
sample=$(mktemp -d)/shop.40t
head -c 200 /dev/zero >"$sample"
type=$(gio info -a standard::content-type "$sample" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-halvex-program ] || fail "$sample is of type $type"
default=$(gio mime application/x-halvex-program | sed -n '1s/.*: //p')
[ "$default" = halvex.desktop ] || fail "files of the type open in '$default', not halvex"
rm -r "$(dirname "$sample")"
echo "program files known to the desktop: $type, opened by $default"

# The manual page.
zcat /usr/share/man/man1/halvex.1.gz | grep -q '^\.TH HALVEX 1' || fail "the manual page is missing"
echo "manual page ok"

# The serial devices, with no display at all.
env -u DISPLAY -u WAYLAND_DISPLAY halvex ports >/dev/null || fail "halvex ports failed"
echo "halvex ports ok"

# The command line in German, from the installed translation.
env LANG=de_DE.UTF-8 halvex --help | grep -q '^Aufruf: halvex' || fail "halvex --help is not German"
echo "command line in German ok"

# The window carries the program's icon, for task bars that take a window's own (X11). The
# program sets it once its window has been painted: wait for the icon itself.
window_icon() {
    cd "$(mktemp -d)"
    halvex &
    local program=$! window= icons=
    for _ in $(seq 600); do # up to a minute
        window=$(xdotool search --name '^Halvex - KV40' 2>/dev/null | head -n 1) || true
        icons=$([ -n "$window" ] && xprop -id "$window" _NET_WM_ICON 2>/dev/null |
            grep -o 'Icon ([0-9]* x [0-9]*)' || true)
        grep -q 'Icon (48 x 48)' <<<"$icons" && grep -q 'Icon (16 x 16)' <<<"$icons" && break
        sleep 0.1
    done
    kill "$program"
    wait "$program" 2>/dev/null || true
    grep -q 'Icon (48 x 48)' <<<"$icons" && grep -q 'Icon (16 x 16)' <<<"$icons"
}
"$here/../tests/xserver.sh" bash -c "$(declare -f window_icon); window_icon" ||
    fail "the window has no icon of its own"
echo "window icon ok"

# The installed program, end to end; its help is the copy in its data folder.
E2E_EXPECT_HELP=/usr/share/halvex/halvexhelp.pdf "$here/../tests/e2e/e2e.sh" /usr/bin/halvex
echo "installed program ok"
