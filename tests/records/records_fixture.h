// A scratch program directory with a current game and player, for the tests
// of the statistics, log and score files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/hi_scores.h"
#include "store/section_file.h"
#include "support/temp_dir.h"

namespace vis::test {

struct RecordsScratch {
    RecordsScratch() {
        SetProgramDir(ctx.state, dir.Path());
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        std::filesystem::create_directories(dir / "DATA");
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kRunWon, "0000");
        ctx.state.Set(field::kRunLost, "0000");
        ui.SetNow({13 * 3600 + 5 * 60 + 9, 2024, 3, 7});
        services.baseGameRules = [this](const GameContext&, int game) {
            rulesAskedFor = game;
            return std::optional<InventedScoreRules>(baseRules);
        };
        services.fillerDigit = [this] { return filler; };
    }
    RecordsScratch(const RecordsScratch&) = delete;
    RecordsScratch& operator=(const RecordsScratch&) = delete;

    void SetGame(int game, const std::string& name) {
        ctx.state.SetZeroPadded(field::kGameNumber, game);
        ctx.state.Set(field::kGameName, name);
    }
    void SetPlayer(const std::string& player) { ctx.state.Set(field::kPlayer, player); }
    void SetScore(int score) { ctx.state.SetDecimal(field::kScore, score); }
    void SetDeal(const std::string& deal) { ctx.state.Set(field::kDealNumber, deal); }

    std::filesystem::path Data(const char* name) const { return dir / "DATA" / name; }
    std::string Read(const char* name) const { return ReadFile(Data(name)); }
    void Write(const char* name, std::string_view content) const { WriteFile(Data(name), content); }

    // The value of the line of `section` that starts with `key` and "=".
    std::string Value(const char* file, const std::string& section, const std::string& key) const {
        for (const auto& line : ReadSectionLines(Data(file), section))
            if (StartsWith(line, key + "=")) return line.substr(key.size() + 1);
        return "?";
    }

    TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
    InventedScoreRules baseRules{-1, 52};
    int rulesAskedFor = -999;
    int filler = 4;  // the filler digit every write draws
    HiScoreServices services;
};

class RecordsTest : public ::testing::Test, public RecordsScratch {};

}  // namespace vis::test
