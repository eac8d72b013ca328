#!/usr/bin/env bash
# The node batch tool against the native one: standard output, standard error and exit status
# byte for byte, on every batch example (the JSON lines of several windings among them, with the
# options on their "# options:" line), a large awkward input, standard input and bad usage.
# Usage: batch_parity.sh NATIVE_TOOL NODE_TOOL EXAMPLES_DIR
set -uo pipefail
native=$1
web=$2
examples=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(dirname "$0")
passed=0
failed=0

# Runs both tools with the same arguments (and standard input from $stdin_file).
compare() {
  local name=$1
  shift
  "$native" "$@" <"$stdin_file" >"$work/n.out" 2>"$work/n.err"
  local native_status=$?
  node "$web" "$@" <"$stdin_file" >"$work/w.out" 2>"$work/w.err"
  local web_status=$?
  if cmp -s "$work/n.out" "$work/w.out" && cmp -s "$work/n.err" "$work/w.err" &&
    [ "$native_status" -eq "$web_status" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "DIFFERS: $name (exit $native_status vs $web_status)"
    cmp "$work/n.out" "$work/w.out"
    cmp "$work/n.err" "$work/w.err"
  fi
}

# The options an example is run with: named by its family, or on its "# options:" line.
options_of() {
  local name=$1 file=$2
  local options=()
  case $name in notes_*) options+=(--notes) ;; esac
  case $name in plan_* | *_plan_*) options+=(--plan) ;; esac
  case $name in check_*) options+=(--check) ;; esac
  local first
  first=$(head -n 1 "$file")
  if [[ $first == "# options:"* ]]; then
    read -ra words <<<"${first#"# options:"}"
    options+=("${words[@]}")
  fi
  echo "${options[@]}"
}

stdin_file=/dev/null
for input in "$examples"/*.in; do
  name=$(basename "$input" .in)
  read -ra options <<<"$(options_of "$name" "$input")"
  compare "$name" "${options[@]}" "$input"
done

node "$here/awkward_lines.js" 50000 >"$work/awkward.tsv"
web_options=(--notes --plan)
if "$native" --help | grep -q -- --check; then web_options+=(--check); fi
compare "50000 awkward lines ${web_options[*]}" "${web_options[@]}" --header "$work/awkward.tsv"
compare "50000 awkward lines" "$work/awkward.tsv"

stdin_file=$work/awkward.tsv
compare "standard input" --notes
compare "standard input as -" --plan -
stdin_file=/dev/null
compare "--help" --help
compare "--version" --version
compare "unknown option" --frobnicate
compare "bad setting" --plan --bobbin 200 "$examples/plan_start.in"
compare "missing file" "$work/no-such-file.tsv"
compare "a folder" "$work"
printf '1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n' >"$work/ten.tsv"
compare "ten fields" "$work/ten.tsv"
compare "--secondaries without --json" --secondaries "$examples/example_start.in"
compare "--diode without --check" --json --secondaries --diode 1 "$examples/example_start.in"
compare "bad --diode" --json --check --secondaries --diode=abc "$examples/example_start.in"
compare "50000 awkward lines as JSON" --json --notes --plan --check "$work/awkward.tsv"
printf '3;220;12;1.5;2;5;7;12;0.2\n' >"$work/semicolons.tsv"
compare "semicolons" "$work/semicolons.tsv"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
