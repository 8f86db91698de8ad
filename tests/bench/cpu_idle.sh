#!/bin/bash
# CPU benchmark: festoon.exe under Wine on a private Xvfb display, at the fastest rate
# with IdleProcess off and then on, 60 s each; prints the share of one core used by
# festoon.exe and by the wineserver. Goal: below 1% for the two together.
#   tests/bench/cpu_idle.sh [--desktop 1920x1080] [--seconds 60] [--settle 5]
# Uses build/win (built first by tools/setup.sh) and a Wine prefix of its own,
# build/wineprefix-bench.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh >/dev/null
export FESTOON_WIN_BUILD=$PWD/build/win
export FESTOON_E2E_PREFIX=$PWD/build/wineprefix-bench
if ! grep -qs '"Desktop"="Festoon"' "$FESTOON_E2E_PREFIX/user.reg"; then
    python3 tests/e2e/festoon_e2e.py setup-prefix "$FESTOON_E2E_PREFIX" >/dev/null
fi
status=0
python3 tests/bench/cpu_idle.py "$@" || status=$?
python3 tests/e2e/festoon_e2e.py cleanup-prefix "$FESTOON_E2E_PREFIX" >/dev/null
exit "$status"
