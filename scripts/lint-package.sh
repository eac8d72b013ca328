#!/usr/bin/env bash
# Lints what the package built by scripts/package.sh ships: the .deb (lintian), the AppStream
# file, the desktop entry, the design files' type and the manual pages. Any error or warning
# fails; infos are shown.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/built-package.sh
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failed=0

echo "== lintian $deb"
lintian --display-info --fail-on error,warning "$deb" || failed=1

for file in "$root"/usr/share/metainfo/*.xml; do
  echo "== appstreamcli validate ${file#"$root"}"
  report=$(appstreamcli validate --no-net "$file" 2>&1) || true
  echo "$report"
  ! grep -qE '^[EW]:' <<<"$report" || failed=1
done

for file in "$root"/usr/share/applications/*.desktop; do
  echo "== desktop-file-validate ${file#"$root"}"
  report=$(desktop-file-validate "$file" 2>&1) || failed=1
  [ -z "$report" ] || { echo "$report"; failed=1; }
done

echo "== design files' type and its default application"
bash scripts/check-design-type.sh "$root"/usr/share/applications/*.desktop \
  "$root"/usr/share/mime/packages/*.xml tests/design_file/example.json || failed=1

for page in "$root"/usr/share/man/man1/*.gz "$root"/usr/share/man/*/man1/*.gz; do
  echo "== man page lint ${page#"$root"}"
  text=$root/page.1
  zcat "$page" >"$text"
  mandoc -T lint -W warning "$text" || failed=1
  report=$(groff -t -ww -z -man -Kutf8 -Tutf8 "$text" 2>&1)
  [ -z "$report" ] || { echo "$report"; failed=1; }
done

if ((failed)); then
  echo "lint-package: problems above" >&2
  exit 1
fi
echo "lint-package: clean"
