#!/usr/bin/env bash
# The design files' type as a desktop sees it once the window's desktop entry and MIME package are
# in a data folder: a design named *.json is told by its content, a plain JSON file stays
# application/json, a design without an extension is told all the same, and the type's default
# application is the window. Needs update-mime-database, update-desktop-database, gio, xdg-mime.
# Usage: scripts/check-design-type.sh DESKTOP_ENTRY MIME_PACKAGE EXAMPLE_DESIGN [TYPE]
set -euo pipefail
entry=$1 package=$2 design=$3
type=${4:-application/x-transformer-sizer+json}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/applications" "$work/data/mime/packages" "$work/home" "$work/config" "$work/files"
cp "$entry" "$work/data/applications/"
cp "$package" "$work/data/mime/packages/"

# A bare session: no desktop of the host, only the system's types and these.
in_session() {
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_CONFIG_DIRS="$work/config" XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/data:/usr/share" "$@"
}
in_session update-mime-database "$work/data/mime"
in_session update-desktop-database "$work/data/applications"
failed=0
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    printf '%s: expected «%s», got «%s»\n' "$1" "$2" "$3" >&2
    failed=1
  fi
}
content_type() {
  in_session gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}

cp "$design" "$work/files/трансформатор.json"
cp "$design" "$work/files/design"
printf '{"name": "another", "version": 1}\n' >"$work/files/package.json"
expect "a design file's type" "$type" "$(content_type "$work/files/трансформатор.json")"
expect "a design without extension" "$type" "$(content_type "$work/files/design")"
expect "plain JSON stays JSON" application/json "$(content_type "$work/files/package.json")"
expect "the type's default application" "$(basename "$entry")" \
  "$(in_session xdg-mime query default "$type")"
exit $failed
