#!/bin/bash
# Memory benchmark: festoon.exe's resident size before and after 10,000 rebuilds of
# the string.   tests/bench/rebuild_memory.sh [--count 10000] [--only steps|builds|wipes]
exec bash "$(dirname "$0")/bench.sh" rebuild_memory.py "$@"
