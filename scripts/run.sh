#!/usr/bin/env bash
# Builds fr and opens its window in a scratch copy of the sample files, so that nothing
# of your own is touched.
set -euo pipefail
cd "$(dirname "$0")/.."

"$(dirname "$0")/install-deps.sh" build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build

scratch=$(mktemp -d /tmp/fr-samples-XXXXXX)
cp -r samples/. "$scratch"
echo "Opening fr in $scratch (a copy of samples/)"
cd "$scratch" && exec "$OLDPWD/build/shell/fr"
