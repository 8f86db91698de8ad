#!/bin/bash
# Step time of each screen saver effect at 1024x768 and 3840x2160, natively.
#   tests/bench/saver_steps.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh >/dev/null
exec build/host/tests/bench/festoon_saver_steps
