#!/usr/bin/env bash
# The heap check: runs test suites under Wine's heap validation (WINEDEBUG=+heap) and
# fails on any "err:heap" report or test failure. It first proves that the check
# bites: heapbite.exe overruns heap blocks on purpose and must be reported.
#   tools/heapcheck.sh <build dir>
# Called by ./qv test with its environment (WINEPREFIX, DISPLAY, QV_OUT). Suites and
# their gtest arguments come from tests/heapcheck.list.
set -uo pipefail

build=${1:?usage: heapcheck.sh <build dir>}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
list="$root/tests/heapcheck.list"
bin="$build/bin"
logs="$build/heapcheck"
per_suite_timeout=${QV_HEAPCHECK_TIMEOUT:-600}
mkdir -p "$logs"

# +heap traces every allocation: of the heap channel only the errors are kept
# (<name>.heap); the program's other messages go to <name>.err. A crashed program
# ends at once instead of waiting in Wine's debugger.
heap_run() {   # heap_run <name> <exe> [args...]; sets run_status and heap_errors
  local name=$1 exe=$2; shift 2
  ( WINEDEBUG=-all,+heap WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winedbg.exe=d" \
      timeout "$per_suite_timeout" wine "$exe" "$@" 2>&1 >"$logs/$name.out" \
      | awk -v heap="$logs/$name.heap" -v other="$logs/$name.err" \
          '/err:heap/ { print > heap; next } /:(trace|warn|fixme):heap:/ { next } { print > other }'
    exit "${PIPESTATUS[0]}" )
  run_status=$?
  touch "$logs/$name.heap" "$logs/$name.err"
  heap_errors=$(wc -l <"$logs/$name.heap")
}

status=0
say() { echo "heapcheck: $*"; }

# 1. The check must bite.
if [ ! -f "$bin/heapbite.exe" ]; then
  say "FAILED: $bin/heapbite.exe is missing, the check cannot prove that it bites"
  exit 1
fi
for kind in malloc new; do
  heap_run "heapbite-$kind" "$bin/heapbite.exe" "$kind"
  if [ "$heap_errors" -gt 0 ]; then
    say "heapbite $kind: overrun reported ($heap_errors err:heap line(s)) - the check bites"
  else
    say "FAILED: heapbite $kind: Wine reported no err:heap for a deliberate overrun"
    status=1
  fi
done

# 2. The suites of the list.
while read -r suite args; do
  case "$suite" in ''|'#'*) continue ;; esac
  exe="$bin/$suite.exe"
  if [ ! -f "$exe" ]; then
    say "$suite: skipped, $exe not built"
    continue
  fi
  start=$SECONDS
  # shellcheck disable=SC2086  # the list's arguments split as written
  heap_run "$suite" "$exe" $args
  took=$((SECONDS - start))
  tests=$(grep -a -o '^\[==========\] [0-9]* tests\? from' "$logs/$suite.out" | tail -1 | grep -o '[0-9]*' | head -1)
  if [ "$run_status" -eq 0 ] && [ "$heap_errors" -eq 0 ]; then
    say "$suite: ok (${tests:-?} tests, no heap errors, ${took}s)"
    continue
  fi
  status=1
  if [ "$run_status" -eq 124 ]; then why="timed out after ${per_suite_timeout}s"
  elif [ "$run_status" -ne 0 ]; then why="exit status $run_status"
  else why="tests passed"; fi
  say "$suite: FAILED ($heap_errors err:heap line(s), $why, ${took}s; logs in $logs/$suite.*)"
  head -5 "$logs/$suite.heap" | sed 's/^/    /'
  grep -a -E '^\[  FAILED  \]' "$logs/$suite.out" | head -10 | sed 's/^/    /'
  grep -a -E 'Unhandled exception|Assertion failed' "$logs/$suite.err" | head -3 | sed 's/^/    /'
done <"$list"

say "$([ $status -eq 0 ] && echo passed || echo FAILED) in ${SECONDS}s"
exit $status
