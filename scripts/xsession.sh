# shellcheck shell=bash disable=SC2034  # the tables are for the scripts that source this
# Sourced by smoke.sh, monkey.sh and screenshot.sh: frattalia on a virtual display
# without a window manager, seen and driven as a window manager and a pupil would,
# with xdotool and the small xprobe helper (scripts/xprobe.c).

# The screens' windows by their captions.
declare -A SCREEN_TITLE=(
  [frmlancio2]="Presentazione"
  [frmMandel]="iniziogioco"
  [frmattratHenon]="attrattore di Henon"
  [frmkochisle]="Isola di  Von Koch"
  [frmverhulst2]="Verhulst, il raddoppio del periodo"
  [Frmfelce]="Form1"
  [frmMandiversi]="Insiemi di Mandelbrot diversi"
)

# The keys that open each screen from the explorer's menu bar: the first menu by its
# access key, then along the bar (the bar's screen items have no access key).
declare -A MENU_KEYS=(
  [frmMandiversi]="alt+m r"
  [frmattratHenon]="alt+m Right Right Return"
  [frmkochisle]="alt+m Right Right Right Return"
  [frmverhulst2]="alt+m Right Right Right Right Return"
  [Frmfelce]="alt+m Right Right Right Right Right Return"
)

# The controls of each screen as the screens place them on a 1024 x 768 display, in
# pixels of the screen's own surface (below the explorer's menu bar): kind, name, x, y,
# width, height. Kinds: d draws the screen's main picture, h goes back to the explorer,
# x ends the program, b any other button, t a text box, l a label.
declare -A CONTROLS=(
  [frmMandel]="
b Cmdao 242 204 120 30
t Txtnx 362 214 148 20
t txtny 513 214 148 20
l Lblmand 262 134 500 50
x Cmdpagini 242 234 120 50
d cmddisegna 242 284 120 60
b Cmdmandel 242 345 120 30
t Txtcolore 242 437 30 30
t txtverde 272 437 30 30
t txtblu 302 437 30 30
t txtpasso 332 437 30 30
l lblcolore 242 467 120 30
l lblcicli 242 499 30 29
t txtcicli 272 499 90 30
b CMDINGR 242 585 120 39
t txtingr 362 585 148 30
b Cmdschermo 553 585 99 31
b Cmdsave 662 582 99 34"
  [frmattratHenon]="
h cmdInizio 182 574 80 60
d cmddisegna 197 334 65 100
l lblatrattore 462 104 300 30
l lblingr 262 104 150 30
t Txtx 412 104 40 30"
  [frmkochisle]="
b Cmdcompleta 182 114 80 80
b Cmd1 762 134 80 60
b Cmd2 762 199 80 60
b Cmd3 762 264 80 60
b Cmd4 762 329 80 60
b Cmd5 762 394 80 60
d cmddisegna 762 534 90 80
h cmdinizio 182 574 80 40"
  [frmverhulst2]="
l lblistruzioni 262 94 500 50
d Cmdgrafico 763 134 80 45
b Cmdper1 763 184 80 60
b Cmdper2 763 249 80 60
b Cmdper4 763 314 80 60
b Cmdcaos 763 379 80 60
b cmddisegna 763 444 80 125
h cmdInizio 181 574 80 60
l Lblincr 182 134 79 50
l Lblpopini 182 244 79 40
l lblpop 182 429 79 40
t txtx 222 185 40 40
t Txty 222 284 40 40
t Txtu 222 474 40 40
t Txting 8 56 25 49"
  [Frmfelce]="
b Cmdalbero 372 94 80 40
d cmdfelce 452 94 80 40
b Cmdpino 532 94 80 40
b cmdfalchi 612 94 80 40
b cmdpolvere 692 94 80 40
b cmdzig 772 94 80 40
l Lblcolonna0 170 94 33 25
l Lblcolonna1 208 94 33 25
t Txta0 170 124 33 25
t Txta1 208 124 33 25
t Txta2 246 124 33 25
t Txta3 284 124 33 25
t txtb0 170 154 33 25
t txtb1 208 154 33 25
t txtb2 246 154 33 25
t txtb3 284 154 33 25
t txtc0 170 184 33 25
t txtc1 208 184 33 25
t txtc2 246 184 33 25
t txtc3 284 184 33 25
t txtd0 170 214 33 25
t txtd1 208 214 33 25
t txtd2 246 214 33 25
t txtd3 284 214 33 25
t txte0 170 244 33 25
t txte1 208 244 33 25
t txte2 246 244 33 25
t txte3 284 244 33 25
t txtf0 170 274 33 25
t txtf1 208 274 33 25
t txtf2 246 274 33 25
t txtf3 284 274 33 25
t txtcol0 170 301 33 12
t txtcol1 208 301 33 12
t txtcol2 246 301 33 12
t txtcol3 284 301 33 12
l lblriga0 132 132 33 14
l lblriga5 132 279 33 14
l Lblcol 132 304 33 17
l Lblor 170 329 50 14
l lblver 222 329 50 14
l lblcicli 274 329 50 14
t Txtvx 170 345 50 25
t txtvy 222 345 50 25
t txtcicli 274 345 50 25
b Cmd4 170 379 155 25
l lblistruz 182 464 150 70
h Cmdfine 182 574 100 60"
  [frmMandiversi]="
d Cmdstart 432 8 81 33
t Text1 384 8 33 33
b Cmdterza 432 64 81 33
b Cmdtredi 432 120 81 33
b Cmdsalva 432 168 81 33
b Cmdlistato 440 248 81 33
h cmdfine 440 304 81 33
t RiTeBox 8 248 425 105"
)

# A place on each screen that no control covers: the colour of the bare screen.
declare -A BARE_PLACE=(
  [frmMandel]="1015 740" [frmattratHenon]="1015 740" [frmkochisle]="1015 740"
  [frmverhulst2]="1015 740" [Frmfelce]="1015 740" [frmMandiversi]="525 358"
)

# The drawing of each screen that reads its boxes.
declare -A READER=(
  [frmMandel]=cmddisegna [frmattratHenon]=cmddisegna [frmverhulst2]=cmddisegna
  [Frmfelce]=Cmd4 [frmMandiversi]=Cmdstart
)

# The scripts that source this make XS_TMP, a temporary folder, and remove it.
: "${XS_TMP:?XS_TMP must name a temporary folder}"

# Builds the xprobe helper into XS_TMP (a C compiler and libx11-dev are needed).
xs_build_helper() {
  cc -O2 -o "$XS_TMP/xprobe" "$(dirname "${BASH_SOURCE[0]}")/xprobe.c" -lX11
}
xs_probe() { "$XS_TMP/xprobe" "$@"; }

# The program keeps its saved view and its pictures in a folder of its own, in XS_TMP,
# which becomes the working folder.
xs_own_home() {
  export HOME=$XS_TMP/home XDG_RUNTIME_DIR=$XS_TMP/runtime
  export XDG_DATA_HOME=$HOME/data XDG_CONFIG_HOME=$HOME/config XDG_CACHE_HOME=$HOME/cache
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  cd "$HOME" || return
}

# The visible windows of process $1, the top one first: "id kind left top width
# height title"; kinds: screen, dialog, menu, tip, other.
xs_windows() { xs_probe list "$1"; }

# The top screen or dialog of process $1: "id kind left top width height title".
xs_top_window() { xs_windows "$1" | awk '$2 == "screen" || $2 == "dialog" { print; exit }'; }

# The id of the visible window of process $1 whose title is $2.
xs_window_titled() {
  local id _kind _x _y _w _h title
  while read -r id _kind _x _y _w _h title; do
    [ "$title" = "$2" ] && { echo "$id"; return 0; }
  done < <(xs_windows "$1")
  return 1
}

# Waits up to $3 seconds for the window of process $1 titled $2; prints its id.
xs_wait_window() {
  local deadline=$((SECONDS + $3)) id
  while [ "$SECONDS" -le "$deadline" ]; do
    id=$(xs_window_titled "$1" "$2") && { echo "$id"; return 0; }
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits up to $3 seconds for window $2 of process $1 to go away (or the process to end).
xs_wait_gone() {
  local deadline=$((SECONDS + $3))
  while xs_windows "$1" | grep -q "^$2 "; do
    [ "$SECONDS" -le "$deadline" ] || return 1
    sleep 0.1
  done
}

# Waits for process $1 to show its splash and hand over to the explorer; prints the
# explorer's window id, or a reason on standard error.
xs_wait_explorer() {
  local splash explorer
  splash=$(xs_wait_window "$1" "${SCREEN_TITLE[frmlancio2]}" 20) ||
    { echo "no splash screen" >&2; return 1; }
  explorer=$(xs_wait_window "$1" "${SCREEN_TITLE[frmMandel]}" 30) ||
    { echo "the splash did not hand over to the explorer" >&2; return 1; }
  xs_wait_gone "$1" "$splash" 10 ||
    { echo "the splash stays after the explorer opened" >&2; return 1; }
  echo "$explorer"
}

# Waits until process $1 answers within $2 ms (fails if it does not: a hang) and the
# display stops changing (8 s at most). $3: the window to ask, the top one by default.
xs_settle() {
  local window=${3:-}
  [ -n "$window" ] || window=$(xs_top_window "$1")
  window=${window%% *}
  [ -n "$window" ] || return 1
  xs_probe settle "$window" "$2" || [ $? -eq 3 ]
}

# How far apart two colours "r g b" are: the sum of the channels' differences.
xs_distance() {
  local -a p q
  local d=0 i e
  read -r -a p <<<"$1"
  read -r -a q <<<"$2"
  for i in 0 1 2; do
    e=$((p[i] - q[i]))
    d=$((d + (e < 0 ? -e : e)))
  done
  echo "$d"
}

# Where the surface of screen $1 begins on the display, given its window $2.
declare -A XS_ORIGIN=()
xs_origin() {
  if [ -z "${XS_ORIGIN[$2]:-}" ]; then
    local left top
    read -r left top < <(xdotool getwindowgeometry --shell "$2" |
      awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"] }')
    [ "$1" = frmMandel ] && top=$((top + XS_MENUBAR))
    XS_ORIGIN[$2]="$left $top"
  fi
  echo "${XS_ORIGIN[$2]}"
}

# The controls of screen $1 on the display, given its window $2: "kind name x y w h"
# for each line of CONTROLS whose kind matches $3 (a regular expression).
xs_controls() {
  local left top kind name x y w h
  read -r left top < <(xs_origin "$1" "$2")
  while read -r kind name x y w h; do
    if [ -z "$kind" ] || ! [[ $kind =~ ^($3)$ ]]; then continue; fi
    echo "$kind $name $((left + x)) $((top + y)) $w $h"
  done <<<"${CONTROLS[$1]}"
}

# The bare place of screen $1 on the display, given its window $2.
xs_bare_point() {
  local left top x y
  read -r left top < <(xs_origin "$1" "$2")
  read -r x y <<<"${BARE_PLACE[$1]}"
  echo "$((left + x)) $((top + y))"
}

# The explorer's menu bar: the rows at the top of its window that are not the
# surface's colour, while the explorer is in front. The scripts keep it in XS_MENUBAR.
xs_menubar_height() {
  local -a column points=()
  local y
  for y in $(seq 0 59) 740; do points+=(1015 "$y"); done
  mapfile -t column < <(xs_probe pixels "${points[@]}")
  y=0
  while [ "$y" -lt 60 ] && [ "${column[y]}" != "${column[60]}" ]; do
    y=$((y + 1))
  done
  echo "$y"
}

# The point where a control's colour is read, clear of captions and typed text: inside
# a button's top left corner, a box's top right corner, a label's bottom right corner.
xs_sample_point() {
  local kind=$1 x=$2 y=$3 w=$4 h=$5
  case $kind in
    l) echo "$((x + w - 3)) $((y + h - 3))" ;;
    t) echo "$((x + w - 4)) $((y + 4))" ;;
    *) echo "$((x + 4)) $((y + 4))" ;;
  esac
}

# The pointer goes where it covers and highlights nothing.
xs_pointer_away() { xdotool mousemove 1020 764; }

# Clicks button $2 at the centre of the control "kind name x y w h" in $1; the pointer
# then goes away.
xs_click_control() {
  local _k _n x y w h
  read -r _k _n x y w h <<<"$1"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "$2"
  xs_pointer_away
}
