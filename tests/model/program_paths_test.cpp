#include "model/program_paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vis {
namespace {

TEST(ProgramPaths, PlayerFilesResolveBelowTheDataRootAndTheRestBelowTheProgram) {
    StateBlock state;
    SetProgramDir(state, "/opt/vistrane");
    EXPECT_EQ(ProgramFile(state, "DATA\\STAT.DAT"), "/opt/vistrane/DATA/STAT.DAT");
    SetDataRoot(state, "/home/ann/.local/share/Vistrane 2000");
    const struct {
        const char* stored;
        const char* native;
    } cases[] = {
        {"DATA\\CFG.DAT", "/home/ann/.local/share/Vistrane 2000/DATA/CFG.DAT"},
        {"data\\Stat_e01.dat", "/home/ann/.local/share/Vistrane 2000/data/Stat_e01.dat"},
        {"DATA/STAT_LOG.DAT", "/home/ann/.local/share/Vistrane 2000/DATA/STAT_LOG.DAT"},
        {"GAMES.DAT", "/opt/vistrane/GAMES.DAT"},
        {"Demos\\G0002.GAM", "/opt/vistrane/Demos/G0002.GAM"},
        {"DATABASE\\X", "/opt/vistrane/DATABASE/X"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgramFile(state, c.stored), c.native) << c.stored;
    state.Set(field::kConfigPath, kConfigRelativePath);
    EXPECT_EQ(ConfigFilePath(state), "/home/ann/.local/share/Vistrane 2000/DATA/CFG.DAT");
}

// Running as root, a folder's mode bits refuse nothing; a file standing
// where a folder must be refuses for everyone.
class DataFolderTest : public ::testing::Test {
protected:
    test::TempDir program;
    test::TempDir user;
};

TEST_F(DataFolderTest, TheProgramDirectoryServesWhileItsDataFolderTakesFiles) {
    EXPECT_EQ(ChooseDataRoot(program.Path(), user / "Vistrane 2000"), program.Path());
    EXPECT_TRUE(std::filesystem::is_directory(program / "DATA"));
    EXPECT_EQ(test::FileNames(program / "DATA"), std::vector<std::string>{})
        << "the test file stays behind";
    EXPECT_FALSE(DataFolderProblem(program.Path()));
}

TEST_F(DataFolderTest, AProgramDirectoryThatCannotBeWrittenHandsOverToTheUserFolder) {
    test::WriteFile(program / "DATA", "not a folder");
    const auto userRoot = user / "Vistrane 2000";
    EXPECT_EQ(ChooseDataRoot(program.Path(), userRoot), userRoot);
    EXPECT_TRUE(std::filesystem::is_directory(userRoot / "DATA"));
    // Neither can be written: the program directory, as before.
    test::WriteFile(user / "blocked", "");
    EXPECT_EQ(ChooseDataRoot(program.Path(), user / "blocked" / "Vistrane 2000"), program.Path());
    EXPECT_EQ(ChooseDataRoot(program.Path(), {}), program.Path());
}

TEST_F(DataFolderTest, WhatCannotBeSavedIsNamed) {
    test::WriteFile(program / "DATA", "not a folder");
    std::filesystem::create_directories(user / "DATA" / "CFG.DAT");
    const struct {
        std::filesystem::path root;
        std::string problem;
    } cases[] = {
        {program.Path(), "The folder " + (program / "DATA").string() + " cannot be created."},
        {user.Path(),
         "The file " + (user / "DATA" / "CFG.DAT").string() + " cannot be read and written."},
    };
    for (const auto& c : cases) {
        const auto problem = DataFolderProblem(c.root);
        ASSERT_TRUE(problem) << c.root;
        EXPECT_EQ(*problem, c.problem);
    }
}

TEST_F(DataFolderTest, ASessionFolderHoldsACopyOfThePlayersFilesAndTakesTheWrites) {
    StateBlock state;
    SetProgramDir(state, program.Path());
    std::filesystem::create_directories(program / "DATA" / "UNREADABLE.DAT");
    test::WriteFile(program / "DATA" / "CFG.DAT", "[Preference]\r\nUserDefault=Ann\r\n");
    test::WriteFile(program / "DATA" / "STAT.DAT", "[Version]\r\nVersion=0300\r\n");
    ASSERT_TRUE(UseSessionDataFolder(state, user.Path()));
    EXPECT_EQ(DataRoot(state), user.Path() / "");
    EXPECT_EQ(test::FileNames(user / "DATA"), (std::vector<std::string>{"CFG.DAT", "STAT.DAT"}));
    EXPECT_EQ(test::ReadFile(ProgramFile(state, "DATA\\CFG.DAT")),
              "[Preference]\r\nUserDefault=Ann\r\n");
    EXPECT_FALSE(DataFolderProblem(DataRoot(state)));

    test::WriteFile(program / "blocked", "");
    EXPECT_FALSE(UseSessionDataFolder(state, program / "blocked"));
    EXPECT_EQ(DataRoot(state), user.Path() / "");
}

}  // namespace
}  // namespace vis
