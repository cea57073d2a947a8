#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/veltrix_<version>_amd64.deb from the build
# tree (built first if needed) and checks it with lintian; any lintian error
# or warning fails the script. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --package >&2
./scripts/build.sh >&2
(cd build && cpack -G DEB >&2)
package=$(ls -t build/veltrix_*_amd64.deb | head -1)
lintian --fail-on warning "$package" >&2
echo "$package"
