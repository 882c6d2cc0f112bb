#!/usr/bin/env bash
# End-to-end runs of the real binary on a real X server (Xvfb): the layout it picks, the
# refusal of a small screen, the single running copy, a session clicking through the menu,
# the options page and the information page, whole series played by keys and switches, and
# every exercise type reached from the menu and drawn. The binary finds the generated data
# set beside itself.
set -uo pipefail
binary=${1:?usage: run.sh PATH_TO_vimbaro}
binary=$(readlink -f "$binary")
work=$(mktemp -d)
failures=0
passes=0
xvfb_pid=""
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The program runs in $work, whose empty Data folder must not hide the data set beside it.
mkdir -p "$work/Data"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    echo "ok   $name"
    passes=$((passes + 1))
  else
    echo "FAIL $name"
    failures=$((failures + 1))
  fi
}

start_x() {  # start_x WIDTHxHEIGHT
  stop_x
  # Xvfb picks a free display number itself and writes it to the file once it is ready.
  # -noreset: the server stays up when xdpyinfo, its first client, leaves
  local number_file="$work/display-number"
  : >"$number_file"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$number_file" \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(head -n 1 "$number_file")"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    sleep 0.1
  done
  echo "Xvfb did not start"
  return 1
}

stop_x() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
}

wait_for_window() {  # wait_for_window NAME
  for _ in $(seq 100); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

wait_exit() {  # wait_exit PID: waits up to 5 s for the program to end and sets rc to its exit
  # code, or stops it and sets rc to 124
  for _ in $(seq 50); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      rc=$?
      return
    fi
    sleep 0.1
  done
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  rc=124
}

# Waits until the program has drawn its layout at X Y (outside the splash), then until the
# splash has gone; prints how long start-up took. A slow first start (cold disk caches on a
# fresh machine) must not fail the checks that follow.
wait_for_layout() {  # wait_for_layout X Y
  local started=$SECONDS shot="$work/waiting.png"
  for _ in $(seq 300); do
    import -window root "$shot" 2>/dev/null && is_drawn "$shot" "$1" "$2" && break
    sleep 0.1
  done
  echo "     (layout drawn $((SECONDS - started)) s after the window appeared)"
  sleep 2.5  # the splash stays on top for two seconds after the menu shows
}

pixel() {  # pixel SCREENSHOT X Y -> "r,g,b"
  convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

is_black() { [ "$(pixel "$1" "$2" "$3")" = "0,0,0" ]; }
is_drawn() { ! is_black "$@"; }

# The layout area is drawn and everything around it stays black.
check_layout() {  # check_layout SCREEN LEFT TOP RIGHT BOTTOM
  local screen=$1 left=$2 top=$3 right=$4 bottom=$5
  start_x "$screen" || return 1
  (cd "$work" && exec "$binary") &
  local pid=$!
  local midx=$(((left + right) / 2)) midy=$(((top + bottom) / 2))
  check "$screen: the window appears" wait_for_window "Vimbaro Cz.II"
  wait_for_layout "$left" "$midy"
  local shot="$work/shot-$screen.png"
  import -window root "$shot"
  check "$screen: left edge of the layout at x=$left" is_drawn "$shot" "$left" "$midy"
  check "$screen: right edge of the layout at x=$((right - 1))" is_drawn "$shot" $((right - 1)) "$midy"
  check "$screen: top edge of the layout at y=$top" is_drawn "$shot" "$midx" "$top"
  check "$screen: bottom edge of the layout at y=$((bottom - 1))" is_drawn "$shot" "$midx" $((bottom - 1))
  if [ "$left" -gt 0 ]; then
    check "$screen: black left of the layout" is_black "$shot" $((left - 1)) "$midy"
  fi
  if [ "$top" -gt 0 ]; then
    check "$screen: black above and below the layout" is_black "$shot" "$midx" $((top - 1))
    check "$screen: black below the layout" is_black "$shot" "$midx" "$bottom"
  fi
  xdotool search --name "^Vimbaro Cz.II\$" windowactivate --sync 2>/dev/null
  xdotool key Escape
  local rc
  wait_exit "$pid"
  check "$screen: Esc ends the program with exit code 0 (got $rc)" test "$rc" -eq 0
}

check_layout 1280x800 128 16 1152 784    # the 1024x768 layout, centred
check_layout 1280x1024 0 32 1280 992     # the 1280x960 layout

# How many pixels of a rectangle differ between two screenshots.
region_changes() {  # region_changes SHOT_A SHOT_B X Y W H
  # compare writes large counts in exponent form (1.2e+06): read back as a whole number.
  compare -metric AE -crop "${5}x${6}+${3}+${4}" "$1" "$2" null: 2>&1 |
    awk '{ printf "%d\n", $1 }'
}
changed() { [ "$(region_changes "$@")" -gt 50 ]; }
unchanged() { [ "$(region_changes "$@")" -eq 0 ]; }

wait_still() {  # waits (up to 30 s) until two screenshots half a second apart are alike
  local a="$work/still-a.png" b="$work/still-b.png"
  import -window root "$a"
  for _ in $(seq 60); do
    sleep 0.5
    import -window root "$b"
    [ "$(region_changes "$a" "$b" 0 0 1280 1024)" -eq 0 ] && return 0
    mv "$b" "$a"
  done
  return 1
}

click() {  # click X Y
  xdotool mousemove --sync "$1" "$2" click 1
  sleep 0.7
}

shoot() {  # shoot NAME -> path of a fresh screenshot
  import -window root "$work/$1.png"
  echo "$work/$1.png"
}

# A session in one layout: choose level III, switch scanning on in the options, turn the
# information page, leave with the exit button; the choices are in the options file
# afterwards. Positions are given in the 1280x960 design and placed like the program does.
menu_session() {  # menu_session SCREEN LEFT TOP PERCENT
  local screen=$1 left=$2 top=$3 percent=$4
  x() { echo $((left + $1 * percent / 100)); }
  y() { echo $((top + $1 * percent / 100)); }
  n() { echo $(($1 * percent / 100)); }
  at() { click "$(x "$1")" "$(y "$2")"; }
  area() { echo "$(x "$1") $(y "$2") $(n "$3") $(n "$4")"; }
  rm -f "$XDG_CONFIG_HOME/vimbaro/options"
  start_x "$screen" || return 1
  (cd "$work" && exec "$binary") &
  local pid=$!
  wait_for_window "Vimbaro Cz.II"
  wait_for_layout "$left" "$(y 480)"
  xdotool search --name "^Vimbaro Cz.II\$" windowactivate --sync 2>/dev/null
  local menu0 menu1 menu2 menu3 options0 options1 about0 about1
  menu0=$(shoot "menu0-$screen")
  at 510 288  # level III
  menu1=$(shoot "menu1-$screen")
  check "$screen menu: level III turns on" changed "$menu0" "$menu1" $(area 430 258 160 60)
  check "$screen menu: level I turns off" changed "$menu0" "$menu1" $(area 430 185 160 60)
  check "$screen settings: level III is stored at once" \
    grep -qx "poziom=4" "$XDG_CONFIG_HOME/vimbaro/options"
  at 1213 546  # options
  options0=$(shoot "options0-$screen")
  check "$screen options: the page replaces the menu" changed "$menu1" "$options0" \
    $(area 505 150 420 70)
  at 665 330  # scanning on
  options1=$(shoot "options1-$screen")
  check "$screen options: scanning on turns on" changed "$options0" "$options1" \
    $(area 515 300 300 60)
  check "$screen options: scanning off turns off" changed "$options0" "$options1" \
    $(area 515 230 300 60)
  local lamp=$(area 70 385 190 190)
  xdotool keydown k
  sleep 0.5
  local lit=$(shoot "lit-$screen")
  xdotool keyup k
  sleep 0.5
  local dark=$(shoot "dark-$screen")
  check "$screen options: holding K lights the select switch" changed "$options1" "$lit" $lamp
  check "$screen options: letting go puts it out" unchanged "$options1" "$dark" $lamp
  at 665 540  # one switch: the step-time slider comes alive
  local slider0 slider1
  slider0=$(shoot "slider0-$screen")
  xdotool mousemove --sync "$(x 985)" "$(y 565)"  # over the slider
  sleep 0.5
  slider1=$(shoot "slider1-$screen")
  check "$screen options: the step time shows below the slider under the pointer" \
    changed "$slider0" "$slider1" $(area 835 605 330 40)
  xdotool key Escape
  sleep 0.7
  menu2=$(shoot "menu2-$screen")
  check "$screen options: Esc goes back to the menu as it was" unchanged "$menu1" "$menu2" \
    $(area 400 68 300 400)
  at 1213 666  # information
  about0=$(shoot "about0-$screen")
  check "$screen information: the page window shows a page" changed "$menu2" "$about0" \
    $(area 583 150 500 640)
  xdotool key End
  sleep 0.5
  local about_end
  about_end=$(shoot "about-end-$screen")
  check "$screen information: End scrolls the page" changed "$about0" "$about_end" \
    $(area 583 150 500 640)
  xdotool key Home
  sleep 0.5
  about_end=$(shoot "about-home-$screen")
  check "$screen information: Home scrolls back to the top" unchanged "$about0" "$about_end" \
    $(area 583 150 500 640)
  at 550 88  # the page toggle, beside the page window
  about1=$(shoot "about1-$screen")
  check "$screen information: the toggle turns the page" changed "$about0" "$about1" \
    $(area 583 150 500 640)
  at 1213 781  # the back button
  menu3=$(shoot "menu3-$screen")
  check "$screen information: the back button goes back to the menu" unchanged "$menu1" "$menu3" \
    $(area 400 68 300 400)
  at 575 745  # J, the only sound ticked: now none is
  local menu4
  menu4=$(shoot "menu4-$screen")
  check "$screen menu: with no sound ticked, words say why Start is greyed out" \
    changed "$menu3" "$menu4" $(area 120 680 360 90)
  at 1213 781  # exit
  local rc
  wait_exit "$pid"
  check "$screen menu: the exit button ends the program with 0 (got $rc)" test "$rc" -eq 0
  local options_file="$XDG_CONFIG_HOME/vimbaro/options"
  check "$screen settings: level III stored" grep -qx "poziom=4" "$options_file"
  check "$screen settings: scanning on with one switch stored" grep -qx "scan=10" "$options_file"
  check "$screen settings: no sound stored" grep -qx "gloski=0" "$options_file"
  stop_x
}

menu_session 1280x1024 0 32 100  # the 1280x960 layout
menu_session 1280x800 128 16 80  # the 1024x768 layout

# Starts the program in the 1280x960 layout with a series at level I (or the level code
# LEVEL: 2, 4, 8 for levels II, III, IV), five tasks (or the quantity code QUANTITY: 2 for
# ten, 4 for fifteen), the sounds l and r (or the sound flags SOUNDS: 1 l, 2 r, 4 j), and the
# scanning flags SCAN; waits for the menu. With TRACE given the program writes its play trace
# there. Sets program_pid.
start_on_menu() {  # start_on_menu SCAN [QUANTITY] [TRACE] [LEVEL] [SOUNDS]
  mkdir -p "$XDG_CONFIG_HOME/vimbaro"
  printf 'ilosc=%s\npoziom=%s\ngloski=%s\nscan=%s\nscanTime=800\n' "${2:-1}" "${4:-1}" \
    "${5:-3}" "$1" >"$XDG_CONFIG_HOME/vimbaro/options"
  start_x 1280x1024 || return 1
  if [ -n "${3:-}" ]; then
    (cd "$work" && VIMBARO_TRACE=1 exec "$binary" 2>"$3") &
  else
    (cd "$work" && exec "$binary") &
  fi
  program_pid=$!
  wait_for_window "Vimbaro Cz.II"
  wait_for_layout 0 512
  xdotool search --name "^Vimbaro Cz.II\$" windowactivate --sync 2>/dev/null
  return 0
}

# A series in the 1280x960 layout: Start shows an exercise on the game form with the score
# box, the child plays (by switches: the right mouse button steps, the left one selects;
# otherwise with the arrow keys), Esc shows the results, Esc again brings the menu back, and
# the series stands in the statistics file beside the data set. MODE is "switches" or "keys".
series_session() {  # series_session MODE
  local mode=$1 scan=17  # scanning off; with switches: two switches, internal cycle (4 + 16)
  [ "$mode" = switches ] && scan=20
  local stats
  stats="$(dirname "$binary")/Data/st.bin"
  rm -f "$stats"
  start_on_menu "$scan" || return 1
  local pid=$program_pid
  local menu game played results back
  menu=$(shoot "series-menu-$mode")
  xdotool key Return
  sleep 2
  game=$(shoot "series-game-$mode")
  check "series ($mode): Start shows the game form" changed "$menu" "$game" 1150 100 120 300
  check "series ($mode): the score box shows a digit" changed "$menu" "$game" 1175 530 90 90
  if [ "$mode" = switches ]; then
    xdotool mousemove --sync 640 100
    for _ in $(seq 10); do
      xdotool click 3
      sleep 0.2
      xdotool click 1
      sleep 1.2
    done
    # A selection drives the vehicle and may carry a card across: wait until all is done.
    wait_still
  else
    xdotool keydown Up
    sleep 1.5
    xdotool keyup Up
    xdotool keydown Left
    sleep 1.5
    xdotool keyup Left
  fi
  played=$(shoot "series-played-$mode")
  check "series ($mode): the vehicle moved" changed "$game" "$played" 40 40 1090 760
  xdotool key Escape
  sleep 1.5
  results=$(shoot "series-results-$mode")
  check "series ($mode): Esc shows the results" changed "$played" "$results" 440 330 320 300
  xdotool key Escape
  sleep 1.5
  back=$(shoot "series-back-$mode")
  check "series ($mode): the menu comes back" unchanged "$menu" "$back" 1140 400 140 460
  local size=0
  [ -f "$stats" ] && size=$(stat -c %s "$stats")
  check "series ($mode): one record in the statistics file ($size bytes)" \
    test "$size" -ge 49 -a $(((size - 32) % 17)) -eq 0
  rm -f "$stats"
  xdotool key Escape
  local rc
  wait_exit "$pid"
  check "series ($mode): the program ends with 0 (got $rc)" test "$rc" -eq 0
  rm -f "$XDG_CONFIG_HOME/vimbaro/options"
  stop_x
}

series_session keys
series_session switches

# Closes the results window and checks that STATS holds one record of a series of LENGTH in
# which every task was solved; then removes it and the options. NAME heads the checks.
check_whole_series() {  # check_whole_series NAME LENGTH STATS STARTED
  local name=$1 length=$2 stats=$3
  xdotool key Escape
  sleep 1.5
  local solved=-1 size=0
  if [ -s "$stats" ]; then
    size=$(stat -c %s "$stats")
    solved=$(od -An -t d2 -j 18 -N 2 "$stats" | tr -d ' ')
  fi
  echo "     (it took $((SECONDS - $4)) s)"
  check "$name: one record in the statistics file ($size bytes)" \
    test "$size" -ge $((32 + length * 17)) -a $(((size - 32) % 17)) -eq 0
  check "$name: all tasks solved (record says $solved)" test "$solved" -eq "$length"
  rm -f "$stats" "$XDG_CONFIG_HOME/vimbaro/options"
}

# A whole series of five played to its end on the real binary with the mouse buttons as two
# switches, without looking: step, select, step, select... Each selection chooses the next
# element, so every task gets solved; a solved task's highlight goes on to the next button,
# and on the last task to the stop button, which shows the results. The statistics record
# then says five tasks were solved.
whole_series_by_switches() {
  local stats
  stats="$(dirname "$binary")/Data/st.bin"
  rm -f "$stats"
  start_on_menu 20 || return 1
  local pid=$program_pid
  xdotool key Return
  sleep 2
  xdotool mousemove --sync 640 60
  local started=$SECONDS
  # Rounds of clicks; they queue up while the vehicle drives, and each round is let run out
  # before the next. The results window ends the game's part.
  for _ in $(seq 12); do
    for _ in $(seq 25); do
      xdotool click 3 click 1
      sleep 0.05
    done
    wait_still
    [ -s "$stats" ] && break
  done
  check_whole_series "whole series of 5 by two switches" 5 "$stats" "$started"
  # Clicks still queued may go on after the results; the program's end is checked elsewhere.
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  stop_x
}

whole_series_by_switches

# shellcheck source=play_robot.sh
source "$(dirname "$0")/play_robot.sh"

# How many pixels of the W x H rectangle at X,Y of the screenshot SHOT differ from the same
# place of the background picture GROUND, on which the 1280x960 layout stands 32 pixels down.
ground_changes() {  # ground_changes SHOT GROUND X Y W H
  convert "$1" -crop "${5}x${6}+${3}+${4}" +repage "$work/on-screen.png"
  convert "$2" -crop "${5}x${6}+${3}+$(($4 - 32))" +repage "$work/on-ground.png"
  compare -metric AE -fuzz 8% "$work/on-screen.png" "$work/on-ground.png" null: 2>&1 |
    awk '{ printf "%d\n", $1 }'
}

# Run as each task of a series first shows: the first time a type is met, a screenshot (kept
# in $work/types for a look by hand) must show every element the play trace lists drawn where
# it says, covering at least a fifth of its rectangle on each of the backgrounds it may have.
types_met=""
check_type_screenshot() {
  local line type
  type=$(play_field "$(play_line)" type)
  case " $types_met " in *" $type "*) return 0 ;; esac
  types_met="$types_met $type"
  sleep 2  # a new task fades its pictures in
  line=$(play_line)
  mkdir -p "$work/types"
  local shot="$work/types/$type.png"
  import -window root "$shot"
  local -a elements
  IFS=';' read -r -a elements <<<"$(play_field "$line" elements)"
  local drawn=0 e l t r b ground on_all
  for e in "${elements[@]}"; do
    IFS=, read -r l t r b <<<"${e#*:}"
    on_all=1
    for ground in "$(dirname "$binary")"/Data/Res/t*_b.xji; do
      [ $(($(ground_changes "$shot" "$ground" "$l" "$t" $((r - l)) $((b - t))) * 5)) -ge \
        $(((r - l) * (b - t))) ] || on_all=0
    done
    drawn=$((drawn + on_all))
  done
  check "type $type on screen: all ${#elements[@]} elements drawn where the trace says" \
    test "${#elements[@]}" -gt 0 -a "$drawn" -eq "${#elements[@]}"
}

# A whole series played to its end on the real binary by the player from outside (the arrow
# keys, or the left mouse button as one switch), which finds the elements in the program's
# play trace. The statistics record must say that every task was solved. With ON_TASK, that
# command is run as each task first shows.
whole_series_played() {  # whole_series_played MODE LEVEL LENGTH SCAN [ON_TASK]
  local mode=$1 level=$2 length=$3 scan=$4
  local stats
  stats="$(dirname "$binary")/Data/st.bin"
  trace="$work/trace-$mode-$length.txt"
  rm -f "$stats"
  start_on_menu "$scan" 1 "$trace" "$level" || return 1
  local pid=$program_pid
  xdotool key Return
  sleep 2
  local started=$SECONDS
  # A series of five by keys at level III took about six minutes here on a busy machine; the
  # bound leaves room for a slower one.
  play_series "$mode" "$length" "$stats" 1200 "${5:-}"
  check_whole_series "whole series of $length by $mode" "$length" "$stats" "$started"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  stop_x
}

# By keys at level III, with a look at each exercise type met; by one switch at level I.
whole_series_played keys 4 5 17 check_type_screenshot
whole_series_played one_switch 1 5 18

# The exercise type an instruction name belongs to (its variants share it).
type_of() {  # type_of INSTRUCTION
  case $1 in
    S17*) echo S17 ;;
    S1[ab] | S2[ab] | S4[ab]) echo "${1%?}" ;;
    *) echo "$1" ;;
  esac
}

# Every exercise type of a level is reached from the main menu on the real binary: series of
# fifteen are started and stepped through with Enter until each type of the level's list has
# shown (at most four series, as the draw is random), and the first time a type shows, its
# screenshot is checked.
types_reached() {  # types_reached LEVEL SOUNDS TYPE...
  local level=$1 sounds=$2
  shift 2
  local seen="" missing="" line task last shown pressed type
  trace="$work/trace-types-$level.txt"
  for _ in 1 2 3 4; do
    start_on_menu 17 4 "$trace" "$level" "$sounds" || return 1
    xdotool key Return
    last=-1
    shown=$SECONDS
    pressed=$SECONDS
    # A task that does not give way to the next within half a minute ends the series.
    while [ $((SECONDS - shown)) -lt 30 ]; do
      line=$(play_line)
      task=$(play_field "$line" task)
      if [ -n "$task" ] && [ "$task" != "$last" ]; then
        last=$task
        shown=$SECONDS
        check_type_screenshot
        seen="$seen $(type_of "$(play_field "$line" type)")"
        [ "$task" -ge 14 ] && break
        xdotool key Return
        pressed=$SECONDS
      elif [ -n "$task" ] && [ $((SECONDS - pressed)) -ge 3 ]; then
        xdotool key Return  # the key came while the task was still coming in
        pressed=$SECONDS
      fi
      sleep 0.2
    done
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    stop_x
    missing=""
    for type in "$@"; do
      case " $seen " in *" $type "*) ;; *) missing="$missing $type" ;; esac
    done
    [ -z "$missing" ] && break
  done
  rm -f "$XDG_CONFIG_HOME/vimbaro/options"
  check "level code $level: all $# types reached from the menu (missing:${missing:- none})" \
    test -z "$missing"
}

# Level I has its digit and number-picture searches only with the sounds r or j.
types_reached 1 6 S12 S15 S17 S1_2 S1_8 S3_4a
types_reached 2 3 S11 S17 S3_11 S6 S1_6 S2_1
types_reached 4 3 S1 S2 S9 S3_11 S1_6 S4_4 S2_1
types_reached 8 3 S1 S2 S3 S4 S5 S9 S10 S1_6 S4_4

# A data set that lacks a picture: the user is told to reinstall, and standard error names the
# file for whoever installs the game.
broken="$work/broken"
mkdir -p "$broken/Data/Intf"
data_set="$(dirname "$binary")/Data"
for entry in "$data_set"/*; do
  [ "$(basename "$entry")" = Intf ] || ln -s "$entry" "$broken/Data/"
done
for entry in "$data_set"/Intf/*; do
  [ "$(basename "$entry")" = T_b.xji ] || ln -s "$entry" "$broken/Data/Intf/"
done
start_x 1280x1024
(cd "$broken" && exec "$binary" 2>"$work/broken.txt") &
pid=$!
for _ in $(seq 100); do
  grep -q "T_b.xji" "$work/broken.txt" 2>/dev/null && break
  sleep 0.1
done
check "missing picture: standard error names it" grep -q "cannot use .*/Intf/T_b.xji" "$work/broken.txt"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
stop_x

# A 1024x600 screen is refused with the program's message and exit code -2.
start_x 1024x600
(cd "$work" && exec "$binary") &
pid=$!
# SDL's message box: find it by its caption and confirm it with Return.
box=""
for _ in $(seq 100); do
  box=$(xwininfo -root -tree | awk '/"Błąd"/ {print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.1
done
check "1024x600: the refusal is shown in a message box" test -n "$box"
if [ -n "$box" ]; then
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
fi
wait_exit "$pid"
check "1024x600: exit code -2 (got $rc)" test "$rc" -eq 254

# A second copy hands over to the first and ends with 0; the first keeps running.
start_x 1280x1024
(cd "$work" && exec "$binary") &
first=$!
wait_for_window "Vimbaro Cz.II"
sleep 0.5
(cd "$work" && timeout 20 "$binary")
rc=$?
check "second copy exits with code 0 (got $rc)" test "$rc" -eq 0
check "first copy keeps running" kill -0 "$first"
wait_for_layout 0 512  # keys go to the splash while it is on top
xdotool search --name "^Vimbaro Cz.II\$" windowactivate --sync 2>/dev/null
xdotool key Escape
wait_exit "$first"
check "first copy ends on Esc with 0 (got $rc)" test "$rc" -eq 0
stop_x

# Without any display (SDL's dummy video driver) and without sound the program starts and
# keeps running until it is stopped.
(cd "$work" && SDL_VIDEODRIVER=dummy timeout 3 "$binary")
rc=$?
check "no display: starts and keeps running (got $rc)" test "$rc" -eq 124

# A display that does not answer ends the start with a message and exit code 1; the program
# never runs on unseen.
(cd "$work" && DISPLAY=:59713 WAYLAND_DISPLAY='' timeout 20 "$binary" 2>"$work/no-answer.txt")
rc=$?
check "unreachable display: exit code 1 (got $rc)" test "$rc" -eq 1
check "unreachable display: says there is no display" grep -q "no display" "$work/no-answer.txt"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
