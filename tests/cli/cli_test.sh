#!/usr/bin/env bash
# Drives vistrane-cli as a player's script would: listing, dealing every
# game, deal numbers of every length, the refusals, and games played to a
# win from scripts.
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

# play: a fresh program directory of its own, so that the records a finished
# game writes stay out of the build.
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
play_dir=$(mktemp -d)
trap 'rm -rf "$play_dir"' EXIT
cp "$(dirname "$cli")/GAMES.DAT" "$play_dir/"

# Commands that are refused change nothing: the table printed at the end is
# the dealt one, and every line of input that is a command answers once.
dealt=$("$cli" --dir "$play_dir" deal 2 12345)
out=$(printf '%s\n' '# a comment' '' 'move 60 Fila1' 'move 1 Nowhere' 'flip 99' 'undo' \
    'redo' 'jump' 'move 7' | "$cli" --dir "$play_dir" play 2 12345)
answers=$(grep -cE '^(ok|refused)$' <<<"$out")
[[ $answers == 7 ]] || fail "play answers $answers of 7 commands"
grep -q '^ok$' <<<"$out" && fail "play accepts a bad command"
[[ $(grep -vE '^(ok|refused)$' <<<"$out" | head -56) == "$dealt" ]] ||
    fail "refused commands change the table"
[[ $(tail -1 <<<"$out") == "in progress" ]] || fail "an unplayed game is not in progress"
[[ -d $play_dir/DATA ]] && fail "a game in progress wrote records"
out=$(printf 'snapshot\n' | "$cli" --dir "$play_dir" play 2 12345)
[[ $(head -55 <<<"$out") == "$(head -55 <<<"$dealt")" && $(sed -n 56p <<<"$out") == ok ]] ||
    fail "snapshot does not print the table and ok"
expect_refusal --dir "$play_dir" play 2
expect_refusal --dir "$play_dir" play 999 1 </dev/null

# The winning scripts: each names its game, deal and options on its first
# line, and plays to a win whose records are written.
for script in "$scripts"/win_*.txt; do
    read -r _ _ args < <(head -1 "$script")
    rm -rf "$play_dir/DATA"
    out=$("$cli" --dir "$play_dir" play $args <"$script") || { fail "$script exits non-zero"; continue; }
    refused=$(grep -c '^refused$' <<<"$out")
    [[ $refused == 0 ]] || fail "$(basename "$script"): $refused command(s) refused"
    [[ $(tail -1 <<<"$out") == won ]] || fail "$(basename "$script") does not win: $(tail -1 <<<"$out")"
    ls "$play_dir"/DATA/*.DAT >/dev/null 2>&1 || fail "$(basename "$script") wrote no records"
done

# A won game whose records cannot be written: the script's caller is told,
# by the exit code and on standard error.
win_script=$scripts/win_klondike.txt
read -r _ _ win_args < <(head -1 "$win_script")
rm -rf "$play_dir/DATA"
printf 'a file where the DATA folder should be' >"$play_dir/DATA"
err=$("$cli" --dir "$play_dir" play $win_args <"$win_script" 2>&1 >/dev/null)
code=$?
[[ $code == 3 ]] || fail "a win whose records fail exits $code, not 3"
grep -q 'could not be recorded' <<<"$err" || fail "a win whose records fail says nothing: $err"
rm -f "$play_dir/DATA"

# A long script keeps a bounded history, and at least the last 10000 steps
# can still be taken back.
out=$({ yes stock | head -25000; yes undo | head -10000; } | "$cli" --dir "$play_dir" play 2 12345)
[[ $(grep -c '^refused$' <<<"$out") == 0 ]] || fail "a long script has refused steps"
[[ $(grep -c '^ok$' <<<"$out") == 35000 ]] || fail "a long script does not answer every command"

# A games file cut short is refused before anything is dealt from it.
cut_dir=$(mktemp -d)
head -c $(( $(stat -c %s "$play_dir/GAMES.DAT") / 2 )) "$play_dir/GAMES.DAT" >"$cut_dir/GAMES.DAT"
err=$("$cli" --dir "$cut_dir" deal 2 1 2>&1 >/dev/null) && fail "a games file cut short deals"
grep -q 'is damaged' <<<"$err" || fail "a games file cut short is not named damaged: $err"
rm -rf "$cut_dir"

if (( failures > 0 )); then echo "$failures failure(s)"; exit 1; fi
echo "vistrane-cli: all checks passed"
