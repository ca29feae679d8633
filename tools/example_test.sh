#!/usr/bin/env bash
# example_test.sh <build dir> <source dir>: installs the build into a fresh
# prefix, builds examples/patient_list against it and runs it under Wine.
set -euo pipefail
build=$1 source=$2
work="$build/example"
example="$source/examples/patient_list"
toolchain="$source/cmake/mingw64.cmake"

rm -rf "$work"
cmake --install "$build" --prefix "$work/install" >/dev/null

# The installed package alone: a release application, whatever the library build is.
cmake -S "$example" -B "$work/app" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$work/install" >/dev/null
cmake --build "$work/app" >/dev/null
for dll in QVCtrl.dll QVXml10U.dll; do
  [ -f "$work/app/$dll" ] || { echo "example_test: $dll is not beside the program"; exit 1; }
done
(cd "$work/app" && wine PatientList.exe /check)

# The same application with the library's sources instead of a package.
cmake -S "$example" -B "$work/subdir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQVCTRL_SOURCE_DIR="$source" >/dev/null
echo "example_test: installed package built and ran; add_subdirectory configured"
