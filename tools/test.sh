#!/bin/bash
# Builds everything (tools/setup.sh) and runs every test: the native unit tests, the
# resource checks and the end-to-end tests under Wine on private Xvfb displays.
# Extra arguments go to ctest (for example -L e2e, or -R tray). Exit code: ctest's.
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh || exit
# The end-to-end tests are RUN_SERIAL, so two jobs only overlap the unit tests.
ctest --test-dir build/host --output-on-failure -j2 "$@"
