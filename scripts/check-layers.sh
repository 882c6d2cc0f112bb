#!/usr/bin/env bash
# Fails when code above the platform layer includes SDL, libjpeg or POSIX system headers.
set -euo pipefail
src=${1:?usage: check-layers.sh SRC_DIR}
pattern='#\s*include\s*[<"](SDL|jpeglib|jerror|unistd\.h|fcntl\.h|sys/|pthread\.h|dlfcn\.h|poll\.h)'
hits=$(grep -rnE "$pattern" "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/platform/" || true)
if [ -n "$hits" ]; then
  echo "system headers included above the platform layer:"
  echo "$hits"
  exit 1
fi
echo "layering: ok"
