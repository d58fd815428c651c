#!/usr/bin/env bash
# Runs the table tool the way a teacher would and checks its output and exit status.
set -u
tool=$1
failures=0

check() { # name, expected status, command...
    local name=$1 expected=$2
    shift 2
    "$@" >"$out" 2>"$err"
    local status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "FAIL $name: exit $status, expected $expected"; cat "$err"; failures=$((failures + 1))
    fi
}
expect() { # name, condition
    if ! eval "$2"; then echo "FAIL $1"; failures=$((failures + 1)); fi
}

out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

check "e^-x" 0 "$tool" 1 0 1 1
expect "21 rows" '[ "$(wc -l <"$out")" -eq 21 ]'
expect "first row" '[ "$(head -n1 "$out")" = "0.00    1.00000" ]'
expect "last row" '[ "$(tail -n1 "$out")" = "1.00    0.36788" ]'
expect "nothing on stderr" '[ ! -s "$err" ]'

check "negative numbers are arguments" 0 "$tool" 2 -1.5 0 3
expect "starts at -1.50" '[ "$(head -n1 "$out")" = "-1.50    0.00000" ]'
# 4.5 / 0.05 rounds just above 90, so x = 3 is reached; y(3) = 2 + 2.5 e^-4.5
expect "91 rows" '[ "$(wc -l <"$out")" -eq 91 ]'
expect "ends at 3.00" '[ "$(tail -n1 "$out")" = "3.00    2.02777" ]'

check "full-width and exponent" 0 "$tool" ６ 0 0 1e0
expect "equation 6" '[ "$(tail -n1 "$out")" = "1.00    -0.16282" ]'

check "help" 0 "$tool" --help
expect "help names the equations" 'grep -q "y. = x/2 -sin(x+y)" "$out"'

for args in "" "1 0 1" "1 0 1 1 5" "0 0 1 1" "7 0 1 1" "1.5 0 1 1" "abc 0 1 1" "1 1e999 1 1" "1 0 -1e400 1"; do
    # shellcheck disable=SC2086
    check "usage error for '$args'" 2 "$tool" $args
    expect "one line for '$args'" '[ "$(wc -l <"$err")" -eq 1 ] && grep -q "^zudozurize-table: " "$err"'
    expect "no rows for '$args'" '[ ! -s "$out" ]'
done

check "refused run" 1 "$tool" 1 0 1 1e12
expect "refusal says how many" 'grep -q "20,000,000,000,001" "$err"'
expect "refusal prints no rows" '[ ! -s "$out" ]'

check "overflow" 1 "$tool" 2 0 1e308 1
expect "rows before the overflow" '[ "$(wc -l <"$out")" -eq 1 ]'
expect "overflow names the place" 'grep -q "x = 0.05" "$err"'

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "table tool: all checks passed"
