#!/usr/bin/env bash
# Runs the mirevo program as a shell does and checks its exact output and exit status.
# Argument: the program. XDG_DATA_HOME must point at a folder the test may fill.
set -u
mirevo=$1
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# expect STATUS EXPECTED_STDOUT -- ARGS...: stdout must equal EXPECTED_STDOUT (with its final line break).
expect() {
  local status=$1 expected=$2
  shift 3
  local out err code
  err=$(mktemp)
  out=$("$mirevo" "$@" 2>"$err")
  code=$?
  if [ "$code" != "$status" ]; then fail "mirevo $*: exit status $code, expected $status ($(cat "$err"))"; fi
  if [ "$out" != "$expected" ]; then fail "mirevo $*: printed [$out], expected [$expected]"; fi
  rm -f "$err"
}

# expect_error ARGS...: exit status 2, nothing on stdout, one line on stderr.
expect_error() {
  local out err code
  err=$(mktemp)
  out=$("$mirevo" "$@" 2>"$err")
  code=$?
  if [ "$code" != 2 ]; then fail "mirevo $*: exit status $code, expected 2"; fi
  if [ -n "$out" ]; then fail "mirevo $*: printed [$out] on an error"; fi
  if [ "$(wc -l <"$err")" != 1 ]; then fail "mirevo $*: stderr is not one line: [$(cat "$err")]"; fi
  rm -f "$err"
}

rm -rf "$XDG_DATA_HOME"
mkdir -p "$XDG_DATA_HOME/Mirevo/tables"

# The built-in tables and the four shipped next to the program, sorted by name.
expect 0 "$(printf '%s\n' \
  $'1005\tDSV Master Performance Table 1998' $'1008\tDSV Master Performance Table 2004' \
  $'1001\tDSV Performance Table 2001' $'1007\tDSV Performance Table 2005' \
  $'3000\tFINA Point Scoring 2004' $'3020\tFINA Point Scoring 2020' \
  $'1105\tGerman Rudolph Table 2005' $'1125\tGerman Rudolph Table 2025' \
  $'1004\tSNC Performance Ratings 2003/2004' $'1006\tSNC Performance Ratings 2004/2005' \
  $'3025\tWorld Aquatics Points 2025 LCM' $'3026\tWorld Aquatics Points 2026')" -- tables

calc=(--table 3000 --event "100m Freestyle" --gender men)
expect 0 "FINA 2004;100m Freestyle;Men;99;50.00;901 Pt." -- points "${calc[@]}" --pool 50m --time 50.00
expect 0 "FINA 2004;100m Freestyle;Men;99;50.00;820 Pt." -- points "${calc[@]}" --pool 25m --time 50.00
expect 0 "FINA 2004;100m Freestyle;Men;99;48.30;1000 Pt." -- time "${calc[@]}" --pool 50m --points 1000
expect 0 "FINA 2004;4 x 100m Freestyle Relay;Men;99;3:20.00;1411 Pt." -- \
  points --table 3000 --event "4 x 100m freestyle relay" --pool 50m --gender m --time 3:20.00
expect 0 "FINA 2004;200m Freestyle;Mixed;99;1:45.94;1000 Pt." -- \
  points --table 3000 --event "200m Freestyle" --pool 50m --gender mixed --time 1:45.94
expect 0 "SNC SC 2003/2004;50m Freestyle;Women;99;30.00;0 Pt." -- \
  points --table 1004 --event 0 --pool 25m --gender w --time 30.00
expect 0 "Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt." -- \
  points --table 1105 --event 0 --pool 50m --gender women --age 12 --time 30.00
# A shipped table: World Aquatics 2026, 50 m pool, men's 50 m freestyle base time 20.91.
expect 0 "WA LC 2026;50m Freestyle;Men;99;20.91;1000 Pt." -- \
  points --table 3026 --event 0 --pool 50m --gender men --time 20.91

expect_error points "${calc[@]}" --pool 20m --time 50.00
expect_error points "${calc[@]}" --pool 50m --time 50.00 --age 100
expect_error points --table 9999 --event 0 --pool 50m --gender men --time 50.00
expect_error points "${calc[@]}" --pool 50m --time 50.00 --frobnicate
expect_error frobnicate
expect_error batch /nonexistent/rows.csv

# Batch from standard input: every row calculated, then one that fails.
out=$(printf 'table,event,pool,gender,age,time\n3000,1,50m,men,99,50.00\n' | "$mirevo" batch)
code=$?
[ "$code" = 0 ] || fail "batch: exit status $code"
[ "$out" = $'table,event,pool,gender,age,time,points\n3000,1,50m,men,99,50.00,901' ] || fail "batch printed [$out]"
out=$(printf 'table,event,pool,gender,age,points\n3000,1,50m,men,99,1000\n3000,99,50m,men,99,1000\n' | "$mirevo" batch - 2>/dev/null)
code=$?
[ "$code" = 1 ] || fail "batch with a bad row: exit status $code"
[ "$out" = $'table,event,pool,gender,age,points,time\n3000,1,50m,men,99,1000,48.30\n3000,99,50m,men,99,1000,' ] ||
  fail "batch with a bad row printed [$out]"

# A user table file without an ID: one warning, and the program still answers.
printf '[Header]\nName=No ID\n' >"$XDG_DATA_HOME/Mirevo/tables/noid.txt"
err=$("$mirevo" tables 2>&1 >/dev/null)
case "$err" in
  *"noid.txt skipped: its header has no ID= line"*) ;;
  *) fail "no warning for a table file without ID: [$err]" ;;
esac

# "--help" prints the help.
out=$("$mirevo" --help)
code=$?
[ "$code" = 0 ] || fail "--help: exit status $code"
case "$out" in Usage:*) ;; *) fail "--help printed [$out]" ;; esac

# Without a command the calculator window opens (here on the offscreen platform) and stays until closed.
# It reads the same table files as the command line: the file without an ID is named on stderr.
err=$(mktemp)
QT_QPA_PLATFORM=offscreen timeout 5 "$mirevo" >/dev/null 2>"$err"
code=$?
[ "$code" = 124 ] || fail "no command: the window did not stay open (exit status $code: $(cat "$err"))"
grep -q "noid.txt skipped: its header has no ID= line" "$err" || fail "no command: no warning for noid.txt: $(cat "$err")"
rm -f "$err"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
