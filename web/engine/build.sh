#!/usr/bin/env bash
# Builds the engine module for the browser page with Emscripten into
# build-web/engine (zq915-engine.mjs + zq915-engine.wasm). The Qt-free
# layers' own tests share the build folder build-wasm.
set -euo pipefail
cd "$(dirname "$0")/../.."
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"  # the optimiser needs acorn from there
if [ ! -f build-wasm/build.ninja ]; then
  emcmake cmake -S . -B build-wasm -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DZQ_QT_FREE_ONLY=ON \
        -DZQ_WEB_ENGINE_DIR="$PWD/build-web/engine" >/dev/null
fi
cmake --build build-wasm -j2 --target zq915-engine "$@"
