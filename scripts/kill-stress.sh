#!/usr/bin/env bash
# Kills palvane-cli N times (default 20) at random moments while it solves a large task with
# --clear-first; after each kill the task must be wholly as before or wholly solved and every
# table file must pass PRAGMA integrity_check. Needs a build in build/ (or BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" -j2 --target cli_tests palvane-cli >/dev/null
PALVANE_KILL_ROUNDS=${1:-20} "$BUILD_DIR/tests/cli_tests" --gtest_filter='CliKillTest.*'
