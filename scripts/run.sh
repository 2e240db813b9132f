#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on its default home folder (extra
# arguments, such as --home DIR, go to the program).
#
# Without a display (no DISPLAY or WAYLAND_DISPLAY: a server, a container, a remote shell) the
# windows cannot open; the main job is then done on the command line instead: the sample task
# of the home folder is solved with palvane-cli and its plan printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  if [ -x build/src/app/palvane ]; then
    exec build/src/app/palvane "$@"
  fi
  exec build/src/app/palvane-cli "$@" tasks
fi

cli=build/src/app/palvane-cli
echo "No display: solving the sample task with palvane-cli instead of opening the windows."
echo
# The task list of the home folder (a new home folder is created with the sample task).
tasks=$("$cli" "$@" tasks)
sample=$(printf '%s\n' "$tasks" | grep -m1 -E '^ *[0-9]+  Sample: ' || true)
if [ -z "$sample" ]; then
  echo "The home folder holds no sample task any more; its tasks:"
  printf '%s\n' "$tasks"
  echo
  echo "Solve one of them with: $cli $* solve --task ID"
  exit 1
fi
id=$(awk '{print $1}' <<<"$sample")
if grep -q ' not solved ' <<<"$sample"; then
  "$cli" "$@" solve --task "$id"
  echo
fi
"$cli" "$@" show --task "$id"
echo

# The loading sheet of the sample (a PDF file) is written here once the command line can print.

echo "On a desktop (X11 or Wayland), the same command opens the program's windows: bash scripts/run.sh"
