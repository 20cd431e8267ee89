#!/usr/bin/env bash
# Builds the program (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
exec build/src/app/zq915 "$@"
