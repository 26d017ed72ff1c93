// The games file is checked whole once at the start: a file cut short
// must be refused there, not found out as an empty table at the deal.
#include <gtest/gtest.h>

#include "model/text.h"
#include "support/shipped_games.h"

namespace vis {
namespace {

class GamesFileCheckTest : public test::ShippedGamesTest {
protected:
    std::filesystem::path File() const { return dir / "GAMES.DAT"; }
    // The offset where the line of rule `index` starts.
    std::size_t RowStart(const std::string& text, int index) const {
        const std::size_t rules = text.find("[Sect2]");
        return text.find("\r\n" + ZeroPad(index, 4), rules) + 2;
    }
};

TEST_F(GamesFileCheckTest, TheShippedFileServes) {
    EXPECT_EQ(GamesFileProblem(File()), std::nullopt);
}

TEST_F(GamesFileCheckTest, AFileCutShortAnywhereIsRefusedWithWhatIsMissing) {
    const std::string whole = test::ReadFile(File());
    const std::size_t rules = whole.find("[Sect2]");
    const std::size_t after = whole.find("[SectS]");
    ASSERT_NE(after, std::string::npos);
    const struct {
        const char* where;
        std::size_t length;
        std::string says;
    } cases[] = {
        {"in the catalog", rules / 2, "the section [Sect2] is missing."},
        {"right after the rules header", rules + 9, "the section [Sect2] ends at rule 0;"},
        {"at the end of a row", RowStart(whole, 300), "ends at rule 299; the rules go on to 388."},
        {"inside a row", RowStart(whole, 300) + 40, "rule 300 has values for 2 of the"},
        {"inside the last row", after - 30, "rule 388 has values for"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        test::WriteFile(File(), std::string_view(whole).substr(0, c.length));
        const auto problem = GamesFileProblem(File());
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->rfind("The file " + File().string() + " is damaged:\r", 0), 0u)
            << *problem;
        EXPECT_NE(problem->find(c.says), std::string::npos) << *problem;
        EXPECT_NE(problem->find("reinstall the program"), std::string::npos);
    }
    // Cut inside the lists after the rules: every game still has its rules.
    test::WriteFile(File(), std::string_view(whole).substr(0, after + 12));
    EXPECT_EQ(GamesFileProblem(File()), std::nullopt);
}

TEST_F(GamesFileCheckTest, AMissingFileOrAnEmptyCatalogIsRefused) {
    std::filesystem::remove(File());
    EXPECT_EQ(GamesFileProblem(File()), GamesFileMissingMessage(File()));
    test::WriteFile(File(), "[Sect1]\r\n[Sect2]\r\n");
    const auto problem = GamesFileProblem(File());
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("the section [Sect1] lists no game."), std::string::npos);
}

}  // namespace
}  // namespace vis
