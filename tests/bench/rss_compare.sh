#!/bin/bash
# Memory benchmark: festoon.exe's resident size beside two idle probe programs
# under the same Wine.   tests/bench/rss_compare.sh [--settle 10] [--runs 3]
exec bash "$(dirname "$0")/bench.sh" rss_compare.py "$@"
