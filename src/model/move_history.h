// The undo and redo sides of the move history (its operations: engine/move_log.h).
#pragma once

#include <string>
#include <vector>

#include "model/piles.h"

namespace vis {

// One side of the history: four line stacks (newest last) and the log.
struct HistorySide {
    std::vector<std::string> stock;       // 3 lines a step
    std::vector<std::string> foundation;  // 16 lines a step
    std::vector<std::string> tableau;     // 28 lines a step
    std::vector<std::string> reserve;     // 8 lines a step
    std::string log;                      // entries of 3-digit codes, each ended by ","

    bool IsEmpty() const { return stock.empty(); }
    void Clear() {
        stock.clear();
        foundation.clear();
        tableau.clear();
        reserve.clear();
        log.clear();
    }
};

enum class HistoryDirection { kRedo = 0, kUndo = 1 };

struct MoveHistory {
    HistorySide undo;
    HistorySide redo;
    // The piles just before the last non-silent undo or redo, for drawing.
    PileLists previousPosition;

    HistorySide& Side(HistoryDirection d) { return d == HistoryDirection::kUndo ? undo : redo; }
    const HistorySide& Side(HistoryDirection d) const {
        return d == HistoryDirection::kUndo ? undo : redo;
    }
};

}  // namespace vis
