# Sourced by the scripts that take the package scripts/package.sh built: sets `deb` to it.
debs=(transformer-sizer_*.deb)
if ((${#debs[@]} != 1)) || [ ! -f "${debs[0]}" ]; then
  echo "Нужен ровно один transformer-sizer_*.deb; соберите его: scripts/package.sh" >&2
  exit 1
fi
deb=${debs[0]}
