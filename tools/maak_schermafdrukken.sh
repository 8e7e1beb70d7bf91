#!/usr/bin/env bash
# Makes the screenshots of the help page (help/*.png) with the real program under Xvfb, driven by xdotool as a
# teacher would: the start window, the main window, a few practice windows, the worksheet window, the test series,
# the stopwatch and the About box. Windows whose menu item is still disabled are left out.
# Usage: tools/maak_schermafdrukken.sh [build folder]   (needs xvfb-run, xdotool and ImageMagick's import)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
if [ -z "${TALLORA_IN_XVFB:-}" ]; then
  exec env TALLORA_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi
DOEL=${TALLORA_SCHERMAFDRUKKEN:-help}
# A fresh home: the window size chosen for the digital board is not remembered from an earlier run.
HOME=$(mktemp -d)
export HOME XDG_CONFIG_HOME="$HOME/.config" XDG_RUNTIME_DIR="$HOME"
trap 'kill "$PROGRAMMA" 2>/dev/null || true; rm -rf "$HOME"' EXIT

wacht() { sleep "${1:-0.6}"; }
toets() { xdotool key --clearmodifiers "$@"; wacht 0.3; }
typ() { xdotool type --delay 60 "$1"; wacht 0.3; }
# A click at x, y inside the main window.
klik() { xdotool mousemove --window "$HOOFD" "$1" "$2" click 1; wacht; }
foto() { import -window "$1" "$DOEL/$2.png"; }
# The windows open in the work area: below the menu bar and the toolbar, the empty grey cut away.
fotoHoofd() {
  wacht
  foto "$HOOFD" "$1"
  mogrify -crop +0+66 +repage -trim +repage "$DOEL/$1.png"
}
# Chooses a menu (by its Alt letter) and in it the item that many steps down (or up, when negative).
menu() {
  toets "alt+$1"
  local stappen=$2 pijl=Down
  if [ "$stappen" -lt 0 ]; then stappen=$((-stappen)); pijl=Up; fi
  for ((i = 1; i < stappen; i++)); do toets "$pijl"; done
  [ "$pijl" = Up ] && toets Up
  toets Return
  wacht 1
}

./"$BUILD"/tallora &
PROGRAMMA=$!
SPLASH=$(xdotool search --sync --onlyvisible --name '^Tallora$' | head -1)
wacht 3.2
foto "$SPLASH" splash
xdotool mousemove --window "$SPLASH" 20 20 click 1
HOOFD=$(xdotool search --sync --onlyvisible --name 'Revisie' | head -1)
xdotool windowfocus --sync "$HOOFD" || true
wacht
# The toolbar alone: below the menu bar, as wide as its buttons.
import -window "$HOOFD" -crop 830x46+0+20 +repage "$DOEL/werkbalk.png"

# Mental arithmetic: its Setup page, then an exercise answered wrongly (Ctrl+PgDown is the Oefening tab).
menu o 1
fotoHoofd hoofdrekenen
toets ctrl+Next
typ 5
toets Return
fotoHoofd oefening
menu o 2
fotoHoofd tafels
menu o 4
fotoHoofd honderd

# The test series (Extra, sixth item from the bottom): a pupil's name, the kinds to 100 with two ticked, the list.
menu e -6
typ Sanne
klik 462 358
klik 30 212
klik 271 207
klik 387 185
fotoHoofd test_setup
klik 76 358
fotoHoofd test_lijst

# The stopwatch beside it (fourth from the bottom), started and paused after a few seconds.
menu e -4
klik 751 118
wacht 2.4
klik 776 118
wacht
foto "$HOOFD" chrono
mogrify -gravity NorthEast -crop 150x90+0+62 +repage -trim +repage -gravity East -crop 136x+0+0 +repage "$DOEL/chrono.png"

# A worksheet: addition to 20, the subtitle proposed, and the preview beside the window in a larger main window.
xdotool windowsize --sync "$HOOFD" 1100 720
menu e -7
klik 20 154
klik 69 382
toets Return
wacht 1
fotoHoofd oefenbladen
