#include "move_rules_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/move_rules.h"

#include "model/piles.h"
#include "model/rule_index.h"

namespace vis::test {

namespace {
constexpr int kBaselineFoundations = 8;
constexpr int kBaselineTableau = 10;
constexpr int kBaselineReserves = 4;
}  // namespace

std::string PileText(std::initializer_list<CardNumber> cards) {
    std::string text;
    for (CardNumber card : cards) text += CardText(card);
    return text;
}

Table::Table() : ctx_(std::make_unique<GameContext>(ui_)) {
    SetRules({{rule::kFoundationCount, kBaselineFoundations},
              {rule::kTableauCount, kBaselineTableau},
              {rule::kReserveCount, kBaselineReserves},
              {rule::kFoundationMaxCards, 13},
              {rule::kTableauMaxCards, -1},
              {rule::kMoveUnitLimit, -1}});
    for (int i = 0; i < kBaselineFoundations; ++i) {
        SetRule(rule::kFoundationBase + i, 1);
        SetRule(rule::kFoundationDirection + i, 1);
        SetRule(rule::kFoundationBuilding + i, 0);
    }
    for (int i = 0; i < kBaselineTableau; ++i) {
        SetRule(rule::kTableauEmpty + i, -1);
        SetRule(rule::kTableauDirection + i, 0);
        SetRule(rule::kTableauBuilding + i, 3);
    }
}

Table::Table(const Position& position, const RuleValues& rules) : Table() {
    SetRules(rules);
    Lay(position);
}

void Table::Lay(const Position& position) {
    for (const PileSetup& setup : position) {
        const auto pile = PileByKey(setup.key);
        if (!pile) throw std::invalid_argument("no pile " + std::string(setup.key));
        std::string& text = ctx_->piles.Pile(*pile);
        text.clear();
        for (CardNumber card : setup.cards) text += CardText(card);
    }
}

void Table::SetRules(const RuleValues& rules) {
    for (const RuleValue& r : rules) SetRule(r.index, r.value);
}

void Table::SetRule(int index, int value) {
    ctx_->rules.Set(index, value);
}

void Table::FaceDown(CardNumber card) {
    ctx_->deck.SetCardFace(card, kFaceDown);
}

RuleValues ForFoundations(int base, int value) {
    RuleValues values;
    for (int i = 0; i < kDestPileCount; ++i) values.push_back({base + i, value});
    return values;
}

RuleValues ForTableau(int base, int value) {
    RuleValues values;
    for (int i = 0; i < kFilaPileCount; ++i) values.push_back({base + i, value});
    return values;
}

RuleValues Joined(std::initializer_list<RuleValues> parts) {
    RuleValues values;
    for (const RuleValues& part : parts) values.insert(values.end(), part.begin(), part.end());
    return values;
}

RuleValues FoundationCode(int code) {
    return ForFoundations(rule::kFoundationBuilding, code);
}
RuleValues FoundationBase(int rank) {
    return ForFoundations(rule::kFoundationBase, rank);
}
RuleValues FoundationDirection(int direction) {
    return ForFoundations(rule::kFoundationDirection, direction);
}
RuleValues TableauCode(int code) {
    return ForTableau(rule::kTableauBuilding, code);
}
RuleValues TableauEmptyRule(int rule) {
    return ForTableau(rule::kTableauEmpty, rule);
}
RuleValues FoundationMostCards(int cards) {
    return {{rule::kFoundationMaxCards, cards}};
}

void ExpectVerdicts(const std::vector<PlayCase>& cases, const RuleValues& common) {
    for (const PlayCase& c : cases) {
        Table table(c.position, Joined({common, c.rules}));
        if (c.run) table.MoveRun();
        EXPECT_EQ(CanPlayToPile(table.Ctx(), c.card, c.target), c.expected) << c.what;
    }
}

}  // namespace vis::test
