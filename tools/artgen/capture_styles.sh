#!/bin/bash
# Photographs the running program with several bulb styles, for the artwork's
# README: each style runs for a few seconds on its own Xvfb/Wine desktop, the top
# strip of the screen is cut out, and the strips are stacked into one picture.
#   tools/artgen/capture_styles.sh <windows-build-dir> <out.png>
# Needs wine, Xvfb and ImageMagick; uses its own Wine prefix under /tmp.
set -eu
build=$1
out=$2
work=$(mktemp -d)
export WINEPREFIX=${ARTGEN_WINEPREFIX:-/tmp/artgen-prefix} WINEDEBUG=-all DISPLAY=:57

# BulbType Color Mode: Normal MultiColor, Bells Red & Green, Fish MultiColor,
# Candy Canes Red, Lanterns MultiColor, Stars Blues, Snowman, Easter Eggs.
Xvfb :57 -screen 0 1024x768x24 >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
wineboot -i >/dev/null 2>&1 || true # a fresh prefix takes a while to set up

styles=("0 8 4" "4 7 4" "5 8 4" "6 2 0" "14 8 4" "22 9 4" "21 0 0" "10 8 4")
strips=()
for entry in "${styles[@]}"; do
    read -r type color mode <<<"$entry"
    dir=$work/$type
    mkdir -p "$dir"
    cp "$build/festoon.exe" "$dir/"
    cat >"$dir/garland.ini" <<INI
[Settings]
BulbType=$type
Color=$color
Mode=$mode
NotSoMany=0
StartOptions=0
Music=0
WarnMusic=0
INI
    (cd "$dir" && wine explorer /desktop=Festoon,1024x768 festoon.exe >/dev/null 2>&1 &)
    sleep 7
    import -display :57 -window root -crop 1024x36+0+0 +repage "$work/strip_$type.png"
    wineserver -k || true
    sleep 1
    strips+=("$work/strip_$type.png")
done
convert "${strips[@]}" -append "$out"
