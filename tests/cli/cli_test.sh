#!/usr/bin/env bash
# Drives vistrane-cli as a player's script would: listing, dealing every
# game, deal numbers of every length, and the refusals.
# usage: cli_test.sh PATH_TO_VISTRANE_CLI
set -uo pipefail
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

games=$("$cli" games) || fail "games exits non-zero"
[[ $(head -1 <<<"$games") == $'1\t4\tFreecell' ]] || fail "game 1 is not Freecell: $(head -1 <<<"$games")"
count=$(wc -l <<<"$games")
(( count >= 40 )) || fail "only $count games listed"

while IFS=$'\t' read -r number type name; do
    out=$("$cli" deal "$number" 123456789) || { fail "deal $number ($name) exits non-zero"; continue; }
    lines=$(wc -l <<<"$out")
    [[ $lines == 56 ]] || fail "deal $number ($name) prints $lines lines"
    [[ $(tail -1 <<<"$out") =~ ^score\ -?[0-9]+$ ]] || fail "deal $number ($name) ends without its score"
    if grep -qvE '^([0-9]{3}[01])*$' <<<"$(head -55 <<<"$out")"; then
        fail "deal $number ($name) has a line that is not four-character cards"
    fi
done <<<"$games"

# The same deal twice gives the same table; only the last 13 digits count.
a=$("$cli" deal 2 12345)
[[ $a == "$("$cli" deal 2 12345)" ]] || fail "a deal is not repeatable"
[[ $a == "$("$cli" deal 2 0000000012345)" ]] || fail "leading zeros change the deal"
[[ $a == "$("$cli" deal 2 990000000012345)" ]] || fail "digits before the last 13 change the deal"
[[ $a != "$("$cli" deal 2 12346)" ]] || fail "two deal numbers give one table"

expect_refusal() {
    local err
    if err=$("$cli" "$@" 2>&1 >/dev/null); then fail "'$*' succeeds"; fi
    [[ -n $err ]] || fail "'$*' says nothing on standard error"
}
expect_refusal deal 999 1
expect_refusal deal -3 1
expect_refusal deal 2 12a
expect_refusal deal 2 ""
expect_refusal deal 2 1234567890123456
expect_refusal deal 2
expect_refusal --dir /nonexistent/vistrane games
expect_refusal nosuchcommand

if (( failures > 0 )); then echo "$failures failure(s)"; exit 1; fi
echo "vistrane-cli: all checks passed"
