#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite once, then the
# engine tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure --timeout 600)

"$root/scripts/build.sh" "$root/build-sanitize" -DVELLARO_SANITIZE=ON -DVELLARO_BUILD_APP=OFF
(cd "$root/build-sanitize" && ctest --output-on-failure --timeout 900 -L core)
