#!/usr/bin/env bash
# Start-up cost of the window on a private Xvfb display: time from process start to the first
# paint, and peak RSS, median of RUNS runs, beside two yardsticks of the same size:
#  - plain_form (bench/plain_form.cpp): the same 56 controls as plain Qt widgets. The goal is
#    set against it: first paint <= 1.10 x, peak RSS <= + 1.0 MiB. Exits 1 when it is missed.
#  - bare_window (bench/bare_window.cpp): one empty QWidget; what any form of 56 controls costs
#    beyond it is shown for information, with no goal.
# Usage: bench/startup.sh [RUNS]   (default 20; programs from ${BUILD_DIR:-build}/bin)
# The programs, started with TS_EXIT_AFTER_FIRST_PAINT=1, print "first-paint <ns>" once the
# window has painted and quit (app/first_paint_probe.h).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
bin=${BUILD_DIR:-build}/bin
programs=("$bin/bare_window" "$bin/plain_form" "$bin/transformer-sizer")
paint_goal=1.10  # window / plain form, first paint
rss_goal=1.0     # window - plain form, MiB

if [ -z "${TS_STARTUP_INSIDE_XVFB:-}" ]; then
  if [ ! -x /usr/bin/time ] || ! command -v xvfb-run >/dev/null; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "Нужны пакеты time и xvfb: sudo apt-get install -y time xvfb xauth" >&2
      exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends time xvfb xauth
  fi
  for program in "${programs[@]}"; do
    [ -x "$program" ] || { echo "Нет $program: соберите проект (scripts/setup.sh)" >&2; exit 1; }
  done
  TS_STARTUP_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
unset QT_QPA_PLATFORM

# Prints "<microseconds to first paint> <peak RSS in KiB>" for one start of $1.
measure() {
  local start output paint rss
  start=${EPOCHREALTIME/./}
  output=$(TS_EXIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f "peak-rss %M" "$1" 2>&1)
  paint=$(sed -n 's/^first-paint //p' <<<"$output")
  rss=$(sed -n 's/^peak-rss //p' <<<"$output")
  if [ -z "$paint" ] || [ -z "$rss" ]; then
    echo "$1 не сообщил о первой отрисовке:" >&2
    echo "$output" >&2
    exit 1
  fi
  echo "$((paint / 1000 - start)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A times rss
for program in "${programs[@]}"; do measure "$program" >/dev/null; done  # warm the caches
for ((k = 0; k < runs; ++k)); do
  for program in "${programs[@]}"; do  # interleaved, so drifts hit both alike
    read -r t m < <(measure "$program")
    times[$program]+="$t"$'\n'
    rss[$program]+="$m"$'\n'
  done
done

printf '%-20s %18s %16s\n' "median of $runs" "first paint, ms" "peak RSS, MiB"
declare -A paint_ms rss_mib
for program in "${programs[@]}"; do
  paint_ms[$program]=$(printf '%s' "${times[$program]}" | median | awk '{ printf "%.1f", $1 / 1000 }')
  rss_mib[$program]=$(printf '%s' "${rss[$program]}" | median | awk '{ printf "%.1f", $1 / 1024 }')
  printf '%-20s %18s %16s\n' "$(basename "$program")" "${paint_ms[$program]}" "${rss_mib[$program]}"
done

bare=${programs[0]}
plain=${programs[1]}
window=${programs[2]}
awk -v wt="${paint_ms[$window]}" -v bt="${paint_ms[$bare]}" -v pt="${paint_ms[$plain]}" \
    -v wm="${rss_mib[$window]}" -v bm="${rss_mib[$bare]}" -v pm="${rss_mib[$plain]}" \
    -v paint_goal="$paint_goal" -v rss_goal="$rss_goal" 'BEGIN {
  printf "bare QWidget -> plain form (information): first paint %.2f x, RSS %+.1f MiB\n", pt / bt, pm - bm
  printf "bare QWidget -> window (information):     first paint %.2f x, RSS %+.1f MiB\n", wt / bt, wm - bm
  ratio = wt / pt; extra = wm - pm
  met = ratio <= paint_goal && extra <= rss_goal
  printf "plain form -> window (goal <= %.2f x, <= %+.1f MiB): first paint %.2f x, RSS %+.1f MiB: %s\n", \
         paint_goal, rss_goal, ratio, extra, met ? "met" : "MISSED"
  exit met ? 0 : 1
}'
