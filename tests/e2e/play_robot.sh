# A player for the real binary, sourced by run.sh. It plays from outside like a child would,
# with xdotool: the arrow keys, or the left mouse button as one switch. It knows where things
# are from the program's play trace (VIMBARO_TRACE set: a line on standard error whenever
# what there is to choose has changed), which it reads from the file $trace. With ROBOT_LOG
# set, it writes each way it takes and what came of it to that file.

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

# Milliseconds since the epoch.
now_ms() { date +%s%3N; }

# The vehicle's centre on an axis (0 across, 1 down) in a trace line.
vehicle_on() {  # vehicle_on LINE AXIS
  local -a c
  read -r -a c < <(centre "$(play_field "$1" vehicle)")
  echo "${c[$2]}"
}
vehicle_at() { vehicle_on "$(play_line)" "$1"; }  # vehicle_at AXIS

# What tells that a choice was made: the task, whether it is solved, and which elements can
# be chosen (not where they are: some move about on their own).
choice_state() {  # choice_state LINE
  local elements
  elements=$(play_field "$1" elements | sed 's/:[^;]*;/ /g')
  echo "$(play_field "$1" task) $(play_field "$1" solved) $elements"
}

# The arrow key that moves along AXIS toward a positive or negative distance D.
arrow_for() {  # arrow_for AXIS D
  if [ "$1" = 0 ]; then
    [ "$2" -lt 0 ] && echo Left || echo Right
  else
    [ "$2" -lt 0 ] && echo Up || echo Down
  fi
}

# Holds KEY, which moves along AXIS, and watches the trace: lets go once the vehicle's centre
# is within SLACK of STOP, once the vehicle stands still (something holds it: an element it
# met, the edge of the play area; a turn comes first, so it gets longer to start), once a
# choice was made, or after LIMIT ms. Only what the trace shows counts, never how long a key
# was held: a busy machine moves the vehicle more slowly.
drive() {  # drive KEY AXIS STOP SLACK LIMIT
  local key=$1 axis=$2 stop=$3 slack=$4 limit=$5
  local sign=1 line state at last t started still_since moved=0
  case $key in Left | Up) sign=-1 ;; esac
  line=$(play_line)
  state=$(choice_state "$line")
  last=$(vehicle_on "$line" "$axis")
  started=$(now_ms)
  still_since=$started
  xdotool keydown "$key"
  while :; do
    sleep 0.03
    t=$(now_ms)
    line=$(play_line)
    at=$(vehicle_on "$line" "$axis")
    [ "$(choice_state "$line")" != "$state" ] && break
    [ $(((stop - at) * sign)) -le "$slack" ] && break
    if [ "$at" != "$last" ]; then
      moved=1
      last=$at
      still_since=$t
    elif [ $((t - still_since)) -gt $((moved ? 400 : 1500)) ]; then
      break
    fi
    [ $((t - started)) -gt "$limit" ] && break
  done
  xdotool keyup "$key"
}

# Route planning. Points are the vehicle's top-left corner; index 0 is across, 1 down. The
# other elements are obstacles: a route keeps a margin from them (the vehicle coasts a little
# after a key is let go) and stays inside the play area.
margin=14

# Whether the vehicle sweeping in a straight line from one point to another stays clear; the
# points are given by their coordinates along the go axis G and across it.
swept_clear() {  # swept_clear G ALONG1 ACROSS1 ALONG2 ACROSS2
  local x1=$2 y1=$3 x2=$4 y2=$5
  [ "$1" = 1 ] && x1=$3 y1=$2 x2=$5 y2=$4
  local l=$((x1 < x2 ? x1 : x2)) t=$((y1 < y2 ? y1 : y2))
  local r=$(((x1 > x2 ? x1 : x2) + vsize[0])) b=$(((y1 > y2 ? y1 : y2) + vsize[1]))
  ((l >= area[0] && t >= area[1] && r <= area[2] && b <= area[3])) || return 1
  local i
  for i in "${!obstacle_l[@]}"; do
    ((l < obstacle_r[i] + margin && obstacle_l[i] - margin < r && t < obstacle_b[i] + margin &&
      obstacle_t[i] - margin < b)) && return 1
  done
  return 0
}

# Plans the way into the target TARGET (L,T,R,B) from the vehicle at FROM (L,T), ending with a
# straight drive along the go axis: move along it to C, across to the target's lane, then on
# into the target. Sets route="G C LANE" for the shortest clear way, or fails.
plan_route() {  # plan_route TARGET_L TARGET_T TARGET_R TARGET_B FROM_X FROM_Y
  local -a tlo=("$1" "$2") thi=("$3" "$4") from=("$5" "$6")
  local best=-1 g k lane f c cost side step
  route=""
  for g in 0 1; do
    k=$((1 - g))
    lane=$(((tlo[k] + thi[k] - vsize[k]) / 2))
    ((lane < area[k])) && lane=${area[k]}
    ((lane + vsize[k] > area[k + 2])) && lane=$((area[k + 2] - vsize[k]))
    for side in low high; do
      if [ "$side" = low ]; then
        f=$((tlo[g] - vsize[g]))
        step=-16
      else
        f=${thi[g]}
        step=16
      fi
      # C from the vehicle's own place, then outward from the target's side in steps.
      for c in "${from[g]}" $(seq "$f" "$step" $((step < 0 ? area[g] : area[g + 2] - vsize[g]))); do
        if [ "$side" = low ]; then ((c > f)) && continue; else ((c < f)) && continue; fi
        cost=$(((c > from[g] ? c - from[g] : from[g] - c) + (lane > from[k] ? lane - from[k] : from[k] - lane) +
          (c > f ? c - f : f - c)))
        ((best >= 0 && cost >= best)) && continue
        # The first stretch may start close to something: the vehicle stands where it stopped.
        if margin=4 swept_clear "$g" "${from[g]}" "${from[k]}" "$c" "${from[k]}" &&
          swept_clear "$g" "$c" "${from[k]}" "$c" "$lane" &&
          swept_clear "$g" "$c" "$lane" "$f" "$lane"; then
          best=$cost
          route="$g $c $lane"
        fi
      done
    done
  done
  [ -n "$route" ]
}

# Drives the vehicle's top-left corner on AXIS to COORD (within a few pixels, looking again
# after the vehicle has coasted to a stop).
move_to() {  # move_to AXIS COORD
  local axis=$1 coord=$2 at d half=$((vsize[$1] / 2))
  for _ in 1 2 3; do
    at=$(($(vehicle_at "$axis") - half))
    d=$((coord - at))
    [ "${d#-}" -le 6 ] && return 0
    drive "$(arrow_for "$axis" "$d")" "$axis" $((coord + half)) 6 6000
    sleep 0.1
    [ "$(($(vehicle_at "$axis") - half))" = "$at" ] && return 1  # something holds it
  done
}

# Steers the vehicle into the element with number NUMBER at RECT on a way clear of the other
# ELEMENTS; where there is none, levels with it on one axis and drives straight at it along
# the other (even tries across the rows, odd ones down the columns), and whatever stands in
# the way is chosen on the way, as it would be for a child.
steer_into() {  # steer_into NUMBER RECT TRY ELEMENTS...
  local number=$1 rect=$2 try=$3
  shift 3
  # Back off from what the last drive met, so that the way on does not start against it.
  case $last_drive in
    Left) drive Right 0 $(($(vehicle_at 0) + 24)) 0 1500 ;;
    Right) drive Left 0 $(($(vehicle_at 0) - 24)) 0 1500 ;;
    Up) drive Down 1 $(($(vehicle_at 1) + 24)) 0 1500 ;;
    Down) drive Up 1 $(($(vehicle_at 1) - 24)) 0 1500 ;;
  esac
  local line
  line=$(play_line)
  local -a v
  IFS=, read -r -a v <<<"$(play_field "$line" vehicle)"
  IFS=, read -r -a area <<<"$(play_field "$line" area)"
  vsize=($((v[2] - v[0])) $((v[3] - v[1])))
  obstacle_l=() obstacle_t=() obstacle_r=() obstacle_b=()
  local e l t r b
  for e in "$@"; do
    [ "${e%%:*}" = "$number" ] && continue
    IFS=, read -r l t r b <<<"${e#*:}"
    obstacle_l+=("$l") obstacle_t+=("$t") obstacle_r+=("$r") obstacle_b+=("$b")
  done
  IFS=, read -r l t r b <<<"$rect"
  local g c lane
  if plan_route "$l" "$t" "$r" "$b" "${v[0]}" "${v[1]}"; then
    read -r g c lane <<<"$route"
  else
    g=$((try % 2))
    c=${v[g]}
    local -a lo=("$l" "$t") hi=("$r" "$b")
    lane=$(((lo[1 - g] + hi[1 - g] - vsize[1 - g]) / 2))
  fi
  [ -n "${ROBOT_LOG:-}" ] && echo "$(date +%T.%3N) steer $number $rect try=$try route=$route v=${v[*]}" >>"$ROBOT_LOG"
  move_to "$g" "$c"
  move_to $((1 - g)) "$lane"
  # Straight at it, no further than its far edge.
  local -a lo=("$l" "$t") hi=("$r" "$b")
  local at key far
  at=$(vehicle_at "$g")
  if [ "$at" -lt $(((lo[g] + hi[g]) / 2)) ]; then
    key=$(arrow_for "$g" 1)
    far=${hi[g]}
  else
    key=$(arrow_for "$g" -1)
    far=${lo[g]}
  fi
  last_drive=$key
  drive "$key" "$g" "$far" 0 8000
  [ -n "${ROBOT_LOG:-}" ] && echo "$(date +%T.%3N) met $(choice_state "$(play_line)")" >>"$ROBOT_LOG"
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
# written. With ON_TASK given, that command is run as each task is first seen.
play_series() {  # play_series MODE LENGTH STATS LIMIT [ON_TASK]
  local mode=$1 length=$2 stats=$3 limit=$4 on_task=${5:-}
  local started=$SECONDS last_tried=-1 round=0 line task solved seen=-1
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
    if [ -n "$on_task" ] && [ "$task" != "$seen" ] && [ "$solved" = 0 ]; then
      seen=$task
      "$on_task"
      continue
    fi
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
    steer_into "$last_tried" "${element#*:}" "$round" "${elements[@]}"
  done
}
