#!/bin/bash
# Draw benchmark: the time of one draw of the string, direct and flicker-free, on
# desktops of several widths.   tests/bench/draw_time.sh [--draws 500]
exec bash "$(dirname "$0")/bench.sh" draw_time.py "$@"
