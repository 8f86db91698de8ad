#!/bin/bash
# CPU benchmark: festoon.exe under Wine on a private Xvfb display, at the fastest rate
# with IdleProcess off and then on, 60 s each; prints the share of one core used by
# festoon.exe and by the wineserver. Goal: below 1% for the two together.
#   tests/bench/cpu_idle.sh [--desktop 1920x1080] [--seconds 60] [--settle 5]
exec bash "$(dirname "$0")/bench.sh" cpu_idle.py "$@"
