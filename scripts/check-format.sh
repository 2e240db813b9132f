#!/usr/bin/env bash
# Fails when a C++ source file differs from the tree's .clang-format style.
#   scripts/check-format.sh         list the files that differ (exit 1 if any)
#   scripts/check-format.sh --fix   format them in place
set -euo pipefail
cd "$(dirname "$0")/.."
fmt=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$fmt" ]; then
  echo "clang-format-14 is not installed (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi
mapfile -t files < <(find src tests bench fuzz scripts -type f \( -name '*.cpp' -o -name '*.h' \) \
                       -not -path '*/build*' | sort)
if [ "${1:-}" = "--fix" ]; then
  "$fmt" -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  "$fmt" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted (run bash scripts/check-format.sh --fix):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} source files are formatted."
