#!/usr/bin/env bash
# Starts velt, finds its window by the caption, saves a screenshot and ends
# the program through the menu's Exit, which must give status 0.
set -u
velt=$1 grab=$2 shots=$3
mkdir -p "$shots"

"$velt" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

window=$(timeout 20 xdotool search --sync --name 'ВЕЛТ - Морвалит' | head -n 1)
if [ -z "$window" ]; then
  echo "no window captioned 'ВЕЛТ - Морвалит' appeared"
  exit 1
fi
title=$(xdotool getwindowname "$window")
[ "$title" = "www.velt.example    ВЕЛТ - Морвалит" ] || { echo "caption is '$title'"; exit 1; }

sleep 1
"$grab" "$window" "$shots/opened.png" || { echo "could not save a screenshot"; exit 1; }
echo "screenshot: $shots/opened.png"

# A pupil answers the first question with A and evaluates. The controls
# stand below the menu bar, whose height the window reports.
menu=$(( $(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[2]}') - 463 ))
xdotool mousemove --window "$window" 40 $((menu + 177)) click 1
sleep 0.3
xdotool mousemove --window "$window" 50 $((menu + 302)) click 1
sleep 0.5
"$grab" "$window" "$shots/reviewed.png" || { echo "could not save a screenshot"; exit 1; }
echo "screenshot: $shots/reviewed.png"

# "Изход" is the first item of the menu bar, at its left end.
xdotool mousemove --window "$window" 18 10 click 1
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "the program did not end after Exit"
  exit 1
fi
wait $pid
status=$?
trap - EXIT
[ $status -eq 0 ] || { echo "Exit ended the program with status $status"; exit 1; }
