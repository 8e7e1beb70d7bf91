#!/usr/bin/env bash
# Builds the picture painter on its own and writes puzzels/1.gif ... puzzels/40.gif from the repository root.
# The pictures are committed: the program and its tests never need this.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S tools/puzzels -B build-tools/puzzels -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-tools/puzzels -j "${JOBS:-2}"
mkdir -p puzzels
QT_QPA_PLATFORM=offscreen ./build-tools/puzzels/maak_puzzels puzzels
chmod 644 puzzels/*.gif
