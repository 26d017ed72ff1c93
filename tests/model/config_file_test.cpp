#include "model/config_file.h"

#include <gtest/gtest.h>

#include "model/headless_ui.h"
#include "store/file_error.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path file = dir / "CFG.DAT";
};

TEST_F(ConfigFileTest, ReadsCaseInsensitivelyWithBothLineEnds) {
    test::WriteFile(file,
                    "[Preference]\r\nShow_Main_PopUp_Menu = N \r\nGame_Name=Klondike\n"
                    "Cursor=abc\nBack_Card=7\n[Users]\nUser001=Ann\n");
    EXPECT_EQ(ReadPref(file, "preference", "Show_Main_Popup_Menu", "Y"), "N");
    EXPECT_EQ(ReadPref(file, "Preference", "Game_name", ""), "Klondike");
    EXPECT_EQ(ReadPrefInt(file, "Preference", "Cursor", 10), 10);
    EXPECT_EQ(ReadPrefInt(file, "Preference", "Back_Card", 11), 7);
    EXPECT_EQ(ReadPref(file, "Users", "User001", ""), "Ann");
    EXPECT_EQ(ReadPref(file, "Users", "Back_Card", "none"), "none");  // key of another section
    EXPECT_EQ(ReadPref(dir / "missing.dat", "Preference", "Cursor", "10"), "10");
}

TEST_F(ConfigFileTest, DamagedFilesGiveDefaults) {
    const std::string cases[] = {
        "",
        std::string("\0\xff\x01[Pre\0ference]\r\n==\r\n", 20),
        "[Preference]\r\nno equals sign here\r\nCursor",
        "[Preference]\r\n" + std::string(1 << 20, 'x'),
        "garbage\r\n[Preference]",
    };
    for (const auto& content : cases) {
        test::WriteFile(file, content);
        EXPECT_EQ(ReadPrefInt(file, "Preference", "Cursor", 10), 10);
        EXPECT_EQ(test::ReadFile(file), content);  // reading changes nothing
    }
}

TEST_F(ConfigFileTest, WriteReplacesInPlaceAndKeepsEverythingElse) {
    const std::string before =
        "; hand-written "
        "comment\r\n[Preference]\r\nCursor=10\r\nGame=1\r\n\r\n[Users]\r\nUser001=Ann\r\n";
    test::WriteFile(file, before);
    WritePref(file, "PREFERENCE", "cursor", "12");
    EXPECT_EQ(test::ReadFile(file),
              "; hand-written "
              "comment\r\n[Preference]\r\nCursor=12\r\nGame=1\r\n\r\n[Users]\r\nUser001=Ann\r\n");
    EXPECT_EQ(ReadPrefInt(file, "Preference", "Cursor", 0), 12);
}

TEST_F(ConfigFileTest, WriteAddsKeyAtSectionEndOrNewSection) {
    test::WriteFile(file, "[Preference]\nCursor=10\n\n[Users]\nUser001=Ann\n");
    WritePref(file, "Preference", "Game", "3");
    WritePref(file, "Favourite Games", "Game001", "Klondike");
    EXPECT_EQ(test::ReadFile(file),
              "[Preference]\nCursor=10\nGame=3\n\n[Users]\nUser001=Ann\n"
              "[Favourite Games]\nGame001=Klondike\n");

    test::WriteFile(file, "[Preference]\r");  // a header ended by a lone carriage return
    WritePref(file, "Preference", "Cursor", "12");
    EXPECT_EQ(ReadPrefInt(file, "Preference", "Cursor", 0), 12);

    test::WriteFile(file, "[Users]\r\nUser001=Ann");  // no final line end
    WritePref(file, "Users", "User002", "Bob");
    EXPECT_EQ(test::ReadFile(file), "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
}

TEST_F(ConfigFileTest, FirstWriteCreatesFileAndFolder) {
    const auto nested = dir / "DATA" / "CFG.DAT";
    WritePrefInt(nested, "Preference", "Cursor", 4);
    EXPECT_EQ(test::ReadFile(nested), "[Preference]\r\nCursor=4\r\n");
}

TEST_F(ConfigFileTest, RefusedWriteReportsAndKeepsTheOldFile) {
    // A folder where the file should be: the replacement cannot land.
    std::filesystem::create_directories(dir / "CFG.DAT" / "keep");
    EXPECT_THROW(WritePref(dir / "CFG.DAT", "Preference", "Cursor", "4"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "CFG.DAT" / "keep"));
    // A regular file where the folder should be.
    test::WriteFile(dir / "DATA", "old");
    try {
        WritePref(dir / "DATA" / "CFG.DAT", "Preference", "Cursor", "4");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " + (dir / "DATA" / "CFG.DAT").string());
    }
    EXPECT_EQ(test::ReadFile(dir / "DATA"), "old");
    EXPECT_EQ(test::FileNames(dir.Path()), std::vector<std::string>{"DATA"});  // no temp left
}

TEST_F(ConfigFileTest, AdviceIsShownUntilTheBoxIsTicked) {
    HeadlessUi ui;
    ShowAdvice(ui, file, "Few colours.", "Screen_Under_256_Colors", 2);
    ui.QueueAnswer(true);
    ShowAdvice(ui, file, "Few colours.", "Screen_Under_256_Colors", 2);
    ShowAdvice(ui, file, "Few colours.", "Screen_Under_256_Colors", 2);
    EXPECT_EQ(ui.Log(),
              (std::vector<std::string>{"advice 2: Few colours.", "advice 2: Few colours."}));
    EXPECT_EQ(ReadPref(file, "Show_Messages", "Screen_Under_256_Colors", ""), "N");
}

}  // namespace
}  // namespace vis
