#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the launcher, the program with
# its data, the desktop entry, the metainfo and the icons; then starts the installed program from elsewhere.
set -euo pipefail
bouw=$1
map=$(mktemp -d)
trap 'rm -rf "$map"' EXIT
prefix=$map/prefix
cmake --install "$bouw" --prefix "$prefix" >/dev/null

fout() { echo "FOUT: $*" >&2; exit 1; }
programma=$(dirname "$(find "$prefix" -path '*/tallora/tallora' -type f)")
[ -x "$prefix/bin/tallora" ] || fout "no launcher"
[ -x "$programma/tallora" ] || fout "no program"
[ -f "$programma/data/oefenblad.docx" ] || fout "no template beside the program"
[ -f "$programma/sound/goed1.wav" ] || fout "no sounds beside the program"
[ -f "$prefix/share/icons/hicolor/scalable/apps/tallora.svg" ] || fout "no SVG icon"
for grootte in 16 32 48 256; do
    png=$prefix/share/icons/hicolor/${grootte}x${grootte}/apps/tallora.png
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fout "no PNG icon of $grootte"
done
desktop-file-validate "$prefix/share/applications/tallora.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.tallora.tallora.metainfo.xml"

# The launcher works from any folder, gives the user a working folder of their own, and the main window comes up.
export HOME=$map/thuis XDG_DATA_HOME=$map/thuis/data QT_QPA_PLATFORM=offscreen TALLORA_MEETPUNT=hoofd
mkdir -p "$HOME"
uitvoer=$(cd / && timeout 60 "$prefix/bin/tallora")
grep -q '^getekend ' <<<"$uitvoer" || fout "the installed program showed no main window"
[ "$(readlink -f "$XDG_DATA_HOME/tallora/sound")" = "$(readlink -f "$programma/sound")" ] || fout "no sounds in the working folder"
[ -d "$XDG_DATA_HOME/tallora/data" ] && [ ! -L "$XDG_DATA_HOME/tallora/data" ] || fout "no own data folder"
echo "installatie in orde"
