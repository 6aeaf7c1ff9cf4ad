#!/usr/bin/env bash
# Walks the real program on a virtual 1024 x 768 display as a pupil would: waits for
# the splash to hand over to the explorer, opens every screen from the explorer's menu
# bar, draws its main picture, right-clicks every button, types letters into every box,
# draws with them and again without them, goes back, and at the end leaves by
# "Termina il programma". It fails on a crash, a dialog that does not go away when it
# is answered, a program that stops answering, a screen left without its controls, or
# an exit status other than 0.
#   scripts/smoke.sh [PROGRAM]      PROGRAM: build/src/frattalia by default
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/src/frattalia}")
[ -x "$program" ] || { echo "smoke: $program is not built" >&2; exit 1; }
if [ -z "${SMOKE_ON_DISPLAY:-}" ]; then
  exec env SMOKE_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"
fi

failure_shot=$(pwd)/build/smoke-failure.png
XS_TMP=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XS_TMP"' EXIT
# shellcheck source=scripts/xsession.sh
source scripts/xsession.sh
xs_build_helper
xs_own_home

started=$SECONDS
step="start"
say() { printf 'smoke %3ds  %s\n' $((SECONDS - started)) "$*"; }
fail() {
  echo "smoke: FAILED at \"$step\": $*" >&2
  mkdir -p "$(dirname "$failure_shot")"
  import -window root "$failure_shot" 2>/dev/null && echo "smoke: the display is in $failure_shot" >&2
  if [ -s "$XS_TMP/program.log" ]; then
    echo "smoke: the program's output:" >&2
    tail -n 40 "$XS_TMP/program.log" >&2
  fi
  exit 1
}

alive() {
  kill -0 "$pid" 2>/dev/null && return 0
  local status=0
  wait "$pid" || status=$?
  fail "the program ended (exit status $status)"
}

# Waits until the program answers and the display stops changing.
settle() {
  alive
  xs_settle "$pid" 10000 "$explorer" || { alive; fail "the program did not answer for 10 s (a hang)"; }
}

# Answers every dialog on show with Enter, as its default button does; a dialog that is
# still there after Enter and Escape is stuck. Counts them in answered.
answered=0
answer_dialogs() {
  local rounds=0 id _kind _x _y _w _h title
  answered=0
  while :; do
    read -r id _kind _x _y _w _h title < <(xs_windows "$pid" | awk '$2 == "dialog"') || break
    rounds=$((rounds + 1))
    [ "$rounds" -le 6 ] || fail "dialogs keep coming (the last: \"$title\")"
    say "  answers the dialog \"$title\""
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key Return
    if ! xs_wait_gone "$pid" "$id" 3; then
      xdotool windowfocus --sync "$id" 2>/dev/null || true
      xdotool key Escape
      xs_wait_gone "$pid" "$id" 2 || fail "the dialog \"$title\" stays after Enter and Escape (stuck)"
    fi
    answered=$((answered + 1))
    settle
  done
}

# Each control must show itself, not the bare screen behind it; at the end of a visit
# it must look as it did when the screen opened.
declare -A looks=()
check_controls() {
  local screen=$1 window=$2 mode=$3 kind name x y w h names=() colours colour bare i point
  local -a points
  xs_pointer_away
  read -r -a points < <(xs_bare_point "$screen" "$window")
  while read -r kind name x y w h; do
    names+=("$name")
    read -r -a point < <(xs_sample_point "$kind" "$x" "$y" "$w" "$h")
    points+=("${point[@]}")
  done < <(xs_controls "$screen" "$window" "[a-z]")
  mapfile -t colours < <(xs_probe pixels "${points[@]}")
  bare=${colours[0]}
  local missing=() changed=()
  for i in "${!names[@]}"; do
    name=${names[i]}
    colour=${colours[i + 1]}
    if [ "$(xs_distance "$colour" "$bare")" -le 24 ]; then
      missing+=("$name")
    elif [ "$mode" = record ]; then
      looks[$screen.$name]=$colour
    elif [ "$(xs_distance "$colour" "${looks[$screen.$name]}")" -gt 60 ]; then
      changed+=("$name ($colour, was ${looks[$screen.$name]})")
    fi
  done
  [ ${#missing[@]} -eq 0 ] || fail "$screen is without its controls: ${missing[*]}"
  [ ${#changed[@]} -eq 0 ] || fail "$screen's controls look otherwise: ${changed[*]}"
}

control() {
  local line
  while read -r line; do
    [[ $line == *" $3 "* ]] && echo "$line"
  done < <(xs_controls "$1" "$2" "[a-z]")
  return 0
}
click() {
  step="$1: $3 $4"
  say "$1: $3 $4"
  local where
  where=$(control "$1" "$2" "$4")
  [ -n "$where" ] || fail "no control $4 on $1"
  xs_click_control "$where" "$([ "$3" = right-click ] && echo 3 || echo 1)"
  settle
  answer_dialogs
}

# Letters at the end of every box, a drawing with them (not every screen refuses them:
# any question it asks is answered), then the letters taken away again and the same
# drawing without them, which must ask nothing.
letters_in_boxes() {
  local screen=$1 window=$2 reader=${READER[$1]} kind name x y w h typing=() erasing=() boxes=0
  while read -r kind name x y w h; do
    boxes=$((boxes + 1))
    typing+=(mousemove $((x + w - 4)) $((y + h / 2)) click 1 key --delay 1 ctrl+End a b c)
    erasing+=(mousemove $((x + w - 4)) $((y + h / 2)) click 1 key --delay 1 ctrl+End BackSpace BackSpace BackSpace)
  done < <(xs_controls "$screen" "$window" "t")
  step="$screen: letters in the boxes"
  say "$screen: types \"abc\" at the end of its $boxes boxes"
  xdotool windowfocus --sync "$window" "${typing[@]}"
  settle
  answer_dialogs
  click "$screen" "$window" left-click "$reader"
  say "  the drawing with letters answered with $answered dialog(s)"
  step="$screen: letters taken away"
  xdotool windowfocus --sync "$window" "${erasing[@]}"
  click "$screen" "$window" left-click "$reader"
  [ "$answered" -eq 0 ] || fail "the drawing with the start values asked $answered question(s)"
}

right_click_buttons() {
  local kind name _rest
  while read -r kind name _rest; do
    click "$1" "$2" right-click "$name"
  done < <(xs_controls "$1" "$2" "b|d|h|x")
}

open_from_menu() {
  step="menu: $1"
  say "explorer menu: opens $1 (${MENU_KEYS[$1]})"
  # shellcheck disable=SC2086
  xdotool windowfocus --sync "$explorer" key --delay 100 ${MENU_KEYS[$1]}
  window=$(xs_wait_window "$pid" "${SCREEN_TITLE[$1]}" 15) || fail "the menu did not open $1"
  xs_origin "$1" "$window" >/dev/null
  settle
}

back_to_explorer() {
  local home
  home=$(xs_controls "$1" "$2" "h" | awk '{ print $2 }')
  click "$1" "$2" left-click "$home"
  step="$1: back"
  check_controls frmMandel "$explorer" compare
}

# --- the splash and the explorer
step="splash"
"$program" >"$XS_TMP/program.log" 2>&1 &
pid=$!
say "started $program (process $pid)"
explorer=$(xs_wait_explorer "$pid" 2>"$XS_TMP/why") || { alive; fail "$(cat "$XS_TMP/why")"; }
say "the splash handed over to the explorer"
settle
XS_MENUBAR=$(xs_menubar_height "$explorer")
xs_origin frmMandel "$explorer" >/dev/null  # kept for the walk, found here once
answer_dialogs
[ "$answered" -eq 0 ] || fail "the explorer opened with a question"
step="explorer: opened"
check_controls frmMandel "$explorer" record

click frmMandel "$explorer" left-click cmddisegna
right_click_buttons frmMandel "$explorer"
letters_in_boxes frmMandel "$explorer"
# A Julia set, and back to the Mandelbrot set.
click frmMandel "$explorer" left-click Cmdmandel
click frmMandel "$explorer" left-click cmddisegna
click frmMandel "$explorer" left-click Cmdmandel
# The large screen hides the controls; a click on the screen brings them back.
click frmMandel "$explorer" left-click Cmdschermo
click frmMandel "$explorer" left-click cmddisegna
step="explorer: click on the large picture"
say "$step"
xdotool mousemove 1000 700 click 1
settle
click frmMandel "$explorer" left-click cmddisegna
step="explorer: after the large screen"
check_controls frmMandel "$explorer" compare

# --- every other screen
for screen in frmattratHenon frmkochisle frmverhulst2 Frmfelce frmMandiversi; do
  open_from_menu "$screen"
  step="$screen: opened"
  check_controls "$screen" "$window" record
  main=$(xs_controls "$screen" "$window" "d" | awk '{ print $2 }')
  click "$screen" "$window" left-click "$main"
  right_click_buttons "$screen" "$window"
  [ -z "${READER[$screen]:-}" ] || letters_in_boxes "$screen" "$window"
  step="$screen: at the end"
  check_controls "$screen" "$window" compare
  back_to_explorer "$screen" "$window"
done

# --- the end: the question whether to save the view is answered with its default
step="exit"
say "explorer: left-click Cmdpagini"
xs_click_control "$(control frmMandel "$explorer" Cmdpagini)" 1
deadline=$((SECONDS + 10))
until dialog=$(xs_windows "$pid" | awk '$2 == "dialog" { print $1; exit }') && [ -n "$dialog" ]; do
  [ "$SECONDS" -le "$deadline" ] || fail "\"Termina il programma\" asked nothing"
  sleep 0.1
done
xdotool windowfocus --sync "$dialog" key Return
deadline=$((SECONDS + 15))
while kill -0 "$pid" 2>/dev/null; do
  [ "$SECONDS" -le "$deadline" ] || fail "the program did not end after \"Termina il programma\""
  sleep 0.2
done
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit status $status"
say "the program ended with exit status 0"
echo "smoke: passed in $((SECONDS - started)) s"
