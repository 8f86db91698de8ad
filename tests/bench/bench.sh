#!/bin/bash
# Runs one benchmark script of this folder against build/win, in a Wine prefix of
# its own (build/wineprefix-bench):  tests/bench/bench.sh cpu_idle.py [args...]
set -euo pipefail
script=$1
shift
cd "$(dirname "$0")/../.."
bash tools/setup.sh >/dev/null
export FESTOON_WIN_BUILD=$PWD/build/win
export FESTOON_E2E_PREFIX=$PWD/build/wineprefix-bench
if ! grep -qs '"Desktop"="Festoon"' "$FESTOON_E2E_PREFIX/user.reg"; then
    python3 tests/e2e/festoon_e2e.py setup-prefix "$FESTOON_E2E_PREFIX" >/dev/null
fi
status=0
python3 "tests/bench/$script" "$@" || status=$?
python3 tests/e2e/festoon_e2e.py cleanup-prefix "$FESTOON_E2E_PREFIX" >/dev/null
exit "$status"
