#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIS_BUILD_TESTS=OFF
# The program with the games file, the resource library and the help pages
# beside it.
cmake --build build --target vistrane vistrane-games vistrane-resources vistrane-help
exec build/bin/vistrane
