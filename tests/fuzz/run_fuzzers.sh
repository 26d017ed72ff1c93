#!/usr/bin/env bash
# Runs every fuzz target in BIN_DIR, sharing TOTAL_SECONDS between them.
# Fails when a target finds a crash, a leak or a hang.
#
# Each target starts from its seed corpus in the repository,
# tests/fuzz/corpus/<target-name>/ (real small files, and the inputs that
# once found a fault, which so run again every time); what a run finds new
# stays in a scratch folder.
set -euo pipefail
bin_dir=$(cd "$1" && pwd)
corpus_root=$(cd "$(dirname "$0")" && pwd)/corpus
total=${2:-60}
mapfile -t targets < <(find "$bin_dir" -maxdepth 1 -type f -name '*_fuzz' -perm -u+x | sort)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $bin_dir"; exit 1; }
each=$(( total / ${#targets[@]} ))
[ "$each" -ge 5 ] || each=5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Crashing inputs are kept here so they can be replayed: TARGET FILE.
artifacts="$PWD/fuzz-artifacts"
mkdir -p "$artifacts"
passed=0
failed=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    mkdir -p "$work/$name"
    seeds=()
    [ -d "$corpus_root/$name" ] && seeds=("$corpus_root/$name")
    echo "fuzz: $name for ${each}s (seeds: ${seeds[*]:-none})"
    if (cd "$work" && "$target" -max_total_time="$each" -timeout=10 -rss_limit_mb=2048 \
            -max_len=65536 -artifact_prefix="$artifacts/$name-" "$work/$name" "${seeds[@]}" \
            > "$work/$name.log" 2>&1); then
        passed=$((passed + 1))
        grep -E '^(Done|#[0-9]+ +DONE)' "$work/$name.log" | tail -n 1 || true
    else
        failed=$((failed + 1))
        tail -n 60 "$work/$name.log"
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
