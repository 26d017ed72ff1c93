// A fresh program directory with the built games file and library, and a
// Klondike deal parked in it as a held game, as a player would leave it.
#pragma once

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace vis::test {

inline constexpr long long kFirstTestDeal = 4242;

class ProgramDir {
public:
    ProgramDir();  // GAMES.DAT and VIS.RGF copied in
    const std::filesystem::path& Path() const { return dir_.Path(); }
    std::filesystem::path operator/(std::string_view name) const { return dir_ / name; }

    // Also the program, for the runs of the real executable.
    void CopyProgram();
    // Deals Klondike, the first deal from kFirstTestDeal on with a move
    // between tableau piles, and holds it in DATA\Stat_e01.dat.
    void HoldKlondike();
    const std::string& DealNumber() const { return dealNumber_; }
    // The [Preference] value of the configuration file, `fallback` when none.
    std::string Preference(std::string_view key, std::string_view fallback = "") const;
    void WritePreference(std::string_view key, std::string_view value) const;

private:
    TempDir dir_;
    std::string dealNumber_;
};

// The catalog number of Klondike in the built games file.
int KlondikeNumber(const std::filesystem::path& programDir);

}  // namespace vis::test
