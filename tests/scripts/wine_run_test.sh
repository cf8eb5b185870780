#!/usr/bin/env bash
# scripts/wine-run with a fake wine earlier on PATH: a run that lost its Wine server connection runs
# once more; every other outcome, a real failure among them, passes through unchanged.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/scripts"
printf '#!/bin/sh\nexit 0\n' >"$work/scripts/wine-prefix"
cat >"$work/bin/wine" <<'F'
#!/usr/bin/env bash
echo "$*" >>"$RUNS"
if [ "$(wc -l <"$RUNS")" -eq 1 ] && [ "$FAKE" = dropped ]; then
  echo "wine client error:0: recvmsg: Connection reset by peer" >&2
  exit 1
fi
[ "$FAKE" = fails ] && { echo "Expected: 2, actual: 3" >&2; exit 3; }
exit 0
F
chmod +x "$work/bin/wine" "$work/scripts/wine-prefix"
sed -e "s|@TAVRIN_WINEPREFIX@|$work/prefix|; s|@TAVRIN_SCRIPTS@|$work/scripts|" \
  "$top/scripts/wine-run.in" >"$work/wine-run"

failures=0
expect() {  # scenario, expected exit code, expected number of runs
  export FAKE=$1 RUNS=$work/runs-$1
  : >"$RUNS"
  PATH=$work/bin:$PATH bash "$work/wine-run" prog.exe --flag >/dev/null 2>&1
  local rc=$? runs
  runs=$(wc -l <"$RUNS")
  if [ "$rc" -ne "$2" ] || [ "$runs" -ne "$3" ] || grep -qv '^prog.exe --flag$' "$RUNS"; then
    echo "FAIL $1: exit code $rc after $runs runs, expected $2 after $3"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}
expect passes 0 1
expect dropped 0 2
expect fails 3 1
exit $((failures > 0))
