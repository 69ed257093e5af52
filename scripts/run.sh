#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
exec "${ORDALIS_BUILD_DIR:-$here/build}/ordalis"
