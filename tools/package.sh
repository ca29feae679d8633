#!/usr/bin/env bash
# package.sh <release build dir>: installs the build into a staging folder and
# writes dist/QVCtrl-<version>-win64.zip of it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
build=$1
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="QVCtrl-$version-win64"
stage="$QV_ROOT/build/package"
rm -rf "${stage:?}/$name"
cmake --install "$build" --prefix "$stage/$name" >/dev/null
mkdir -p "$QV_ROOT/dist"
rm -f "$QV_ROOT/dist/$name.zip"
(cd "$stage" && cmake -E tar cf "$QV_ROOT/dist/$name.zip" --format=zip "$name")
echo "package: dist/$name.zip"
