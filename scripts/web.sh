#!/usr/bin/env bash
# The browser edition: builds the engine (WebAssembly) and the page into
# build-web/dist and serves that folder on http://localhost:8915.
#   scripts/web.sh          build, then serve until Ctrl+C
#   scripts/web.sh build    only build
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in emcc node npm; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/bootstrap.sh first" >&2; exit 1; }
done

web/engine/build.sh
cd web
# npm ci only when the lock file changed since the last install.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi
npx tsc --noEmit -p .
npx vite build --logLevel warn
echo "built build-web/dist"
[ "${1:-}" = build ] && exit 0

echo "ZQ-915 web edition: http://localhost:8915/"
exec npx vite preview --port 8915 --strictPort --host localhost
