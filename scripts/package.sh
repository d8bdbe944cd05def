#!/usr/bin/env bash
# Builds the Debian package from a clean Release build in build-package/ (or the folder
# given as $1, with extra CMake options after it) and prints the path of
# vellaro_<version>_amd64.deb as the last line. Compiler warnings are shown but are not
# errors here: a packager's compiler may know warnings ours does not. Debian's hardening
# flags (all of them) come from dpkg-buildflags; the libraries the package depends on from
# dpkg-shlibdeps.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-package}
shift || true
"$root/scripts/install-deps.sh" >&2

rm -rf "$build"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
# The "package" preset of CMakePresets.json: Release, installed under /usr, so that the
# private libraries go to /usr/lib/<triplet>/vellaro. Only what the package holds is built
# (the targets of the "package" build preset, named here too because the folder may be
# another): the tests are not installed.
(cd "$root" && cmake --preset package -B "$build" "$@") >&2
cmake --build "$build" --parallel "$(nproc)" --target vellaro vellaro-sim vellaro_install_data >&2
(cd "$build" && cpack -G DEB) >&2
version=$(sed -n 's/^project(Vellaro VERSION \([^ ]*\) .*/\1/p' "$root/CMakeLists.txt")
deb="$build/vellaro_${version}_$(dpkg --print-architecture).deb"
[[ -f $deb ]] || { echo "package.sh: $deb was not made" >&2; exit 1; }
echo "$deb"
