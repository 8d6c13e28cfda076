#!/usr/bin/env bash
# The game binary as a black box: its command line, exit statuses and error lines.
set -u
bin=$1
failures=0
check() {  # NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$bin" --version >"$tmp/out"; check "version status" 0 $?
grep -q '^dokasuka2 [0-9]' "$tmp/out"; check "version line" 0 $?
"$bin" --help >"$tmp/out"; check "help status" 0 $?
"$bin" --frobnicate 2>"$tmp/err"; check "unknown option status" 2 $?

# The demo plays the whole game headless and ends with the program.
"$bin" --demo >"$tmp/out"; check "demo status" 0 $?
check "demo first line" "0 load Form1" "$(head -n 1 "$tmp/out")"
check "demo last line" "end" "$(tail -n 1 "$tmp/out" | cut -d' ' -f2-)"
check "demo never loses" 0 "$(grep -c 'load Form19' "$tmp/out")"

# A malformed script names its line; the transcript before it is still written.
printf 'click Form1.Command1\n# fine so far\njump Form2\n' >"$tmp/bad.txt"
"$bin" --replay "$tmp/bad.txt" >"$tmp/out" 2>"$tmp/err"; check "bad script status" 2 $?
check "bad script error" "$tmp/bad.txt:3: unknown command \"jump\"" "$(cat "$tmp/err")"
check "bad script transcript" "0 show Form2" "$(tail -n 1 "$tmp/out")"
"$bin" --replay "$tmp/missing.txt" >/dev/null 2>"$tmp/err"; check "missing script status" 2 $?
printf 'dump\n' | "$bin" --replay - >"$tmp/out"; check "stdin status" 0 $?
check "stdin transcript" "0 forms Form1*" "$(tail -n 1 "$tmp/out")"

# Pictures of the windows need no display.
printf 'shot title\nclick Form1.Command1\nshot quit\n' >"$tmp/shots.txt"
env -u DISPLAY QT_QPA_PLATFORM= "$bin" --replay "$tmp/shots.txt" --shots "$tmp/shots" >/dev/null 2>&1
check "shots status" 0 $?
check "shots written" "quit-Form1.png quit-Form2.png title-Form1.png" "$(cd "$tmp/shots" && echo *.png)"

[ "$failures" -eq 0 ] && echo "every command-line check passed"
[ "$failures" -eq 0 ]
