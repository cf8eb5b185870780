#!/usr/bin/env bash
# Shows the toolkit gallery on the test display and photographs the screen into the artefacts.
# The program says when it is painted (a ready file) and waits for the photo (a done file).
set -euo pipefail
exe=$1 png=$2 wine_run=$3
[ -n "${DISPLAY:-}" ] || { echo "gallery: no display" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$png")"
"$wine_run" "$exe" "Z:$work/ready" "Z:$work/done" &
pid=$!
for _ in $(seq 600); do
  [ -e "$work/ready" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
[ -e "$work/ready" ] || { echo "gallery: the program did not get ready" >&2; kill $pid 2>/dev/null; exit 1; }
import -window root "$png"
touch "$work/done"
wait $pid
test -s "$png"
echo "gallery: wrote $png"
