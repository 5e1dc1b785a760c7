#!/usr/bin/env bash
# Builds the Debian package from the working tree with debhelper (debian/),
# then checks it with lintian. The tree is copied into build-deb/, so the
# package files land there and the checkout stays clean:
#   build-deb/gleaner_<version>_<arch>.deb
# The package's own test run is left out (nocheck): scripts/test.sh runs the
# tests; DEB_BUILD_OPTIONS= bash scripts/build-deb.sh runs them in the package build too.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
out=build-deb
version=$(dpkg-parsechangelog -S Version)
tree=$out/gleaner-$version
rm -rf "$tree"
mkdir -p "$tree"
# Tracked and new files alike, without the build folders.
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$tree"
export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS-nocheck}
(cd "$tree" && dpkg-buildpackage -b -us -uc)
deb=$(ls "$out"/gleaner_"$version"_*.deb)
echo "Package: $deb"
# Errors and warnings fail the build; the informational tags are shown.
lintian --fail-on error,warning --info --display-info "$deb"
