#!/usr/bin/env bash
# render_report.sh <report.htm>: chromium draws the report headless into
# $QV_OUT/screens/report-test.png; fails when the picture is blank.
set -euo pipefail
report=$(realpath "$1")
out=${QV_OUT:-$PWD}/screens
mkdir -p "$out"
png="$out/report-test.png"
rm -f "$png"
# A profile of its own, so that other chromium runs on the machine do not hold it.
profile=$(mktemp -d /tmp/qv-htmlrender-XXXXXX)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,600 \
  --user-data-dir="$profile" --screenshot="$png" "file://$report" >/dev/null 2>&1 || true
[ -s "$png" ] || { echo "chromium wrote no picture"; exit 1; }
python3 "$(dirname "${BASH_SOURCE[0]}")/png_ink.py" "$png"
