#!/bin/bash
# Builds Festoon (tools/setup.sh) and starts it under Wine in a 1024x768 virtual
# desktop named Festoon, from build/run (so its garland.ini lands there), with a Wine
# prefix of its own in build/wineprefix-run.
#   With DISPLAY set: the desktop opens as a window there; this returns when the
#   program ends (tray icon, right button, "Remove Lights").
#   Without DISPLAY: it runs on a private Xvfb display, a screenshot of the desktop is
#   saved a few seconds after start, and the program is then closed. Pass --keep to
#   leave it running until Ctrl+C instead.
set -euo pipefail
cd "$(dirname "$0")/.."
keep=0
if [[ ${1:-} == --keep ]]; then keep=1; fi

bash tools/setup.sh
root=$PWD
run_dir=$root/build/run
driver=$root/build/win/festoon_driver.exe
size=1024x768
export WINEPREFIX=$root/build/wineprefix-run WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="

mkdir -p "$run_dir"
cp -f build/win/festoon.exe "$run_dir/"
if [[ -f build/win/xmastune.mid ]]; then cp -f build/win/xmastune.mid "$run_dir/"; fi

# The prefix shows the taskbar at all times and makes every Wine program join the
# Festoon desktop; the test harness knows how to make one.
if ! grep -qs '"Desktop"="Festoon"' "$WINEPREFIX/user.reg"; then
    echo "run: preparing the Wine prefix $WINEPREFIX (once, about 15 s)"
    python3 tests/e2e/festoon_e2e.py setup-prefix "$WINEPREFIX" >/dev/null
fi

start_festoon() {
    (cd "$run_dir" && exec wine explorer /desktop=Festoon,$size festoon.exe) \
        </dev/null >/dev/null 2>&1 &
}

if [[ -n ${DISPLAY:-} ]]; then
    echo "run: Festoon runs in a Wine desktop window on display $DISPLAY."
    echo "run: end it from its tray icon (right button, Remove Lights)."
    trap 'wineserver -k 2>/dev/null; exit 130' INT TERM
    start_festoon
    sleep 1
    wineserver -w
    exit 0
fi

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 ${size}x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for _ in $(seq 100); do
    if [[ -s $display_file ]]; then break; fi
    sleep 0.1
done
display=$(tr -d '\n' <"$display_file")
if [[ -z $display ]]; then
    echo "run: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$display
echo "run: DISPLAY is not set, so Festoon runs on a private Xvfb display ($DISPLAY)."

start_festoon
if ! wine "$driver" wait festoonWClass 30000 </dev/null >/dev/null 2>&1; then
    echo "run: festoon.exe did not start" >&2
    exit 1
fi
sleep 3
# Wine here has no MIDI device, so start-up shows its notice about that until it is
# ticked away; for the picture, answer it as a user would.
wine "$driver" press-button "No MIDI Playback Device Detected" OK </dev/null >/dev/null 2>&1 || true
sleep 3
screenshot=$run_dir/screenshot.png
import -display "$DISPLAY" -window root "$screenshot"
echo "run: screenshot of the desktop saved to $screenshot"

if ((keep)); then
    echo "run: Festoon keeps running on $DISPLAY; Ctrl+C ends it."
    wineserver -w
else
    # End it the way the tray menu's Remove Lights does, so the settings are saved.
    wine "$driver" post festoonWClass WM_SYSCOMMAND 1003 0 </dev/null >/dev/null 2>&1 || true
    timeout 20 wineserver -w || true
    echo "run: Festoon closed; its settings are in $run_dir/garland.ini"
fi
