#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on its default home folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/src/app/palvane ]; then
  exec build/src/app/palvane "$@"
else
  exec build/src/app/palvane-cli "$@" tasks
fi
