#!/usr/bin/env bash
# Builds Glimmerdeck and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target glimmerdeck
exec "$root/build/glimmerdeck" "$@"
