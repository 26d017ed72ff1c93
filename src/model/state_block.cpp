#include "model/state_block.h"

#include "model/text.h"

namespace vis {

namespace {
constexpr std::size_t kBlockStartLength = 250;

// Block index and 1-based offset of a position; -1 for the positions that
// belong to no block (250, 500 and anything outside 1-999).
int BlockOf(int position, int& offset) {
    if (position >= 1 && position <= 249) {
        offset = position;
        return 0;
    }
    if (position >= 251 && position <= 499) {
        offset = position - 250;
        return 1;
    }
    if (position >= 501 && position <= 999) {
        offset = position - 500;
        return 2;
    }
    return -1;
}
}  // namespace

StateBlock::StateBlock() {
    for (auto& block : blocks_) block.assign(kBlockStartLength, ' ');
}

void StateBlock::SetStateField(int position, int length, std::string_view value) {
    int offset = 0;
    const int index = BlockOf(position, offset);
    if (index < 0 || length <= 0) return;
    std::string& block = blocks_[static_cast<std::size_t>(index)];
    const std::size_t start = static_cast<std::size_t>(offset - 1);  // offsets are 1-based
    const std::size_t len = static_cast<std::size_t>(length);
    if (block.size() < start + len) block.resize(start + len, ' ');
    block.replace(start, len, PadOrCut(TrimLeft(value), len));
    RefreshSettings(position, length);
}

void StateBlock::RefreshSettings(int position, int length) {
    struct Choice {
        StateField field;
        bool Settings::*value;
        bool onlyWhenY;  // otherwise on unless "N"
    };
    static constexpr Choice kChoices[] = {
        {field::kCardsAnimate, &Settings::cardsAnimate, false},
        {field::kDealAnimation, &Settings::dealAnimation, false},
        {field::kRedealAnimation, &Settings::redealAnimation, false},
        {field::kAutomaticFaceUp, &Settings::automaticFaceUp, false},
        {field::kIrregularPiles, &Settings::irregularPiles, false},
        {field::kConfirmQuitGame, &Settings::confirmQuitGame, false},
        {field::kCardsShadowed, &Settings::cardsShadowed, true},
        {field::kVertScrollBar, &Settings::vertScrollBar, true},
    };
    for (const Choice& choice : kChoices) {
        const int at = choice.field.position;
        if (at < position || at >= position + length) continue;
        const std::string text = Get(choice.field);
        settings_.*choice.value = choice.onlyWhenY ? text == "Y" : text != "N";
    }
}

std::string StateBlock::GetStateField(int position, int length) const {
    int offset = 0;
    const int index = BlockOf(position, offset);
    if (index < 0 || length <= 0) return {};
    const std::string& block = blocks_[static_cast<std::size_t>(index)];
    const std::size_t start = static_cast<std::size_t>(offset - 1);
    if (start >= block.size()) return {};
    return TrimRight(std::string_view(block).substr(start, static_cast<std::size_t>(length)));
}

std::int32_t StateBlock::GetInt(StateField f, std::int32_t fallback) const {
    return ParseIntOr(Get(f), fallback);
}

void StateBlock::SetZeroPadded(StateField f, std::int64_t value) {
    Set(f, ZeroPad(value, f.length));
}

void StateBlock::SetDecimal(StateField f, std::int64_t value) {
    Set(f, std::to_string(value));
}

}  // namespace vis
