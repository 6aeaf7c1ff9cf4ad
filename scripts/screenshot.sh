#!/usr/bin/env bash
# Inside a virtual display: starts the program, waits until the splash has handed over
# to the explorer and its start view is drawn, saves the whole display and ends it.
set -euo pipefail
program=$1
shot=$2

XS_TMP=$(mktemp -d)
# shellcheck source=scripts/xsession.sh
source "$(dirname "$0")/xsession.sh"
xs_build_helper

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$XS_TMP"' EXIT
xs_wait_explorer "$pid" >/dev/null || { echo "frattalia: no explorer to show" >&2; exit 1; }
xs_settle "$pid" 10000 || { echo "frattalia does not answer" >&2; exit 1; }
import -window root "$shot"
