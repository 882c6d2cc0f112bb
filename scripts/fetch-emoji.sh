#!/usr/bin/env bash
# Fetches the open icon sets the word cards are drawn from, from the npm registry.
# Usage: scripts/fetch-emoji.sh OUT_DIR
# Leaves OUT_DIR/<set>/icons.json and the set's licence; a set already there is kept.
set -euo pipefail
out=$1
mkdir -p "$out"
fetch() {
  local set=$1 package=$2
  [ -s "$out/$set/icons.json" ] && return 0
  local work
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  (cd "$work" && npm pack --silent "$package" >/dev/null)
  tar -xzf "$work"/*.tgz -C "$work"
  mkdir -p "$out/$set"
  cp "$work/package/icons.json" "$work/package/package.json" "$out/$set/"
  cp "$work"/package/LICENSE* "$out/$set/" 2>/dev/null || true
}
fetch fluent-emoji-flat @iconify-json/fluent-emoji-flat@1.2.6
fetch noto @iconify-json/noto@1.2.9
# Pictures for words the two emoji sets have none for: more objects in emoji style, and
# plain silhouettes of tools, animals and things.
fetch openmoji @iconify-json/openmoji@1.2.29
fetch game-icons @iconify-json/game-icons@1.2.4
