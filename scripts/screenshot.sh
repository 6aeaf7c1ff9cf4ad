#!/usr/bin/env bash
# Inside a virtual display: starts the program, waits until its first picture is on
# the screen (the display stops changing), saves the whole display and ends it.
set -euo pipefail
program=$1
shot=$2

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

previous=""
for _ in $(seq 1 60); do
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || { echo "frattalia ended before its first picture" >&2; exit 1; }
  current=$(import -window root rgb:- 2>/dev/null | md5sum)
  # Two equal captures of a display that is no longer plain black: the picture is drawn.
  if [ "$current" = "$previous" ] && [ "$(import -window root -format '%[fx:mean]' info: 2>/dev/null)" != "0" ]; then
    break
  fi
  previous=$current
done
import -window root "$shot"
