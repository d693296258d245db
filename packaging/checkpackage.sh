#!/usr/bin/env bash
# Inspects a built halvex .deb: the files it installs and the packages it depends on.
# Usage: checkpackage.sh PACKAGE.deb
set -euo pipefail
deb=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/halvex \
    ./usr/share/applications/halvex.desktop \
    ./usr/share/icons/hicolor/scalable/apps/halvex.svg \
    ./usr/share/halvex/halvexhelp.pdf \
    ./usr/share/mime/packages/halvex.xml \
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-halvex-program.svg \
    ./usr/share/man/man1/halvex.1.gz \
    ./usr/share/doc/halvex/copyright \
    ./usr/share/doc/halvex/changelog.gz \
    ./usr/lib/halvex/halvex-window.so \
    ./usr/lib/halvex/halvex-printer.so \
    ./usr/share/halvex/translations/halvex_de.qm; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
grep -q -- '-rwxr-xr-x .* \./usr/bin/halvex$' <<<"$contents" || fail "/usr/bin/halvex is not executable"
# The icon in the usual sizes, for the program and for its files.
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/halvex.png mimetypes/application-x-halvex-program.png; do
        file=./usr/share/icons/hicolor/${size}x$size/$icon
        grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
    done
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins libc6 \
    libstdc++6; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
# Nothing that only building or testing needs: the window draws no SVG, the build renders the
# icon's PNG files.
for package in qt6-base-dev qt6-svg-dev libqt6svg6 cmake ninja-build g++ xvfb; do
    grep -q "\b$package\b" <<<"$depends" && fail "Depends names the build tool $package"
done
# Wayland without XWayland needs Qt's Wayland platform; elsewhere it is not needed. Qt's own
# dialogs speak the user's language with Qt's translations.
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, qt6-translations-l10n" ] ||
    fail "the package does not recommend qt6-wayland and qt6-translations-l10n"
[ "$(dpkg-deb -f "$deb" Package)" = halvex ] || fail "the package is not named halvex"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "the package is for another architecture"
echo "package ok: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
echo "Depends: $depends"
