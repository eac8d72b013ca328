#!/usr/bin/env bash
# Start-up cost of the window beside a bare Qt window of the same size, on a private Xvfb
# display: time from process start to the first paint, and peak RSS, median of RUNS runs.
# Usage: bench/startup.sh [RUNS]   (default 20; programs from ${BUILD_DIR:-build}/bin)
# Both programs, started with TS_EXIT_AFTER_FIRST_PAINT=1, print "first-paint <ns>" once the
# window has painted and quit (app/first_paint_probe.h). Exits 1 when a target is missed:
# first paint <= 1.1 x the bare window's, peak RSS <= the bare window's + 3 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
bin=${BUILD_DIR:-build}/bin
programs=("$bin/bare_window" "$bin/transformer-sizer")

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
window=${programs[1]}
awk -v wt="${paint_ms[$window]}" -v bt="${paint_ms[$bare]}" \
    -v wm="${rss_mib[$window]}" -v bm="${rss_mib[$bare]}" 'BEGIN {
  ratio = wt / bt; extra = wm - bm
  printf "first paint %.2f x bare (target <= 1.10), RSS %+.1f MiB (target <= +3.0)\n", ratio, extra
  exit (ratio <= 1.10 && extra <= 3.0) ? 0 : 1
}'
