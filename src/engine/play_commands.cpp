#include "engine/play_commands.h"

#include <optional>

#include "engine/autoplay.h"
#include "engine/card_location.h"
#include "engine/card_removal.h"
#include "engine/lift_rules.h"
#include "engine/move_log.h"
#include "engine/pointer_drop.h"
#include "engine/pointer_events.h"
#include "engine/pointer_lift.h"
#include "engine/pointer_script.h"
#include "engine/scoring.h"
#include "engine/stock.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/text.h"
#include "view/geometry/hit_test.h"

namespace vis {

namespace {

constexpr std::string_view kDiscardKey = "Mazzo_Waste";
constexpr int kAnyReserveCardLifts = -11;

struct VerbName {
    PlayVerb verb;
    std::string_view name;
    int arguments;
};

constexpr VerbName kVerbs[] = {
    {PlayVerb::kMove, "move", 2},         {PlayVerb::kStock, "stock", 0},
    {PlayVerb::kFlip, "flip", 1},         {PlayVerb::kUndo, "undo", 0},
    {PlayVerb::kRedo, "redo", 0},         {PlayVerb::kAutoplay, "autoplay", 0},
    {PlayVerb::kSnapshot, "snapshot", 0},
};

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", start);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::optional<CardNumber> ParseCard(std::string_view word) {
    if (word.empty() || word.size() > 3) return std::nullopt;
    for (char c : word)
        if (c < '0' || c > '9') return std::nullopt;
    const int card = ParseIntOr(word, 0);
    if (card < 1 || card > kLastCard) return std::nullopt;
    return card;
}

// What a command is judged by: whether it changed the piles or recorded a
// step.
struct Mark {
    PileLists piles;
    std::size_t undoLines = 0;
};

Mark MarkOf(const GameContext& ctx) {
    return {ctx.piles, ctx.history.undo.stock.size()};
}

bool Changed(const GameContext& ctx, const Mark& mark) {
    const PileLists& now = ctx.piles;
    return ctx.history.undo.stock.size() != mark.undoLines || now.mazzo != mark.piles.mazzo ||
           now.dest != mark.piles.dest || now.fila != mark.piles.fila ||
           now.appogg != mark.piles.appogg;
}

// A press that lifted a block but is not to be followed by a drop: the
// block goes back, with nothing of the release's follow-ups.
void PutBackLifted(GameContext& ctx) {
    if (ctx.game.pointer.lifted) SendBack(ctx, ctx.game.draggedCard);
    ClearDrag(ctx);
}

// After a press that is meant to act by itself (a turn, a deal, a
// discard): a press that did nothing is taken back without its release,
// so that a refused command sets off no gap filling nor autoplay either.
bool ReleaseIfActed(GameContext& ctx, PlayHooks& hooks, const Mark& mark) {
    if (!Changed(ctx, mark) && !ctx.game.stockPressed) {
        PutBackLifted(ctx);
        return false;
    }
    const Point at = ctx.game.pointer.press;
    PointerUp(ctx, hooks, PointerButton::kLeft, at.x, at.y);
    return Changed(ctx, mark);
}

bool OnTable(const GameContext& ctx, PileRef pile) {
    return IsOnTable(ctx.game.layout, pile);
}

// The piles a target word names, in the order they are tried.
std::vector<DropCandidate> TargetsNamed(const GameContext& ctx, std::string_view word,
                                        PileRef own) {
    std::vector<DropCandidate> targets;
    auto add = [&](PileRef pile, DropKind kind) {
        if (pile != own && OnTable(ctx, pile)) targets.push_back({kind, pile.index});
    };
    if (word == "Dest") {
        for (int i = 0; i < UsedFoundations(ctx); ++i)
            add({PileList::Dest, i}, DropKind::kFoundation);
    } else if (word == "Fila") {
        // As the automatic moves try them: piles with cards before spaces.
        for (const bool wantEmpty : {false, true})
            for (int i = 0; i < UsedTableauPiles(ctx); ++i)
                if (ctx.piles.fila[static_cast<std::size_t>(i)].empty() == wantEmpty)
                    add({PileList::Fila, i}, DropKind::kTableau);
    } else if (word == "Appogg") {
        for (int i = 0; i < UsedReserves(ctx); ++i) add({PileList::Appogg, i}, DropKind::kReserve);
    } else if (const std::optional<DropCandidate> named = DropCandidateFor(word)) {
        if (const std::optional<PileRef> pile = PileByKey(word)) add(*pile, named->kind);
    }
    return targets;
}

// Every pile of the table a lifted block may be dropped on.
std::vector<DropCandidate> AllTargets(const GameContext& ctx, PileRef own) {
    std::vector<DropCandidate> targets = TargetsNamed(ctx, "Dest", own);
    for (std::string_view word : {"Fila", "Appogg", "Mazzo_Vis"})
        for (const DropCandidate& target : TargetsNamed(ctx, word, own)) targets.push_back(target);
    return targets;
}

bool Discard(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const Mark mark = MarkOf(ctx);
    if (!PressOnCard(ctx, hooks, card)) return false;
    return ReleaseIfActed(ctx, hooks, mark);
}

bool MoveCard(GameContext& ctx, PlayHooks& hooks, CardNumber card, std::string_view word) {
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    // A press on the stock deals instead of lifting its card.
    if (origin.kind == OriginKind::kNone || origin.kind == OriginKind::kStock ||
        !OnTable(ctx, origin.pile) || !ctx.deck.IsFaceUp(card))
        return false;
    if (TraitsOf(ctx.rules[rule::kFamily]).discardsByRank && origin.kind == OriginKind::kTableau)
        return word == kDiscardKey && Discard(ctx, hooks, card);
    const std::vector<DropCandidate> targets = TargetsNamed(ctx, word, origin.pile);
    if (targets.empty()) return false;

    const Mark mark = MarkOf(ctx);
    if (!PressOnCard(ctx, hooks, card)) return false;
    if (PressPlaysByItself(ctx) && Changed(ctx, mark)) return ReleaseIfActed(ctx, hooks, mark);
    if (!ctx.game.pointer.lifted || ctx.game.draggedCard != card) {
        PutBackLifted(ctx);
        return false;
    }
    for (const DropCandidate& target : targets) {
        if (!DropAccepts(ctx, card, target, !ctx.game.singleCardMove)) continue;
        DropLiftedBlockOn(ctx, hooks, target);
        return Changed(ctx, mark);
    }
    PutBackLifted(ctx);
    return false;
}

bool Flip(GameContext& ctx, PlayHooks& hooks, CardNumber card) {
    const CardOrigin origin = FindOrigin(ctx.piles, card);
    // Only a tableau card is turned up by a press on it.
    if (origin.kind != OriginKind::kTableau || !OnTable(ctx, origin.pile) ||
        ctx.deck.IsFaceUp(card))
        return false;
    const Mark mark = MarkOf(ctx);
    if (!PressOnCard(ctx, hooks, card)) return false;
    return ReleaseIfActed(ctx, hooks, mark) && ctx.deck.IsFaceUp(card);
}

bool Stock(GameContext& ctx, PlayHooks& hooks) {
    const Mark mark = MarkOf(ctx);
    if (!PressOnStock(ctx, hooks)) return false;
    return ReleaseIfActed(ctx, hooks, mark);
}

// One autoplay pass, as the switch would run it, in any game that allows
// autoplay.
bool AutoplayOnce(GameContext& ctx, PlayHooks& hooks) {
    if (!ctx.ui.IsCommandGroupEnabled(CommandGroup::kAutoplay)) return false;
    const Mark mark = MarkOf(ctx);
    const bool switchWas = ctx.game.autoplaySwitch;
    ctx.game.autoplaySwitch = true;
    AutoplayPass(ctx, hooks);
    ctx.game.autoplaySwitch = switchWas;
    return Changed(ctx, mark);
}

// The score follows the restored position; in the clock game a position
// taken back to can be the lost one.
bool Step(GameContext& ctx, HistoryDirection direction) {
    return StepHistory(ctx, direction, false, [](GameContext& c) { UpdateScore(c); });
}

// The cards of a pile that a press may lift: every face-up card of a
// tableau pile (alone or with the run above it), the top card elsewhere.
std::vector<CardNumber> PressableCards(const GameContext& ctx, PileRef pile) {
    const std::string& text = ctx.piles.Pile(pile);
    const bool anySlot =
        pile.list == PileList::Fila ||
        (pile.list == PileList::Appogg && ctx.rules[rule::kReserveLift] == kAnyReserveCardLifts);
    std::vector<CardNumber> cards;
    const int count = CardCount(text);
    for (int slot = anySlot ? 0 : count - 1; slot >= 0 && slot < count; ++slot) {
        const CardNumber card = CardAt(text, slot);
        if (card > 0 && ctx.deck.IsFaceUp(card)) cards.push_back(card);
    }
    return cards;
}

std::vector<PileRef> PilesOnTable(const GameContext& ctx) {
    std::vector<PileRef> piles;
    auto add = [&](PileRef pile) {
        if (OnTable(ctx, pile)) piles.push_back(pile);
    };
    add({PileList::Mazzo, kWasteIndex});
    for (int i = 0; i < UsedFoundations(ctx); ++i) add({PileList::Dest, i});
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) add({PileList::Fila, i});
    for (int i = 0; i < UsedReserves(ctx); ++i) add({PileList::Appogg, i});
    return piles;
}

// Whether a press at the point where the commands press on `card` hits it
// on `pile`: on a crowded table a pile's cards can hide another's.
bool UnderThePointer(const GameContext& ctx, CardNumber card, PileRef pile) {
    const std::optional<Point> at = PointOnCard(ctx, card);
    if (!at) return false;
    const PileHit hit = PileAtPoint(ctx, at->x, at->y);
    return hit.card == card && PileByKey(hit.key) == pile;
}

// The moves the position allows, judged as a press and a drop would judge
// them, without pressing.
void AddMoves(const GameContext& ctx, std::vector<PlayCommand>& out) {
    const bool discards = TraitsOf(ctx.rules[rule::kFamily]).discardsByRank;
    for (const PileRef pile : PilesOnTable(ctx)) {
        for (const CardNumber card : PressableCards(ctx, pile)) {
            if (discards && pile.list == PileList::Fila) {
                if (TopCard(ctx.piles.Pile(pile)) == card && DiscardTakes(ctx, card))
                    out.push_back({PlayVerb::kMove, card, std::string(kDiscardKey)});
                continue;
            }
            const std::optional<Lift> lift = LiftFrom(ctx, pile, card);
            if (!lift || !UnderThePointer(ctx, card, pile)) continue;
            for (const DropCandidate& target : AllTargets(ctx, pile))
                if (DropAccepts(ctx, card, target, lift == Lift::kRun))
                    out.push_back({PlayVerb::kMove, card, DropTargetKey(target)});
        }
    }
}

}  // namespace

ParsedLine ParsePlayLine(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words.front().front() == '#') return {};
    for (const VerbName& verb : kVerbs) {
        if (words.front() != verb.name) continue;
        if (static_cast<int>(words.size()) != verb.arguments + 1) return {LineKind::kMalformed, {}};
        PlayCommand command{verb.verb, 0, {}};
        if (verb.arguments >= 1) {
            const std::optional<CardNumber> card = ParseCard(words[1]);
            if (!card) return {LineKind::kMalformed, {}};
            command.card = *card;
        }
        if (verb.arguments == 2) command.target = std::string(words[2]);
        return {LineKind::kCommand, command};
    }
    return {LineKind::kMalformed, {}};
}

std::string PlayCommandText(const PlayCommand& command) {
    std::string text;
    for (const VerbName& verb : kVerbs)
        if (verb.verb == command.verb) text = std::string(verb.name);
    if (command.verb == PlayVerb::kMove || command.verb == PlayVerb::kFlip)
        text += " " + std::to_string(command.card);
    if (command.verb == PlayVerb::kMove) text += " " + command.target;
    return text;
}

bool CarryOutCommand(GameContext& ctx, PlayHooks& hooks, const PlayCommand& command) {
    switch (command.verb) {
        case PlayVerb::kMove:
            return MoveCard(ctx, hooks, command.card, command.target);
        case PlayVerb::kStock:
            return Stock(ctx, hooks);
        case PlayVerb::kFlip:
            return Flip(ctx, hooks, command.card);
        case PlayVerb::kUndo:
            return Step(ctx, HistoryDirection::kUndo);
        case PlayVerb::kRedo:
            return Step(ctx, HistoryDirection::kRedo);
        case PlayVerb::kAutoplay:
            return AutoplayOnce(ctx, hooks);
        case PlayVerb::kSnapshot:
            return true;
    }
    return false;
}

std::vector<PlayCommand> LegalCommands(const GameContext& ctx) {
    std::vector<PlayCommand> out;
    if (!ctx.flags[Flag::kGameInProgress]) return out;
    if (!PressPlaysByItself(ctx)) AddMoves(ctx, out);
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        if (OnTable(ctx, {PileList::Fila, i}) && PressTurnsTopUp(ctx, i))
            out.push_back(
                {PlayVerb::kFlip, TopCard(ctx.piles.fila[static_cast<std::size_t>(i)]), {}});
    if (OnTable(ctx, {PileList::Mazzo, kStockIndex}) && StockPressActs(ctx))
        out.push_back({PlayVerb::kStock, 0, {}});
    if (StepAllowed(ctx, HistoryDirection::kUndo)) out.push_back({PlayVerb::kUndo, 0, {}});
    if (StepAllowed(ctx, HistoryDirection::kRedo)) out.push_back({PlayVerb::kRedo, 0, {}});
    return out;
}

}  // namespace vis
