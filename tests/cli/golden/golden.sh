#!/usr/bin/env bash
# Reference outputs of vistrane-cli, recorded once and compared since.
#
#   golden.sh check PATH_TO_VISTRANE_CLI
#       replays every recorded script and deal; fails on any byte that differs
#   golden.sh record PATH_TO_VISTRANE_CLI PATH_TO_VISTRANE_GOLDEN_SCRIPTS
#       writes new scripts and expected outputs (only when the outputs are
#       meant to change: the check is the guard of the engine's behaviour)
#
# Each run's output is its standard output, "exit N", then what it wrote on
# standard error.
set -uo pipefail
mode=$1
cli=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin_dir=$(dirname "$cli")

play_deals=(1 123456789 9876543210123)
deal_numbers=(0 7 31415926535 9999999999999)
steps=200

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Plays script $1 in a program directory of its own; prints the output.
play_script() {
    local script=$1 dir
    dir=$(mktemp -d -p "$work")
    cp "$bin_dir/GAMES.DAT" "$dir/"
    read -r _ _ args < <(head -1 "$script")
    "$cli" --dir "$dir" play $args <"$script" 2>"$dir/stderr"
    echo "exit $?"
    cat "$dir/stderr"
    rm -rf "$dir"
}

# The deals of game $1, one after the other.
deal_game() {
    local game=$1 deal
    for deal in "${deal_numbers[@]}"; do
        echo "== deal $game $deal"
        "$cli" deal "$game" "$deal" 2>"$work/stderr"
        echo "exit $?"
        cat "$work/stderr"
    done
}

games=$("$cli" games | cut -f1) || { echo "vistrane-cli games fails"; exit 1; }

if [[ $mode == record ]]; then
    generator=$3
    rm -rf "$here/scripts" "$here/expected"
    mkdir -p "$here/scripts" "$here/expected"
    seed=1
    for game in $games; do
        deal_game "$game" >"$here/expected/deals_$game.out"
        for deal in "${play_deals[@]}"; do
            for auto in "" --autoplay; do
                name=g${game}_d${deal}${auto:+_auto}
                "$generator" "$bin_dir" "$game" "$deal" $((seed++)) $steps $auto \
                    >"$here/scripts/$name.txt" || { echo "cannot record $name"; exit 1; }
                play_script "$here/scripts/$name.txt" >"$here/expected/$name.out"
            done
        done
    done
    echo "recorded $(ls "$here/scripts" | wc -l) scripts, $(du -sh "$here" | cut -f1)"
    exit 0
fi

failures=0
for game in $games; do
    if ! diff <(deal_game "$game") "$here/expected/deals_$game.out" >"$work/diff"; then
        echo "FAIL: the deals of game $game differ:"; head -20 "$work/diff"
        failures=$((failures + 1))
    fi
done
count=0
for script in "$here"/scripts/*.txt; do
    name=$(basename "$script" .txt)
    count=$((count + 1))
    if ! diff <(play_script "$script") "$here/expected/$name.out" >"$work/diff"; then
        echo "FAIL: $name differs:"; head -20 "$work/diff"
        failures=$((failures + 1))
    fi
done
(( count > 0 )) || { echo "FAIL: no recorded scripts"; failures=$((failures + 1)); }
if (( failures > 0 )); then echo "$failures failure(s)"; exit 1; fi
echo "vistrane-cli: $count scripts and the deals of every game as recorded"
