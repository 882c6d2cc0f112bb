#!/usr/bin/env bash
# Checks the layering of the code under SOURCE_ROOT/src and SOURCE_ROOT/tools:
#  - only src/platform includes SDL, libjpeg or POSIX system headers;
#  - includes point down only, never up a layer nor across to a sibling:
#      platform < catalog < media < pieces, controls < game < exercises < app
#    pieces and controls are siblings; tools use platform, catalog and media only.
# Prints every offending include and fails when there is one.
set -euo pipefail
root=${1:?usage: check-layers.sh SOURCE_ROOT}
cd "$root"
status=0

pattern='#\s*include\s*[<"](SDL|jpeglib|jerror|unistd\.h|fcntl\.h|sys/|pthread\.h|dlfcn\.h|poll\.h)'
hits=$(grep -rnE "$pattern" src --include='*.h' --include='*.cpp' | grep -v "^src/platform/" || true)
if [ -n "$hits" ]; then
  echo "system headers included above the platform layer:"
  echo "$hits"
  status=1
fi

dirs=(src)
[ -d tools ] && dirs+=(tools)
includes=$(grep -rnE '^\s*#\s*include\s*[<"][A-Za-z_]+/' "${dirs[@]}" \
  --include='*.h' --include='*.cpp' || true)
# A file's layer is its first folder under src (files right in src sit on top); tools rank
# beside pieces and controls, so they see platform, catalog and media only.
upward=$(printf '%s\n' "$includes" | awk '
  BEGIN {
    n = split("platform:0 catalog:1 media:2 pieces:3 controls:3 tools:3 game:4 exercises:5 app:6", pairs, " ")
    for (i = 1; i <= n; i++) { split(pairs[i], kv, ":"); rank[kv[1]] = kv[2] }
  }
  NF == 0 { next }
  {
    file = $0; sub(/:.*/, "", file)
    count = split(file, parts, "/")
    if (parts[1] == "tools") layer = "tools"
    else if (count > 2) layer = parts[2]
    else layer = ""
    target = $0; sub(/^[^#]*#[ \t]*include[ \t]*[<"]/, "", target); sub(/\/.*/, "", target)
    if (!(target in rank) || target == layer) next
    mine = (layer in rank) ? rank[layer] : 7
    if (rank[target] >= mine) print $0 "    (" (layer == "" ? "src" : layer) " may not include " target ")"
  }')
if [ -n "$upward" ]; then
  echo "includes that point up a layer or across to a sibling"
  echo "(platform < catalog < media < pieces, controls < game < exercises < app;"
  echo " tools: platform, catalog, media):"
  echo "$upward"
  status=1
fi

[ "$status" -eq 0 ] && echo "layering: ok"
exit "$status"
