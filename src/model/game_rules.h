// The rule values of the current game, and the backup of the ranges that a
// deal changes.
#pragma once

#include <array>
#include <cstdint>

#include "model/rule_index.h"

namespace vis {

class GameRules {
public:
    // Out-of-range indices read 0 and ignore writes.
    std::int16_t operator[](int index) const {
        return index >= 0 && index < rule::kRuleCount ? values_[static_cast<std::size_t>(index)]
                                                      : 0;
    }
    void Set(int index, int value) {
        if (index >= 0 && index < rule::kRuleCount)
            values_[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(value);
    }
    void Clear() { values_.fill(0); }

    // Foundation bases 48-63 and tableau fill rules 128-155.
    void BackupPileRules();
    void RestorePileRules();

private:
    std::array<std::int16_t, rule::kRuleCount> values_{};
    std::array<std::int16_t, 16> baseBackup_{};
    std::array<std::int16_t, 28> fillBackup_{};
};

}  // namespace vis
