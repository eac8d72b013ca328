#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time from
# the seed corpus in fuzz/corpus/; any finding fails. Needs what scripts/setup.sh installs.
# Usage: scripts/fuzz.sh [TARGET...]; FUZZ_SECONDS sets the time per target (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
targets=("$@")
((${#targets[@]})) || targets=(fuzz_number_text fuzz_batch_line fuzz_design_file fuzz_secondaries)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

export UBSAN_OPTIONS=print_stacktrace=1
mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
  case $target in
    fuzz_batch_line | fuzz_secondaries) max_len=65536 ;;  # room for long fields
    *) max_len=16384 ;;
  esac
  work=fuzz/corpus-work/$target  # grows from run to run; only fuzz/corpus/ is kept in git
  mkdir -p "$work"
  log=build-fuzz/$target.log
  echo "== $target: ${seconds} s, log in $log"
  if ! "build-fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" -dict="fuzz/$target.dict" -print_final_stats=1 -print_funcs=0 \
      -artifact_prefix="build-fuzz/artifacts/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$target: finding saved in build-fuzz/artifacts/ (replay: build-fuzz/bin/$target FILE)" >&2
    exit 1
  fi
  grep -E '^(Done|stat::)' "$log"
done
