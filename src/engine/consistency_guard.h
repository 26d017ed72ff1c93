// Debug builds check every change of the table: a table that held each card
// of its deal exactly once, with the piles the game does not use empty,
// still does when the change is over. Tables laid by hand that are not a
// whole deal are left unchecked. Release builds check nothing and pay nothing.
#pragma once

#ifndef NDEBUG
#include <cassert>

#include "model/position_snapshot.h"
#endif

#include "model/game_context.h"

namespace vis {

class ConsistencyGuard {
public:
#ifndef NDEBUG
    explicit ConsistencyGuard(const GameContext& ctx)
        : ctx_(ctx), wasConsistent_(IsConsistent(ctx)) {}
    ~ConsistencyGuard() {
        assert(!wasConsistent_ || IsConsistent(ctx_));
    }
#else
    explicit ConsistencyGuard(const GameContext&) {}
#endif

    ConsistencyGuard(const ConsistencyGuard&) = delete;
    ConsistencyGuard& operator=(const ConsistencyGuard&) = delete;

#ifndef NDEBUG
private:
    const GameContext& ctx_;
    bool wasConsistent_;
#endif
};

}  // namespace vis
