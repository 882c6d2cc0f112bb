#!/usr/bin/env bash
# Runs the layer check over small planted trees: a clean one passes, and every wrong include
# (up a layer, across siblings, from the tools, a system header above the platform) fails
# with the offending line listed.
set -uo pipefail
check=${1:?usage: check_layers_test.sh CHECK_SCRIPT}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

plant() {  # plant TREE FILE LINE...
  local tree=$1 file=$2
  shift 2
  mkdir -p "$(dirname "$tree/$file")"
  printf '%s\n' "$@" >>"$tree/$file"
}

clean_tree() {
  local t=$1
  plant "$t" src/platform/sdl/window.cpp '#include <SDL.h>' '#include <unistd.h>' \
    '#include "platform/window.h"'
  plant "$t" src/platform/window.h '#pragma once'
  plant "$t" src/catalog/names.h '#include "platform/window.h"' '#include <string>'
  plant "$t" src/media/data.h '#include "platform/window.h"' '#include <vector>' \
    '#include "catalog/names.h"'
  plant "$t" src/pieces/card.h '#include "media/data.h"' '#include "platform/window.h"'
  plant "$t" src/controls/button.h '#include "media/data.h"'
  plant "$t" src/game/form.h '#include "pieces/card.h"' '#include "controls/button.h"'
  plant "$t" src/exercises/base.h '#include "game/form.h"' '#include "media/data.h"'
  plant "$t" src/app/menu.h '#include "exercises/base.h"' '#include <pieces/card.h>'
  plant "$t" src/main.cpp '#include "app/menu.h"'
  plant "$t" tools/datagen/main.cpp '#include "media/data.h"' '#include "platform/window.h"' \
    '#include "catalog/names.h"' \
    '#include "datagen.h"' '#include <pango/pango.h>'
}

expect() {  # expect pass|fail NAME [FILE LINE]
  local want=$1 name=$2 tree="$work/$2" out rc
  clean_tree "$tree"
  if [ $# -ge 4 ]; then
    plant "$tree" "$3" "$4"
  fi
  out=$("$check" "$tree" 2>&1)
  rc=$?
  if [ "$want" = pass ] && [ $rc -ne 0 ]; then
    echo "FAIL $name: the check rejected a clean tree:"; echo "$out"; failures=$((failures + 1))
  elif [ "$want" = fail ] && [ $rc -eq 0 ]; then
    echo "FAIL $name: the check let $3 through"; failures=$((failures + 1))
  elif [ "$want" = fail ] && ! grep -qF "$3:1:$4" <<<"$out"; then
    echo "FAIL $name: the listing does not name $3:1:"; echo "$out"; failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect pass clean
expect fail media_includes_pieces src/media/up.cpp '#include "pieces/card.h"'
expect fail platform_includes_media src/platform/up.cpp '#include "media/data.h"'
expect fail platform_includes_catalog src/platform/up.cpp '#include "catalog/names.h"'
expect fail catalog_includes_media src/catalog/up.cpp '#include "media/data.h"'
expect fail catalog_includes_pieces_angled src/catalog/up.h '#include <pieces/card.h>'
expect fail pieces_includes_controls src/pieces/across.cpp '#include "controls/button.h"'
expect fail controls_includes_pieces src/controls/across.cpp '#include "pieces/card.h"'
expect fail game_includes_app_angled src/game/up.cpp '#include <app/menu.h>'
expect fail exercises_includes_app src/exercises/up.h '#include "app/menu.h"'
expect fail tools_include_pieces tools/datagen/up.cpp '#include "pieces/card.h"'
expect fail tools_include_controls tools/up.h '#include "controls/button.h"'
expect fail system_header_in_media src/media/sys.cpp '#include <unistd.h>'

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
