#include "engine/move_log.h"

#include <algorithm>

#include "engine/consistency_guard.h"
#include "model/position_snapshot.h"
#include "model/sound_events.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr int kStockLines = 3;
constexpr int kFoundationLines = kDestPileCount;
constexpr int kTableauLines = kFilaPileCount;
constexpr int kReserveLines = kAppoggPileCount;

// Position of the comma before the newest entry, searching backwards from
// the second-to-last character.
std::size_t CommaBeforeNewest(std::string_view log) {
    if (log.size() < 2) return std::string_view::npos;
    return log.find_last_of(',', log.size() - 2);
}

// The 3-digit groups of one entry, read as numbers.
template <typename Visit>
void ForEachCode(std::string_view entry, Visit visit) {
    for (std::size_t at = 0; at + 3 <= entry.size(); at += 3)
        visit(ParseIntOr(entry.substr(at, 3), -1));
}

std::string PopLine(std::vector<std::string>& stack) {
    if (stack.empty()) return {};
    std::string line = std::move(stack.back());
    stack.pop_back();
    return line;
}

// Pops `count` lines into piles count-1 .. 0 of `list`, newest first.
void PopInto(GameContext& ctx, std::vector<std::string>& stack, PileList list, int count) {
    for (int i = count - 1; i >= 0; --i) {
        if (stack.empty()) return;
        RestorePileLine(ctx, {list, i}, PopLine(stack));
    }
}

void FoldNewestLogEntries(std::string& log) {
    const std::string newest = NewestLogEntry(log);
    DropNewestLogEntry(log);
    DropNewestLogEntry(log);
    AppendLogEntry(log, newest);
}

void ForEachStack(HistorySide& side, const auto& visit) {
    visit(side.stock, kStockLines);
    visit(side.foundation, kFoundationLines);
    visit(side.tableau, kTableauLines);
    visit(side.reserve, kReserveLines);
}

}  // namespace

bool StepAllowed(const GameContext& ctx, HistoryDirection direction) {
    if (!ctx.flags[Flag::kGameInProgress]) return false;
    if (ctx.history.Side(direction).IsEmpty()) return false;
    const std::string mode = ctx.state.Get(field::kUndoMode);
    if (mode == "2") return false;
    if (mode == "1") {
        const StateField taken =
            direction == HistoryDirection::kUndo ? field::kUndoTaken : field::kRedoTaken;
        if (ctx.state.Get(taken) == "1") return false;
    }
    return true;
}

void DropNewestLogEntry(std::string& log) {
    const std::size_t comma = CommaBeforeNewest(log);
    if (comma == std::string::npos)
        log.clear();
    else
        log.resize(comma + 1);
}

std::string NewestLogEntry(std::string_view log) {
    const std::size_t comma = CommaBeforeNewest(log);
    if (comma != std::string_view::npos)
        return std::string(log.substr(comma + 1, log.size() - comma - 2));
    if (!log.empty() && log.back() == ',') log.remove_suffix(1);
    return std::string(log);
}

void AppendLogEntry(std::string& log, std::string_view entry) {
    log += entry;
    log += ',';
}

bool NewestEntryHasEvent(std::string_view log, int code) {
    bool found = false;
    ForEachCode(NewestLogEntry(log), [&](int c) { found = found || c == code; });
    return found;
}

int CountLogEvents(std::string_view log, int code) {
    int count = 0;
    std::size_t start = 0;
    while (start < log.size()) {
        std::size_t comma = log.find(',', start);
        if (comma == std::string_view::npos) comma = log.size();
        ForEachCode(log.substr(start, comma - start), [&](int c) { count += c == code ? 1 : 0; });
        start = comma + 1;
    }
    return count;
}

void PushSnapshot(GameContext& ctx, HistoryDirection side) {
    PositionSnapshot snapshot = TakeSnapshot(ctx);
    HistorySide& target = ctx.history.Side(side);
    auto append = [&](std::vector<std::string>& stack, int first, int count) {
        for (int i = first; i < first + count; ++i)
            stack.push_back(std::move(snapshot[static_cast<std::size_t>(i)]));
    };
    append(target.stock, kSnapshotStockLine, kStockLines);
    append(target.foundation, kSnapshotFoundationLine, kFoundationLines);
    append(target.tableau, kSnapshotTableauLine, kTableauLines);
    append(target.reserve, kSnapshotReserveLine, kReserveLines);
    AppendLogEntry(target.log, "");
    ctx.state.Set(side == HistoryDirection::kUndo ? field::kUndoTaken : field::kRedoTaken, "0");
}

void ClearRedo(GameContext& ctx) {
    ctx.history.redo.Clear();
}

void MarkStepEvent(GameContext& ctx, int code) {
    DropNewestLogEntry(ctx.history.undo.log);
    AppendLogEntry(ctx.history.undo.log, ZeroPad(code, 3));
}

void DropNewestSnapshots(GameContext& ctx, int count) {
    HistorySide& undo = ctx.history.undo;
    for (int n = 0; n < count; ++n) {
        ForEachStack(undo, [](std::vector<std::string>& stack, int lines) {
            for (int i = 0; i < lines && !stack.empty(); ++i) stack.pop_back();
        });
        FoldNewestLogEntries(undo.log);
    }
}

void DropSecondNewestLines(GameContext& ctx, int count) {
    HistorySide& undo = ctx.history.undo;
    for (int n = 0; n < count; ++n) {
        ForEachStack(undo, [](std::vector<std::string>& stack, int lines) {
            for (int i = 0; i < lines && stack.size() >= 2; ++i) stack.erase(stack.end() - 2);
        });
        FoldNewestLogEntries(undo.log);
    }
}

bool StepHistory(GameContext& ctx, HistoryDirection direction, bool silent,
                 const std::function<void(GameContext&)>& lossCheck) {
    const ConsistencyGuard guard(ctx);
    const bool undoing = direction == HistoryDirection::kUndo;
    if (!silent) {
        if (!StepAllowed(ctx, direction)) {
            ctx.ui.Beep();
            return false;
        }
        ctx.state.Set(undoing ? field::kUndoTaken : field::kRedoTaken, "1");
        ctx.ui.ShowBusyPointer();
        ctx.history.previousPosition = ctx.piles;
        if (undoing)
            PlaySoundEvent(ctx.ui, ctx.state, "Undo", field::kSoundsUndo);
        else
            PlaySoundEvent(ctx.ui, ctx.state, "Redo", field::kSoundsRedo);
    }
    ctx.game.highlightMarker = -1;

    const HistoryDirection other = undoing ? HistoryDirection::kRedo : HistoryDirection::kUndo;
    PushSnapshot(ctx, other);
    HistorySide& source = ctx.history.Side(direction);
    HistorySide& target = ctx.history.Side(other);

    const bool stockWasEmpty = ctx.piles.mazzo[kStockIndex].empty();
    PopInto(ctx, source.stock, PileList::Mazzo, kStockLines);
    const bool stockIsEmpty = ctx.piles.mazzo[kStockIndex].empty();
    if (undoing && !stockWasEmpty && stockIsEmpty) --ctx.game.passNumber;
    if (!undoing && stockWasEmpty && !stockIsEmpty) ++ctx.game.passNumber;
    PopInto(ctx, source.foundation, PileList::Dest, kFoundationLines);
    PopInto(ctx, source.tableau, PileList::Fila, kTableauLines);
    PopInto(ctx, source.reserve, PileList::Appogg, kReserveLines);

    if (!source.log.empty() && !target.log.empty()) {
        const std::string entry = NewestLogEntry(source.log);
        const int step = undoing ? -1 : 1;
        if (NewestEntryHasEvent(source.log, kEventReserveDeal)) ctx.game.dealCounter += step;
        if (NewestEntryHasEvent(source.log, kEventRedeal)) ctx.game.passNumber += step;
        DropNewestLogEntry(target.log);
        AppendLogEntry(target.log, entry);
        DropNewestLogEntry(source.log);
    }

    if (!silent) {
        ctx.ui.RepaintTable();
        if (lossCheck) lossCheck(ctx);
        ctx.ui.RefreshCardCounter();
        ctx.ui.RestorePointer();
    }
    if (ctx.history.undo.IsEmpty()) ctx.game.fillCounter = 0;
    return true;
}

void ReorderFoundation(GameContext& ctx, int foundation) {
    std::string& pile = ctx.piles.Pile(PileList::Dest, foundation);
    std::vector<CardNumber> sorted;
    for (CardNumber card : CardsOf(pile))
        sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), card), card);
    pile.clear();
    for (CardNumber card : sorted) pile += CardText(card);
    ctx.ui.RepaintTable();
    if (sorted.size() > 1) PlaySoundEvent(ctx.ui, ctx.state, "Reorder", true);
}

}  // namespace vis
