# A player for the real binary, sourced by run.sh. It plays from outside like a child would,
# with xdotool: the arrow keys, or the left mouse button as one switch. It knows where things
# are from the program's play trace (VIMBARO_TRACE set: a line on standard error whenever
# what there is to choose has changed), which it reads from the file $trace.

# The newest trace line.
play_line() { tail -n 40 "$trace" 2>/dev/null | grep '^play ' | tail -n 1; }

# A field of a trace line: play_field LINE NAME
play_field() {
  local rest=" ${1#play }"
  rest=${rest##* "$2"=}
  echo "${rest%% *}"
}

# The centre of L,T,R,B as "X Y".
centre() {
  local l t r b
  IFS=, read -r l t r b <<<"$1"
  echo "$(((l + r) / 2)) $(((t + b) / 2))"
}

hold_key() {  # hold_key KEY MILLISECONDS
  xdotool keydown "$1"
  sleep "$(awk -v ms="$2" 'BEGIN { print ms / 1000 }')"
  xdotool keyup "$1"
}

# The vehicle's centre on an axis (0 across, 1 down).
vehicle_at() {  # vehicle_at AXIS
  local -a c
  read -r -a c < <(centre "$(play_field "$(play_line)" vehicle)")
  echo "${c[$1]}"
}

# The arrow key that moves along AXIS toward a positive or negative distance D.
arrow_for() {  # arrow_for AXIS D
  if [ "$1" = 0 ]; then
    [ "$2" -lt 0 ] && echo Left || echo Right
  else
    [ "$2" -lt 0 ] && echo Up || echo Down
  fi
}

# Steers the vehicle into the element at RECT: first level with it on one axis (in short
# presses, looking again after each, and giving up where something holds the vehicle), then
# straight at it along the other until it is met. Whatever stands in the way is chosen on the
# way, as it would be for a child. Even tries line up across the rows, odd ones down the columns.
steer_into() {  # steer_into RECT TRY
  local -a target
  read -r -a target < <(centre "$1")
  local level=$((1 - $2 % 2)) go=$(($2 % 2))
  local at before d ms
  # Back off from what the last drive met, so that lining up does not brush along it.
  case $last_drive in
    Left) hold_key Right 250 ;;
    Right) hold_key Left 250 ;;
    Up) hold_key Down 250 ;;
    Down) hold_key Up 250 ;;
  esac
  for _ in $(seq 10); do
    at=$(vehicle_at "$level")
    d=$((target[level] - at))
    [ "${d#-}" -le 12 ] && break
    # Two pixels every 10 ms, after a turn of up to half a second.
    ms=$((${d#-} * 4))
    [ "$ms" -gt 700 ] && ms=700
    hold_key "$(arrow_for "$level" "$d")" "$((ms + 60))"
    sleep 0.1
    before=$at
    at=$(vehicle_at "$level")
    [ "$at" = "$before" ] && break
  done
  d=$((target[go] - $(vehicle_at "$go")))
  last_drive=$(arrow_for "$go" "$d")
  # Held about as long as the way to its edge takes, after a turn; the element itself stops
  # the vehicle.
  ms=$((${d#-} * 5 - 250))
  [ "$ms" -lt 0 ] && ms=0
  hold_key "$last_drive" "$((ms + 400))"
  sleep 0.2
}

# One switch: selects whenever the highlight stands on an element it has not just selected.
select_by_one_switch() {
  local line target
  line=$(play_line)
  target=$(play_field "$line" target)
  if [ "$target" != "-" ] && [ "$target" != "$last_selected" ]; then
    xdotool click 1
    last_selected=$target
    sleep 0.3
  else
    sleep 0.1
  fi
}

# Plays a started series of LENGTH tasks to its end with MODE (keys or one_switch): each task
# is played until it is solved, the automatic advance brings the next, and after the last Esc
# shows the results. Gives up after LIMIT seconds. Returns once the statistics file STATS is
# written.
play_series() {  # play_series MODE LENGTH STATS LIMIT
  local mode=$1 length=$2 stats=$3 limit=$4
  local started=$SECONDS last_tried=-1 round=0 line task solved
  local -a elements
  last_selected=""
  last_drive=""
  while [ ! -s "$stats" ] && [ $((SECONDS - started)) -lt "$limit" ]; do
    line=$(play_line)
    if [ -z "$line" ]; then
      sleep 0.2
      continue
    fi
    task=$(play_field "$line" task)
    solved=$(play_field "$line" solved)
    if [ "$solved" = 1 ]; then
      if [ "$task" -ge $((length - 1)) ]; then
        xdotool key Escape
        sleep 1.5
      else
        sleep 0.5  # the advance comes five seconds after the solution
      fi
      continue
    fi
    if [ "$mode" = one_switch ]; then
      select_by_one_switch
      continue
    fi
    IFS=';' read -r -a elements <<<"$(play_field "$line" elements)"
    if [ "${#elements[@]}" -eq 0 ]; then
      sleep 0.2
      continue
    fi
    # The next element by number after the one tried last, so that every one is tried in
    # turn even while a blocked one is missing from the list for a moment.
    local element="" candidate
    for candidate in "${elements[@]}"; do
      if [ "${candidate%%:*}" -gt "$last_tried" ]; then
        element=$candidate
        break
      fi
    done
    if [ -z "$element" ]; then
      element=${elements[0]}
      round=$((round + 1))
    fi
    last_tried=${element%%:*}
    steer_into "${element#*:}" "$round"
  done
}
