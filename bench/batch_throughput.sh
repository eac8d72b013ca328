#!/usr/bin/env bash
# Batch tool throughput on one core: generates a realistic input of LINES runs (200,000 by
# default) and reports runs per second, the best of RUNS timings, for the default output and
# for each further column the tool can add. INPUT=start runs the start input on every line
# instead, INPUT=valve a valve amplifier's line with three secondaries (a centre tap feeding two
# diodes and a capacitor, two heaters) for --secondaries.
# Usage: [LINES=n] [RUNS=n] [CPU=core] [OPTIONS='|--plan|--notes --plan --check']
#        [INPUT=mixed|start|valve] [TOOL='node build-web/bin/transformer-sizer-batch.js']
#        bench/batch_throughput.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
# TOOL runs another build of the tool, e.g. the node one; its words are split.
read -r -a tool <<< "${TOOL:-${1:-build}/bin/transformer-sizer-batch}"
lines=${LINES:-200000}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same line LINES times.
repeat() {
  awk -v n="$lines" -v line="$1" 'BEGIN { for (i = 0; i < n; i++) print line }'
}

case ${INPUT:-mixed} in
  start) repeat $'3\t220\t12\t1.5\t2\t5\t7\t12\t0.2' > "$work/input.tsv" ;;
  valve) repeat $'1\t220\t500\t0.1\t3.2\t4\t2\t5\t0.35\tct-c\t6.3\t2\tac\t5\t2\tac' \
    > "$work/input.tsv" ;;
  *)
# Mixed cores, mains and secondary voltages, currents and dimensions, with a sprinkling of
# comments, blank lines and runs that do not fit.
awk -v n="$lines" 'BEGIN {
  srand(42);
  split("220 230 127 110 240", mains, " ");
  split("0.08 0.1 0.15 0.2 0.35 0.5", plate, " ");
  print "# form\tU1\tU2\tI2\ta\tb\tc\th\tthickness";
  for (i = 0; i < n; i++) {
    if (i % 1000 == 999) { print ""; }
    printf "%d\t%s\t%.1f\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%s\n",
      1 + int(rand() * 3), mains[1 + int(rand() * 5)], 3 + rand() * 45, 0.1 + rand() * 6,
      0.8 + rand() * 4, 1 + rand() * 5, 0.8 + rand() * 5, 1.5 + rand() * 8, plate[1 + int(rand() * 6)];
  }
}' > "$work/input.tsv"
  ;;
esac

pin=()
cpu=${CPU:-0}
command -v taskset >/dev/null && pin=(taskset -c "$cpu")

# Best of RUNS timings of the tool with the given options on the generated input.
measure() {
  local best="" start end seconds
  for _ in $(seq "$runs"); do
    start=$(date +%s.%N)
    "${pin[@]}" "${tool[@]}" "$@" "$work/input.tsv" > "$work/output.tsv"
    end=$(date +%s.%N)
    seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f", e - s }')
    if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$seconds
    fi
  done
  local runs_done faults
  runs_done=$(wc -l < "$work/output.tsv")
  if [ "$(head -c 1 "$work/output.tsv")" = "{" ]; then
    faults=$(grep -cv '\],"status":"ok"' "$work/output.tsv" || true)
  else
    faults=$(cut -f17 "$work/output.tsv" | grep -cv '^ok$' || true)
  fi
  awk -v r="$runs_done" -v s="$best" -v f="$faults" -v o="${*:-(default)}" 'BEGIN {
    printf "%-40s %d runs (%d faulted) in %.3f s: %.0f runs per second\n", o, r, f, s, r / s }'
}

# OPTIONS picks the column sets, one per "|"-separated item; "" is the default output.
IFS='|' read -r -a option_sets <<< "${OPTIONS-|--notes|--plan|--check|--notes --plan --check}"
for options in "${option_sets[@]}"; do
  # shellcheck disable=SC2086  # an empty option list is no argument; the rest split into words
  measure $options
done
