#include "store/section_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/headless_ui.h"
#include "store/file_error.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class SectionFileTest : public ::testing::Test {
protected:
    void Write(std::string_view content) { test::WriteFile(file, content); }
    std::string Content() const { return test::ReadFile(file); }

    test::TempDir dir;
    std::filesystem::path file = dir / "STAT.DAT";
    HeadlessUi ui;
};

constexpr std::string_view kThreeSections =
    "[Version]\r\nVersion=0300\r\n\r\n[A]\r\nGame=1\r\nName=Ann\r\n\r\n[B]\r\nx=1\r\n";

TEST_F(SectionFileTest, FindsSectionsOnlyAsWholeHeaderLines) {
    Write("[A]x\r\nv=[B]\r\n[AB]\r\n[A]\r\nk=1\r\n[B]");
    EXPECT_EQ(FindSection(file, "A"), 19);
    EXPECT_EQ(FindSection(file, "B"), 29);  // the header as the very last bytes
    EXPECT_FALSE(FindSection(file, "C").has_value());
    EXPECT_FALSE(FindSection(dir / "missing", "A").has_value());
    EXPECT_EQ(ListSections(file), (std::vector<std::string>{"AB", "A", "B"}));
}

TEST_F(SectionFileTest, FindsHeadersSplitAcrossBlocks) {
    // Place a header so that it straddles the 8192-byte block boundary at
    // every possible split point, and content across content blocks.
    const std::string header = "[Player_0042]";
    for (std::size_t split = 0; split <= header.size() + 3; ++split) {
        const std::size_t at = kSectionSearchBlockSize - split;
        std::string content(at - 2, 'x');
        content += "\r\n" + header + "\r\nk=v\r\n";
        Write(content);
        EXPECT_EQ(FindSection(file, "Player_0042"), static_cast<std::int64_t>(at)) << split;
        EXPECT_EQ(ReadKey(file, "Player_0042", "k", "?"), "v") << split;
    }
}

TEST_F(SectionFileTest, ReadsSectionsLongerThanOneContentBlock) {
    // The end of the long section ("\n[") falls on every side of a block edge.
    for (std::size_t pad = 0; pad < 4; ++pad) {
        std::string content = "[Long]\r\n";
        while (content.size() < 3 * kSectionContentBlockSize - 40 + pad)
            content += "Key" + std::to_string(content.size()) + "=value\r\n";
        content += "Last=yes\r\n\r\n[Next]\r\nLast=no\r\n";
        Write(content);
        EXPECT_EQ(ReadKey(file, "Long", "Last", "?"), "yes") << pad;
        EXPECT_EQ(ReadSectionLines(file, "Long").back(), "Last=yes") << pad;
        EXPECT_EQ(ReadKey(file, "Next", "Last", "?"), "no") << pad;
    }
}

TEST_F(SectionFileTest, ReadKeyPrefersALaterLineAndMatchesPrefixes) {
    Write("[S]\r\nGame_Name=Klondike  \r\nGame=7\r\nOther=1\r\n\r\n[T]\r\nGame=9\r\n");
    EXPECT_EQ(ReadKey(file, "S", "Game", "?"), "7");              // later line wins over the first
    EXPECT_EQ(ReadKey(file, "S", "Game_Name", "?"), "Klondike");  // trailing blanks removed
    EXPECT_EQ(ReadKey(file, "S", "Oth", "?"), "r=1");             // prefix: "e" taken as "="
    EXPECT_EQ(ReadKey(file, "S", "Missing", "?"), "?");
    EXPECT_EQ(ReadKey(file, "T", "Game", "?"), "9");
    EXPECT_EQ(ReadKey(file, "U", "Game", "?"), "?");
    Write("[S]\r\nGame_Name=Klondike\r\n");
    EXPECT_EQ(ReadKey(file, "S", "Game", "?"), "Name=Klondike");  // only the first line matches
}

TEST_F(SectionFileTest, ReadKeysAndSectionLines) {
    Write(kThreeSections);
    EXPECT_EQ(ReadKeys(file, "A", {"Name", "Game", "Nope"}, {"", "", "d"}),
              (std::vector<std::string>{"Ann", "1", "d"}));
    EXPECT_EQ(ReadSectionLines(file, "A"), (std::vector<std::string>{"Game=1", "Name=Ann"}));
    EXPECT_EQ(ReadSectionLines(file, "B"), (std::vector<std::string>{"x=1"}));
    Write("[E]\r\n[F]\r\nk=1\r\n");  // an empty section straight before another
    EXPECT_TRUE(ReadSectionLines(file, "E").empty());
    EXPECT_EQ(ReadKey(file, "E", "k", "?"), "?");
}

TEST_F(SectionFileTest, WriteKeyOfSameWidthChangesOnlyThoseBytes) {
    Write(kThreeSections);
    ASSERT_TRUE(WriteKey(ui, file, "A", "Name", "Bob"));
    std::string expected(kThreeSections);
    expected.replace(expected.find("Ann"), 3, "Bob");
    EXPECT_EQ(Content(), expected);
}

TEST_F(SectionFileTest, WriteKeyOfOtherWidthLeavesNoOldTail) {
    Write(kThreeSections);
    ASSERT_TRUE(WriteKey(ui, file, "A", "Name", "Al"));
    ASSERT_TRUE(WriteKey(ui, file, "A", "Game", "12"));
    EXPECT_EQ(Content(),
              "[Version]\r\nVersion=0300\r\n\r\n[A]\r\nGame=12\r\nName=Al\r\n\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(ReadKey(file, "A", "Name", "?"), "Al");
    EXPECT_EQ(test::FileNames(dir.Path()), std::vector<std::string>{"STAT.DAT"});
}

TEST_F(SectionFileTest, WriteKeyGivesAKeyAloneOnItsLineItsValue) {
    Write("[S]\r\nKey\r\nOther=1\r\n");
    ASSERT_TRUE(WriteKey(ui, file, "S", "Key", "value"));
    EXPECT_EQ(Content(), "[S]\r\nKey=value\r\nOther=1\r\n");
}

TEST_F(SectionFileTest, WriteKeyAddsKeysAndSections) {
    Write(kThreeSections);
    ASSERT_TRUE(WriteKey(ui, file, "A", "Won", "3"));
    ASSERT_TRUE(WriteKey(ui, file, "B", "y", "2"));  // the last section
    ASSERT_TRUE(WriteKey(ui, file, "C", "z", "4"));
    EXPECT_EQ(Content(),
              "[Version]\r\nVersion=0300\r\n\r\n[A]\r\nGame=1\r\nName=Ann\r\nWon=3\r\n\r\n"
              "[B]\r\nx=1\r\ny=2\r\n\r\n[C]\r\nz=4\r\n");
    Write("[B]\r\nx=1");  // no final line end
    ASSERT_TRUE(WriteKey(ui, file, "B", "y", "2"));
    EXPECT_EQ(Content(), "[B]\r\nx=1\r\ny=2\r\n");
}

TEST_F(SectionFileTest, RewriteSectionKeepsTheRestOfTheFile) {
    Write(kThreeSections);
    ASSERT_TRUE(RewriteSection(ui, file, "A", {{"Game", "2"}, {"Name", "Zed"}, {"Won", "1"}}));
    EXPECT_EQ(Content(),
              "[Version]\r\nVersion=0300\r\n\r\n[A]\r\nGame=2\r\nName=Zed\r\nWon=1\r\n\r\n"
              "[B]\r\nx=1\r\n");
    ASSERT_TRUE(RewriteSection(ui, file, "B", {{"x", "5"}}));  // the last one, to the end
    EXPECT_EQ(ReadKey(file, "B", "x", "?"), "5");
    EXPECT_EQ(ReadKey(file, "A", "Won", "?"), "1");
    EXPECT_EQ(ListSections(file), (std::vector<std::string>{"Version", "A", "B"}));
}

TEST_F(SectionFileTest, WriteSectionInPlaceNeverSpillsIntoTheNextSection) {
    Write(kThreeSections);
    ASSERT_TRUE(WriteSectionInPlace(ui, file, "A", {{"Game", "9"}, {"Name", "Eve"}}));
    std::string expected(kThreeSections);
    expected.replace(expected.find("Game=1"), 6, "Game=9");
    expected.replace(expected.find("Ann"), 3, "Eve");
    EXPECT_EQ(Content(), expected);

    // Longer records than before: rewritten, not written over "[B]".
    ASSERT_TRUE(WriteSectionInPlace(ui, file, "A", {{"Game", "9"}, {"Name", "Eve"}, {"Won", "1"}}));
    EXPECT_EQ(ReadKey(file, "B", "x", "?"), "1");
    EXPECT_EQ(ReadSectionLines(file, "A"),
              (std::vector<std::string>{"Game=9", "Name=Eve", "Won=1"}));
    ASSERT_TRUE(WriteSectionInPlace(ui, file, "New", {{"k", "v"}}));
    EXPECT_EQ(ReadKey(file, "New", "k", "?"), "v");
}

TEST_F(SectionFileTest, AppendAndEnsure) {
    EnsureVersionedFile(file);
    EXPECT_EQ(Content(), "[Version]\r\nVersion=0300\r\n");
    EnsureVersionedFile(file);  // an existing file is left alone
    ASSERT_TRUE(AppendSection(ui, file, "A", {{"k", "1"}}));
    EXPECT_EQ(Content(), "[Version]\r\nVersion=0300\r\n\r\n[A]\r\nk=1\r\n");
    EnsureFile(dir / "empty.dat");
    EXPECT_EQ(test::ReadFile(dir / "empty.dat"), "");
}

TEST_F(SectionFileTest, ReplaceInLinesAtAColumn) {
    Write("0001Ann  x\r\n0002Bob  y\r\n0003Ann  z\r\nAnn\r\n");
    ASSERT_TRUE(ReplaceInLines(ui, file, 5, "Ann  ", "Annabel"));
    EXPECT_EQ(Content(), "0001Annabelx\r\n0002Bob  y\r\n0003Annabelz\r\nAnn\r\n");
    EXPECT_EQ(ui.BusyDepth(), 0);  // the pointer is put back
    EXPECT_TRUE(ReplaceInLines(ui, dir / "missing", 1, "a", "b"));
}

TEST_F(SectionFileTest, WritesToAFileThatCannotBeOpenedEndTheCommand) {
    const auto nowhere = dir / "no such folder" / "STAT.DAT";
    EXPECT_THROW(RewriteSection(ui, nowhere, "A", {{"k", "v"}}), FileError);
    EXPECT_THROW(EnsureVersionedFile(nowhere), FileError);
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

TEST_F(SectionFileTest, AHeaderAtTheEndOfTheFileGetsItsLineEndBeforeTheFirstKey) {
    using Writer = std::function<bool(UiPort&, const std::filesystem::path&)>;
    const std::pair<const char*, Writer> writers[] = {
        {"WriteKey", [](UiPort& u, const auto& f) { return WriteKey(u, f, "S", "Game001", "1"); }},
        {"RewriteSection",
         [](UiPort& u, const auto& f) {
             return RewriteSection(u, f, "S", {{"Game001", "1"}});
         }},
        {"WriteSectionInPlace",
         [](UiPort& u, const auto& f) {
             return WriteSectionInPlace(u, f, "S", {{"Game001", "1"}});
         }},
    };
    for (const auto& [name, write] : writers) {
        for (const std::string_view end : {"", "\r"}) {
            Write("[Preference]\n[S]" + std::string(end));
            ASSERT_TRUE(write(ui, file)) << name;
            EXPECT_EQ(ReadKey(file, "S", "Game001", "?"), "1") << name;
            EXPECT_EQ(ReadSectionLines(file, "S"), std::vector<std::string>{"Game001=1"}) << name;
            EXPECT_EQ(ListSections(file), (std::vector<std::string>{"Preference", "S"})) << name;
        }
    }
}

TEST_F(SectionFileTest, WriteErrorsNameTheirFile) {
    EXPECT_EQ(WriteErrorMessage(file), "Write error on file " + file.string());
    const auto nowhere = dir / "no such folder" / "STAT.DAT";
    try {
        WriteKey(ui, nowhere, "A", "k", "1");
        ADD_FAILURE() << "written into a missing folder";
    } catch (const FileError& error) {
        EXPECT_EQ(error.what(), WriteErrorMessage(nowhere));
    }
}

TEST_F(SectionFileTest, DamagedFilesNeverCrash) {
    const std::string cases[] = {
        "",
        "[A]",
        std::string("\0\0[A]\0\r\nk\0=1\r\n", 14),
        "[A]\r\n" + std::string(1 << 20, 'k'),
        "no sections at all\nk=1\n",
        "[A]\r\n[",
    };
    for (const auto& content : cases) {
        Write(content);
        EXPECT_EQ(ReadKey(file, "A", "k", "?").size() < (1u << 21), true);
        ReadKeys(file, "A", {"k"}, {"?"});
        ReadSectionLines(file, "A");
        ListSections(file);
        EXPECT_EQ(Content(), content);
    }
}

}  // namespace
}  // namespace vis
