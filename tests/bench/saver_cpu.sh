#!/bin/bash
# Screen saver benchmark under Wine: CPU of festoon.exe and the wineserver while each
# effect runs at 1024x768, and the time of one tick at 1024x768 and 3840x2160.
#   tests/bench/saver_cpu.sh [--seconds 20] [--settle 3] [--ticks 200]
exec bash "$(dirname "$0")/bench.sh" saver_cpu.py "$@"
