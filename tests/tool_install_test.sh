#!/usr/bin/env bash
# The installed layout: the launcher in bin, the program and the words' window in libexec, the Swedish messages in
# share; the launcher finds its translations and, with no display, prints its help.
# Usage: tool_install_test.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/ordlykta libexec/ordlykta/ordlykta share/ordlykta/translations/ordlykta_tool_sv.qm \
            libexec/ordlykta/ordlykta-ordlistor share/ordlykta/translations/ordlykta_window_en.qm \
            share/ordlykta/translations/ordlykta_qt_sv.qm \
            share/applications/org.example.ordlykta.ordlistor.desktop \
            share/mime/packages/org.example.ordlykta.xml; do
    [ -f "$prefix/$file" ] || { echo "FAILED: $file is not installed"; exit 1; }
done
env -u DISPLAY -u WAYLAND_DISPLAY LANG=sv_SE.UTF-8 "$prefix/bin/ordlykta" --help | grep -q Kommandon ||
    { echo "FAILED: the installed launcher's help is not in Swedish"; exit 1; }
