#!/usr/bin/env bash
# Makes the README's picture of the main window, doc/hauptfenster.png: the built program in a
# fresh home with station data, three QSOs typed in, on a virtual screen.
#   xvfb-run -a -s "-screen 0 1024x768x24" tools/hauptfenster-bild.sh
# Needs the build of `tools/tarvex.sh start` and the Debian packages xdotool and imagemagick.
set -euo pipefail
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT
mkdir -p "$heim/.config/tarvex" "$heim/Tarvex"
printf '[Stationsangaben]\r\nStationscall=DF0TVX\r\nKontestbezeichnung=Aktivitätsabend\r\nFDmanagerDOK=K32\r\nDistriktskenner=K\r\n[Fenster]\r\nStarthinweise=0\r\n' |
  iconv -f UTF-8 -t CP1252 >"$heim/.config/tarvex/Log.ini"
cd "$heim/Tarvex"
HOME="$heim" XDG_RUNTIME_DIR="$heim" "$wurzel/build/src/app/tarvex" &
programm=$!
sleep 2
xdotool key Return # the box that finds no LOG.TXT yet
sleep 1
qso() { # callsign, received DOK
  xdotool type --delay 40 "$1"; xdotool key Return; sleep 0.4
  xdotool key Return; sleep 0.2; xdotool key Return; sleep 0.2
  xdotool type --delay 40 "$2"; xdotool key Return; sleep 0.3
  xdotool key Return; sleep 0.6
}
qso DL1ABC K12
qso DK5XY Z22
qso DO3QRP TVX26
sleep 1
fenster=$(xdotool search --onlyvisible --class tarvex | head -1)
eval "$(xdotool getwindowgeometry --shell "$fenster")"
import -window root "$heim/bildschirm.png"
convert "$heim/bildschirm.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$wurzel/doc/hauptfenster.png"
kill "$programm"
