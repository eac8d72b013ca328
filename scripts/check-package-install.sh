#!/usr/bin/env bash
# Installs the package built by scripts/package.sh into a fresh minimal Debian 12 root, as a
# user's `apt-get install ./transformer-sizer_*.deb` would, and checks there that both programs
# run, that design files open with the window once a desktop's databases are there, and that
# the window opens and paints under Xvfb, on a roomy and on a small screen.
# Needs root and Debian's package mirror; takes a few minutes, so CI does not run it.
# The bare root is kept in build-chroot/base for the next run; CHROOT_DIR moves it.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/built-package.sh
dir=${CHROOT_DIR:-$PWD/build-chroot}
base=$dir/base
root=$dir/run

if ! command -v debootstrap >/dev/null; then
  apt-get update  # a fresh machine has no package lists yet
  apt-get install -y --no-install-recommends debootstrap
fi
if [ ! -x "$base/usr/bin/apt-get" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base"
fi

unmount() {
  for mount in dev/pts dev proc; do
    # Lazily: a process that Xvfb left may still be closing its files there.
    if mountpoint -q "$root/$mount"; then umount --lazy "$root/$mount"; fi
  done
  return 0
}
trap unmount EXIT
unmount
# Never into a mount that is still there: /dev is the host's.
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp "$deb" "$root/tmp/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive "$@"; }
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf '%s: expected\n%s\ngot\n%s\n' "$1" "$2" "$3" >&2
    exit 1
  fi
  echo "ok: $1"
}

in_root apt-get update -q
in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$deb"

expect "batch --version" "transformer-sizer-batch 1.0.0" "$(in_root transformer-sizer-batch --version)"
expect "window --version" "transformer-sizer 1.0.0" "$(in_root transformer-sizer --version)"
expect "batch line" \
  "$(printf '18\t1.7\t4.7\t0.19\t10\t38.47\t570\tПодходит\t0.93\t0.10\t0.02\t0.32\t0.16\t0.64\t562\t50\tok')" \
  "$(printf '3\t220\t12\t1.5\t2\t5\t7\t12\t0.2\n' | in_root transformer-sizer-batch)"

# On a desktop the databases of types and applications are there before the package, whose
# installation updates them: the design files' type then opens with the window.
in_root apt-get install -y -q --no-install-recommends shared-mime-info desktop-file-utils \
  xdg-utils libglib2.0-bin
in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends --reinstall ./$deb"
cp tests/design_file/example.json "$root/tmp/трансформатор.json"
expect "design file's type" application/x-transformer-sizer+json \
  "$(in_root gio info -a standard::content-type /tmp/трансформатор.json |
    sed -n 's/^ *standard::content-type: //p')"
expect "xdg-mime query default" io.github.transformersizer.TransformerSizer.desktop \
  "$(in_root xdg-mime query default application/x-transformer-sizer+json)"

in_root apt-get install -y -q --no-install-recommends xvfb xauth
for screen in "1280x1024x24 1" "800x600x24 1.5"; do
  set -- $screen
  out=$(in_root xvfb-run -a -s "-screen 0 $1" env QT_SCALE_FACTOR="$2" \
    TS_EXIT_AFTER_FIRST_PAINT=1 transformer-sizer 2>"$root/tmp/window.err") || {
    cat "$root/tmp/window.err" >&2
    exit 1
  }
  [[ $out == first-paint\ * ]] || { echo "window on $1 at $2: no first paint: $out" >&2; exit 1; }
  echo "ok: window opens and paints on a $1 screen at scale $2"
  grep -v XDG_RUNTIME_DIR "$root/tmp/window.err" >&2 || true
done
echo "check-package-install: $deb installs and runs in a clean Debian 12"
