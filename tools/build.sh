#!/usr/bin/env bash
# Configures and builds into a folder:
#   build.sh [FOLDER [TARGET...]]   (default: build, every target)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true
# Clang compiles this code about twice as fast as GCC and loads a precompiled
# header lazily; CXX chooses another compiler.
compiler=${CXX:-$(command -v clang++ || command -v c++)}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
