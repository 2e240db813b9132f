#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS seconds
# (default 60) on its seed corpus in fuzz/corpus/<target>/. New inputs go to
# build-fuzz/corpus/<target>/ and crashes to build-fuzz/findings/<target>/; the repository's
# seeds are never changed.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_import_lines fuzz_import_db fuzz_ini fuzz_solution_csv)
fi
if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is needed: apt-get install clang libclang-rt-dev" >&2
  exit 1
fi
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPALVANE_FUZZ=ON -DPALVANE_BUILD_TESTS=OFF -DPALVANE_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-fuzz -j2 --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t"
  echo "== $t: $seconds s"
  # The working corpus first, so new inputs are written there; the seeds are only read.
  rc=0
  "build-fuzz/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -max_len=16384 \
    -artifact_prefix="build-fuzz/findings/$t/" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
    >"build-fuzz/$t.log" 2>&1 || rc=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|invariant broken|SUMMARY' "build-fuzz/$t.log" || true
  if [ "$rc" -ne 0 ]; then
    echo "!! $t found a fault (exit $rc): see build-fuzz/$t.log and build-fuzz/findings/$t/" >&2
    status=1
  fi
done
exit $status
