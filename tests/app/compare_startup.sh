#!/usr/bin/env bash
# Side-by-side start-up figures under a private Xvfb: Vistrane 2000 on a
# program directory of its own and AisleRiot ("sol", installed by hand for
# the comparison only), alternating, RUNS runs each.
#   bash tests/app/compare_startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
display=:$((RANDOM % 100 + 200))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir -p "$work/program" "$work/home"
cp "$build/bin/vistrane" "$build/bin/GAMES.DAT" "$build/bin/VIS.RGF" "$work/program/"
sol=$(command -v sol || echo /usr/games/sol)
for run in $(seq "$runs"); do
    echo "vistrane: $(DISPLAY=$display HOME=$work/home "$build/bin/startup_probe" 1 \
        'Vistrane 2000 \[' "$work/program/vistrane" 2>/dev/null | head -1)"
    echo "aisleriot: $(DISPLAY=$display HOME=$work/home "$build/bin/startup_probe" 1 \
        'Klondike|AisleRiot|Solitaire' "$sol" 2>/dev/null | head -1)"
done
