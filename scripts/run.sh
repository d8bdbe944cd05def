#!/usr/bin/env bash
# Installs what is missing, builds, and opens the Vellaro window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" dev
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "Vellaro is built, but there is no display to open its window on." >&2
  echo "On a desktop, run: $root/build/app/vellaro" >&2
  echo "Without one, run it on a virtual display: xvfb-run -a $root/build/app/vellaro" >&2
  exit 1
fi
exec "$root/build/app/vellaro"
