#include "records/player_name.h"

#include <gtest/gtest.h>

namespace vis {
namespace {

TEST(PlayerNameTest, OnlyNamesTheRecordsCanHoldAreStorable) {
    struct Case {
        std::string name;
        std::string problem;  // empty: storable
    };
    const std::string thirty(30, 'a');
    const Case cases[] = {
        {"Ann", ""},
        {"  Ann  ", ""},  // the blanks around a name are never stored
        {thirty, ""},
        {"Jos\xe9 M\xfcller", ""},  // Windows-1252 letters
        {"a=b]", ""},
        {"x[", ""},
        {"", "A player name needs at least 1 character."},
        {"   ", "A player name needs at least 1 character."},
        {thirty + "b", "The player name \"" + thirty +
                           "b\" cannot be used: it is longer than 30 "
                           "characters."},
        {"[x", "The player name \"[x\" cannot be used: it must not start with \"[\"."},
        {" [x", "The player name \"[x\" cannot be used: it must not start with \"[\"."},
        {"Ann\r\n[Users]",
         "The player name \"Ann??[Users]\" cannot be used: it holds a line end "
         "or another control character."},
        {"Ann\nUserDefault=Bob",
         "The player name \"Ann?UserDefault=Bob\" cannot be used: it "
         "holds a line end or another control character."},
        {"A\tB",
         "The player name \"A?B\" cannot be used: it holds a line end or another control "
         "character."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlayerNameProblem(c.name), c.problem) << c.name;
        EXPECT_EQ(IsStorablePlayerName(c.name), c.problem.empty()) << c.name;
    }
}

}  // namespace
}  // namespace vis
