#!/usr/bin/env bash
# Builds the web edition into build-web/site/: the Qt-free core compiled to
# WebAssembly with Debian's emscripten behind the binding in web/binding, and
# the TypeScript page bundled with the npm packages pinned in
# web/package-lock.json. Installs what is missing first (Debian 12, as root or
# through sudo). `--serve` then serves the site on http://127.0.0.1:8023/.
set -euo pipefail
cd "$(dirname "$0")/.."

web_packages=(cmake ninja-build emscripten nodejs chromium)
missing=()
for p in "${web_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# A Node.js that brings its own npm (as NodeSource's does) conflicts with Debian's npm.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

# Debian's emscripten runs its JavaScript optimizer with the machine's node,
# which finds Debian's node modules only here.
export NODE_PATH=/usr/share/nodejs
(cd web && npm ci --no-audit --no-fund --loglevel=error)
emcmake cmake -S . -B build-web/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVELIN_WERROR=ON >/dev/null
cmake --build build-web/wasm -j "$(nproc)"
(cd web && npx tsc --noEmit -p .)
node web/build.mjs build-web/wasm/web build-web/site

if [ "${1:-}" = "--serve" ]; then
  exec node web/tests/serve.mjs build-web/site 8023
fi
