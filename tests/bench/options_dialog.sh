#!/bin/bash
# Options dialog benchmark: milliseconds from the open command to the dialog's first
# paint (Zoom off), and the share of one core festoon.exe and the wineserver use with
# the dialog open at "Very Fast" beside the dialog closed.
#   tests/bench/options_dialog.sh [--openings 10] [--seconds 30] [--settle 3]
exec bash "$(dirname "$0")/bench.sh" options_dialog.py "$@"
