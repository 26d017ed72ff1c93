#!/usr/bin/env bash
# The include-ladder check on small trees: a ladder passes; a cycle between
# two folders, a longer cycle and one between two view rooms fail and name
# the include lines that close them.
# usage: include_ladder_test.sh PATH_TO_CHECK_SCRIPT
set -uo pipefail
check=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# write TREE FILE INCLUDED...: a source file of TREE including each INCLUDED
write() {
    local tree=$1 file=$2
    shift 2
    mkdir -p "$root/$tree/$(dirname "$file")"
    : >"$root/$tree/$file"
    for included in "$@"; do echo "#include \"$included\"" >>"$root/$tree/$file"; done
}

write ladder model/cards.h
write ladder store/file.h
write ladder engine/rules.cpp model/cards.h store/file.h engine/rules.h
write ladder engine/rules.h model/cards.h
write ladder game/life.cpp engine/rules.h model/cards.h view/geometry/layout.h
write ladder view/geometry/layout.h model/cards.h
write ladder view/paint/painter.cpp view/geometry/layout.h missing/generated.h
out=$(python3 "$check" "$root/ladder") || fail "a ladder is reported: $out"

write pair model/cards.h
write pair model/deal.cpp engine/rules.h
write pair engine/rules.h model/cards.h
out=$(python3 "$check" "$root/pair") && fail "model <-> engine passes"
grep -q 'model/deal.cpp:1: #include "engine/rules.h"' <<<"$out" || fail "the closing include is not named: $out"

write ring store/file.h model/cards.h
write ring model/cards.h
write ring model/deal.cpp engine/rules.h
write ring engine/rules.h store/file.h
out=$(python3 "$check" "$root/ring") && fail "store -> model -> engine -> store passes"
grep -q 'engine, model, store' <<<"$out" || fail "the three rooms are not named: $out"

write views view/paint/painter.h view/motion/motion.h
write views view/motion/motion.h
write views view/motion/motion.cpp view/paint/painter.h
out=$(python3 "$check" "$root/views") && fail "view/paint <-> view/motion passes as one room"
grep -q 'view/motion -> view/paint' <<<"$out" || grep -q 'view/paint -> view/motion' <<<"$out" ||
    fail "the view rooms are not told apart: $out"

python3 "$check" "$root/no-such-folder" >/dev/null && fail "a missing source folder passes"

(( failures == 0 )) && echo "all include-ladder cases pass"
exit $(( failures > 0 ))
