#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs
# every test, then runs each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh

jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIS_WERROR=ON -DVIS_BUILD_BENCH=ON
cmake --build build-test -j "$jobs"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

# Fuzz targets need clang's libFuzzer; they get their own build tree.
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVIS_BUILD_UI=OFF -DVIS_BUILD_TESTS=OFF -DVIS_BUILD_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
bash tests/fuzz/run_fuzzers.sh build-fuzz/bin "${VIS_FUZZ_SECONDS:-60}"
