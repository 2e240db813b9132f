#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   address/undefined sanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  BUILD_DIR=build-asan BUILD_TYPE=Debug bash scripts/build.sh -DPALVANE_SANITIZE=ON -DPALVANE_BUILD_BENCH=OFF
  dir=build-asan
else
  bash scripts/build.sh
  dir=build
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure --no-tests=error -j"$(nproc)" --timeout 600
