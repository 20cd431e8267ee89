#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the Qt-free layers
# under AddressSanitizer + UndefinedBehaviorSanitizer and with Emscripten under
# node (with the browser engine), a short fuzz run, the web page (unit and
# end-to-end tests in headless chromium), and the Debian package installed,
# started and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh

echo "== sanitizer build of the Qt-free layers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQ_QT_FREE_ONLY=ON -DZQ_SANITIZE=ON >/dev/null
cmake --build build-asan -j2
(cd build-asan && ctest --output-on-failure -j2)

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing the data-file decoder"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZQ_QT_FREE_ONLY=ON -DZQ_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j2 --target fuzz_datafile
  mkdir -p build-fuzz/corpus
  build-fuzz/fuzz/fuzz_datafile -max_total_time="${ZQ_FUZZ_SECONDS:-30}" -max_len=8192 \
        build-fuzz/corpus fuzz/corpus
fi

echo "== the Qt-free layers built with Emscripten, their tests and the engine module under node"
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"  # Emscripten's optimiser needs acorn from there
web/engine/build.sh
cmake --build build-wasm -j2
(cd build-wasm && ctest --output-on-failure -j2)
node --test web/engine/test/

echo "== all tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

echo "== web page: unit tests, then end-to-end in headless chromium"
scripts/web.sh build
(cd web && npx vitest run && npx vitest run --config vitest.e2e.config.ts)

echo "== Debian package"
scripts/package-check.sh
