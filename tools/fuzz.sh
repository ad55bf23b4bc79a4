#!/usr/bin/env bash
# Runs the libFuzzer target of one file reader, or of all of them, for a time:
#   tools/fuzz.sh TARGET SECONDS     e.g. tools/fuzz.sh eci 600
#   tools/fuzz.sh all SECONDS [JOBS] every target, SECONDS each, JOBS at a time
#                                    (default 1)
#   tools/fuzz.sh list               the target names
# Builds in build-fuzz/ with clang, address, undefined-behaviour and
# float-cast-overflow sanitizers. Each target's corpus (build-fuzz/corpus/NAME)
# starts from its seeds (the sample data) and its kept findings
# (tests/fuzz/regressions/NAME). A finding is left in build-fuzz/findings/NAME/;
# copy it to tests/fuzz/regressions/NAME/ once the reader is mended, and the
# normal test suite replays it from then on. Exits 1 when a target found anything.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
source tools/setup.sh
build="$top/build-fuzz"

CXX=clang++ CC=clang cmake -S "$top" -B "$build" -G Ninja -DKELCA_FUZZ=ON -DKELCA_BUILD_GUI=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets() { find "$build" -maxdepth 4 -type f -name 'fuzz_*' -perm -u+x -printf '%f\n' | sed 's/^fuzz_//' | sort; }

run_target() {
  local name=$1 seconds=$2 exe
  exe=$(find "$build" -maxdepth 4 -type f -name "fuzz_$name" -perm -u+x | head -n 1)
  [ -n "$exe" ] || { echo "No fuzz target named $name (tools/fuzz.sh list)"; return 2; }
  local corpus="$build/corpus/$name" findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  KELCA_FUZZ_WRITE_SEEDS="$corpus" "$exe"
  [ -d "tests/fuzz/regressions/$name" ] && cp -n "tests/fuzz/regressions/$name"/* "$corpus"/ 2>/dev/null || true
  local log="$build/findings/$name.log"
  if ! "$exe" "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=4096 \
       -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    echo "fuzz_$name FOUND A FAULT; input and log in $findings/ and $log:"
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -n 8
    return 1
  fi
  # One line a target, so that parallel targets do not interleave.
  echo "fuzz_$name: $seconds s, $(awk '/^stat::number_of_executed_units/ {e=$2} /^stat::peak_rss_mb/ {m=$2}
    END {printf "%s executions, peak %s MB", e, m}' "$log")"
}

case "${1:-}" in
  list) targets ;;
  all)
    seconds=${2:?seconds} jobs=${3:-1}
    export build
    export -f run_target
    # xargs exits non-zero when any target's run did.
    targets | xargs -P "$jobs" -I{} bash -c 'run_target "$1" "$2"' _ {} "$seconds" ;;
  "") echo "usage: tools/fuzz.sh TARGET|all|list [SECONDS]"; exit 2 ;;
  *) run_target "$1" "${2:?seconds}" ;;
esac
