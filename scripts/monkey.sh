#!/usr/bin/env bash
# A monkey on the sanitizer build of the program, on a virtual 1024 x 768 display: seeded
# random clicks (left, right, middle, double), drags, the wheel, keys (letters, digits,
# Escape, Enter, Space, Alt with the menu letters, Ctrl+V), garbage typed into the boxes,
# buttons pressed, screens opened from the menus, windows closed and dialogs answered at
# random. Every action goes to a log. A crash, a sanitizer report, an exit status other
# than 0 or a program that does not answer for 5 s (its event loop stands still, so its
# windows are not repainted) is a finding: the monkey reports it with the last actions
# and the stack, starts the program again and goes on; at the end it fails if it found
# anything. The seed and the command that replays the run are printed.
#   scripts/monkey.sh [SECONDS] [SEED]     60 s and a new seed by default
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
seed=${2:-$(($(od -An -tu4 -N4 /dev/urandom) % 1000000))}
program=$(pwd)/build-asan/src/frattalia
logs=$(pwd)/build-asan/monkey
HangMs=5000

if [ -z "${MONKEY_ON_DISPLAY:-}" ]; then
  # shellcheck source=scripts/sanitizer.sh
  source scripts/sanitizer.sh
  sanitizer_build --target frattalia
  echo "monkey: $seconds s with seed $seed; to replay: ./scripts/monkey.sh $seconds $seed"
  # -noreset: when the program ends, the display would reset and refuse the next start
  # for a moment, which the monkey meets when it starts the program again.
  exec env MONKEY_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$seconds" "$seed"
fi

# shellcheck source=scripts/sanitizer.sh
source scripts/sanitizer.sh
sanitizer_options
export ASAN_OPTIONS="$ASAN_OPTIONS:handle_abort=1"
XS_TMP=$(mktemp -d)
trap 'kill -9 "$pid" 2>/dev/null || true; rm -rf "$XS_TMP"' EXIT
trap 'echo "monkey: the script itself failed at line $LINENO" >&2' ERR
# shellcheck source=scripts/xsession.sh
source scripts/xsession.sh
xs_build_helper
mkdir -p "$logs"
log=$logs/$seed.log
: >"$log"
xs_own_home

RANDOM=$seed
start_us=${EPOCHREALTIME/./}
now_ms() { local t=${EPOCHREALTIME/./}; echo $(((t - start_us) / 1000)); }
act() {
  local ms
  ms=$(now_ms)
  printf '%4d.%03d %s\n' $((ms / 1000)) $((ms % 1000)) "$*" >>"$log"
}
pick() { local -n list=$1; echo "${list[RANDOM % ${#list[@]}]}"; }

findings=0
runs=0
declare -A reached=()
finding() {
  findings=$((findings + 1))
  local last
  last=$(tail -n 15 "$log" | sed 's/^/    /')
  {
    echo
    echo "monkey: FINDING $findings at $(now_ms) ms of seed $seed: $1"
    echo "monkey: the last actions (all of them in $log):"
    echo "$last"
    [ -z "${2:-}" ] || echo "$2"
  } | tee -a "$log" >&2
}

# --- the program

start_program() {
  runs=$((runs + 1))
  if [ "$runs" -gt 30 ]; then
    echo "monkey: the program was started 30 times; giving up" >&2
    exit 1
  fi
  program_log=$logs/$seed.program-$runs.log
  "$program" >"$program_log" 2>&1 &
  pid=$!
  act "start the program (run $runs, process $pid)"
  last_answer=$(now_ms)
  local explorer
  if ! explorer=$(xs_wait_explorer "$pid" 2>"$XS_TMP/why"); then
    ended || { finding "$(cat "$XS_TMP/why")"; kill -9 "$pid" 2>/dev/null || true; }
    start_program
    return
  fi
  xs_settle "$pid" 30000 || true
  [ -n "${XS_MENUBAR:-}" ] || XS_MENUBAR=$(xs_menubar_height "$explorer")
  act "the explorer is on show"
  last_answer=$(now_ms)
}

# The sanitizers' report in the program's output, from its first line.
report() {
  awk '/^==[0-9]+==ERROR|runtime error:|^SUMMARY:|^==[0-9]+==WARNING/ { on = 1 } on' "$program_log" |
    grep -v '^    #[0-9]* 0x[0-9a-f]* in .*libsanitizer' | head -n 60 | sed 's/^/    /'
}

# True when the program has ended; an ending other than a clean one is a finding.
ended() {
  kill -0 "$pid" 2>/dev/null && return 1
  local status=0
  wait "$pid" || status=$?
  if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$program_log"; then
    finding "a sanitizer report in the program's output (it ended with exit status $status)" \
      "$(report)"
  elif [ "$status" -ne 0 ]; then
    finding "the program ended with exit status $status" "$(tail -n 20 "$program_log")"
  else
    act "the program ended with exit status 0"
  fi
  return 0
}

# The program must answer within HangMs of its last answer.
watch_answers() {
  local top
  top=$(xs_top_window "$pid")
  top=${top%% *}
  if [ -z "$top" ]; then
    # Windowless and still running only while it ends.
    [ $(($(now_ms) - last_answer)) -lt 20000 ] && return 0
    finding "the program runs on with no window for 20 s" "$(stack)"
  elif xs_probe ping "$top" 250; then
    last_answer=$(now_ms)
    return 0
  elif [ $(($(now_ms) - last_answer)) -lt "$HangMs" ]; then
    return 0
  else
    finding "the program did not answer for $((HangMs / 1000)) s (a hang)" "$(stack)"
  fi
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  start_program
}

stack() {
  echo "monkey: where the program stands (thread 1):"
  if command -v gdb >/dev/null; then
    timeout 60 gdb -p "$pid" -batch -nx -ex 'thread 1' -ex 'bt 25' 2>/dev/null |
      grep -E '^#' | sed 's/^/    /'
  else
    echo "    (gdb is not installed)"
  fi
}

# Closes the program as a pupil would at the end: dialogs answered, windows closed.
end_program() {
  local deadline=$((SECONDS + 20)) id kind _rest
  while ! ended; do
    if [ "$SECONDS" -gt "$deadline" ]; then
      finding "the program does not end when its windows are closed" "$(stack)"
      kill -9 "$pid" 2>/dev/null || true
      return
    fi
    while read -r id kind _rest; do
      if [ "$kind" = dialog ]; then
        act "end: Escape on the dialog $id"
        xdotool windowfocus --sync "$id" key Escape 2>/dev/null || true
        break
      fi
      act "end: close the window $id"
      xs_probe close "$id"
    done < <(xs_windows "$pid")
    sleep 0.5
  done
}

# --- what the monkey does

# shellcheck disable=SC2034  # the lists are read through pick
keys=(a b c e i m o r s t v x z 0 1 2 5 9 Escape Return space Tab BackSpace Delete
  Up Down Left Right Home End)
# shellcheck disable=SC2034
menu_letters=(m r z i t l o)
long_number=$(printf '1234567890%.0s' {1..40})
# shellcheck disable=SC2034
garbage=(abc x "$long_number" "-$long_number" 1e400 -1e400 1e-400 "," ",," - -- --5 "-0,5"
  "1,2,3" 0 -1 99999 32768 "3,99" "0,0001" NaN inf " " 1.5 è "2,5e3" "1 000")

screen_named() {
  local name
  for name in "${!SCREEN_TITLE[@]}"; do
    if [ "${SCREEN_TITLE[$name]}" = "$1" ]; then echo "$name"; fi
  done
}

# A point in the top window mostly, anywhere on the display sometimes.
point_in() {
  local left=$1 top=$2 width=$3 height=$4
  if [ $((RANDOM % 4)) -eq 0 ]; then
    echo $((RANDOM % 1024)) $((RANDOM % 768))
  else
    echo $((left + RANDOM % width)) $((top + RANDOM % height))
  fi
}

# A window manager gives the keyboard to the window clicked.
focus_at() {
  local id kind left top width height _title
  while read -r id kind left top width height _title; do
    if [ "$1" -ge "$left" ] && [ "$1" -lt $((left + width)) ] &&
      [ "$2" -ge "$top" ] && [ "$2" -lt $((top + height)) ]; then
      if [ "$kind" = screen ] || [ "$kind" = dialog ]; then
        xdotool windowfocus "$id" 2>/dev/null || true
      fi
      return 0
    fi
  done < <(xs_windows "$pid")
}

mouse_action() {
  local x y x2 y2 button
  read -r x y < <(point_in "$@")
  focus_at "$x" "$y"
  case $((RANDOM % 10)) in
    0 | 1 | 2 | 3)
      button=$(((RANDOM % 4) == 0 ? 3 : 1))
      act "click $button at $x,$y"
      xdotool mousemove "$x" "$y" click "$button" ;;
    4)
      act "middle click at $x,$y"
      xdotool mousemove "$x" "$y" click 2 ;;
    5)
      act "double click at $x,$y"
      xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 ;;
    6 | 7)
      read -r x2 y2 < <(point_in "$@")
      button=$(((RANDOM % 3) == 0 ? 3 : 1))
      act "drag with $button from $x,$y to $x2,$y2"
      xdotool mousemove "$x" "$y" mousedown "$button" \
        mousemove $(((x + x2) / 2)) $(((y + y2) / 2)) mousemove "$x2" "$y2" mouseup "$button" ;;
    *)
      button=$((4 + RANDOM % 2))
      act "wheel $([ "$button" = 4 ] && echo up || echo down) at $x,$y"
      xdotool mousemove "$x" "$y" click --repeat $((1 + RANDOM % 5)) "$button" ;;
  esac
}

key_action() {
  local key
  case $((RANDOM % 8)) in
    0 | 1 | 2 | 3)
      key=$(pick keys)
      act "key $key"
      xdotool key "$key" ;;
    4 | 5)
      key=$(pick menu_letters)
      act "key alt+$key, then a key in the menu"
      xdotool key alt+"$key" sleep 0.2 key "$(pick keys)" ;;
    6)
      act "key ctrl+v"
      xdotool key ctrl+v ;;
    *)
      key=$(pick garbage)
      act "type \"${key:0:20}\""
      xdotool type --delay 2 -- "$key" ;;
  esac
}

# A control of the top screen: garbage into a box, or a button or label pressed.
control_action() {
  local screen=$1 window=$2 kind name x y w h text
  local -a controls
  mapfile -t controls < <(xs_controls "$screen" "$window" "[a-z]")
  read -r kind name x y w h <<<"${controls[RANDOM % ${#controls[@]}]}"
  # Ending the program costs a restart: rarely.
  if [ "$kind" = x ] && [ $((RANDOM % 4)) -ne 0 ]; then
    read -r kind name x y w h <<<"${controls[0]}"
  fi
  xdotool windowfocus "$window" 2>/dev/null || true
  if [ "$kind" = t ] && [ $((RANDOM % 5)) -eq 0 ]; then
    act "paste into $screen.$name"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1 key ctrl+v
  elif [ "$kind" = t ] && [ $((RANDOM % 4)) -eq 0 ]; then
    act "middle click into $screen.$name"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 2
  elif [ "$kind" = t ]; then
    text=$(pick garbage)
    act "type \"${text:0:20}\" into $screen.$name"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    if [ $((RANDOM % 2)) -eq 0 ]; then xdotool key ctrl+a; fi
    xdotool type --delay 2 -- "$text"
  else
    local button=$(((RANDOM % 4) == 0 ? 3 : 1))
    act "click $button on $screen.$name"
    xdotool mousemove $((x + 2 + RANDOM % (w - 4))) $((y + 2 + RANDOM % (h - 4))) click "$button"
  fi
}

menu_action() {
  # shellcheck disable=SC2034  # read through pick
  local screens=("${!MENU_KEYS[@]}")
  local target explorer
  explorer=$(xs_window_titled "$pid" "${SCREEN_TITLE[frmMandel]}") || { key_action; return; }
  target=$(pick screens)
  act "open $target from the explorer's menu"
  # shellcheck disable=SC2086
  xdotool windowraise "$explorer" windowfocus "$explorer" key --delay 100 ${MENU_KEYS[$target]} \
    2>/dev/null || true
}

dialog_action() {
  local id=$1 left=$2 top=$3 width=$4 height=$5 title=$6 answer
  xdotool windowfocus "$id" 2>/dev/null || true
  # A file dialog (a large one) gets keys only: clicks in it could walk the file system.
  if [ "$height" -gt 250 ]; then
    answer=$(((RANDOM % 5) == 0 ? 5 : RANDOM % 3))
  else
    answer=$((RANDOM % 6))
  fi
  case $answer in
    0) act "dialog \"$title\": Escape"; xdotool key Escape ;;
    1) act "dialog \"$title\": Enter"; xdotool key Return ;;
    2) act "dialog \"$title\": Tab, Space"; xdotool key Tab space ;;
    3) act "dialog \"$title\": key n"; xdotool key n ;;
    4)
      local x=$((left + RANDOM % width)) y=$((top + RANDOM % height))
      act "dialog \"$title\": click at $x,$y"
      xdotool mousemove "$x" "$y" click 1 ;;
    *)
      local text
      text=$(pick garbage)
      act "dialog \"$title\": type \"${text:0:20}\", Enter"
      xdotool type --delay 2 -- "$text"
      xdotool key Return ;;
  esac
}

close_action() {
  local -a windows
  mapfile -t windows < <(xs_windows "$pid" | awk '$2 == "screen" || $2 == "dialog"')
  [ ${#windows[@]} -gt 0 ] || return 0
  local chosen=${windows[RANDOM % ${#windows[@]}]}
  act "close the window ${chosen#* * * * * * }"
  xs_probe close "${chosen%% *}"
}

# --- the run

echo "monkey: $seconds s with seed $seed on $program; actions in $log"
end_at=$((SECONDS + seconds))
start_program
actions=0
while [ "$SECONDS" -lt "$end_at" ]; do
  if ended; then
    start_program
    continue
  fi
  watch_answers
  read -r id kind left top width height title < <(xs_top_window "$pid") || {
    sleep 0.1
    continue
  }
  screen=$(screen_named "$title")
  [ -z "$screen" ] || reached[$screen]=1
  actions=$((actions + 1))
  if [ "$kind" = dialog ] && [ $((RANDOM % 3)) -ne 0 ]; then
    dialog_action "$id" "$left" "$top" "$width" "$height" "$title"
  else
    case $((RANDOM % 20)) in
      0 | 1 | 2 | 3 | 4 | 5 | 6) mouse_action "$left" "$top" "$width" "$height" ;;
      7 | 8 | 9 | 10) key_action ;;
      11 | 12 | 13 | 14 | 15)
        if [ -n "$screen" ] && [ -n "${CONTROLS[$screen]:-}" ]; then
          control_action "$screen" "$id"
        else
          mouse_action "$left" "$top" "$width" "$height"
        fi ;;
      16 | 17) menu_action ;;
      18) if [ $((RANDOM % 3)) -eq 0 ]; then close_action; else key_action; fi ;;
      *)
        local_pause=$((RANDOM % 15))
        act "wait 0.${local_pause}s"
        sleep "0.$local_pause" ;;
    esac
  fi
  sleep "0.0$((RANDOM % 10))"
done
act "time is up: the program is closed"
end_program

echo "monkey: $actions actions in $seconds s over $runs start(s) of the program;" \
  "screens reached: ${!reached[*]}"
echo "monkey: seed $seed; to replay: ./scripts/monkey.sh $seconds $seed"
if [ "$findings" -gt 0 ]; then
  echo "monkey: FAILED with $findings finding(s); the actions are in $log" >&2
  exit 1
fi
echo "monkey: no finding"
