#include "store/durable_file.h"

#include <gtest/gtest.h>

#include "store/file_error.h"
#include "store/file_lock.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

TEST(DurableFileTest, ReplacesContentAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    test::WriteFile(dir / "a.dat", "old");
    const auto outcome = ReplaceFileContent(dir / "a.dat", "new content");
    EXPECT_EQ(outcome.result, ReplaceResult::kDone);
    EXPECT_EQ(outcome.tempFile.parent_path(), dir.Path());
    EXPECT_EQ(outcome.tempFile.filename().string().substr(0, 3), "rpl");
    EXPECT_EQ(test::ReadFile(dir / "a.dat"), "new content");
    EXPECT_EQ(test::FileNames(dir.Path()), std::vector<std::string>{"a.dat"});
}

TEST(DurableFileTest, ReplacesARangeStreamingTheRest) {
    test::TempDir dir;
    std::string big(200000, 'a');
    big += "MIDDLE";
    big += std::string(200000, 'b');
    test::WriteFile(dir / "big.dat", big);
    const auto at = static_cast<std::int64_t>(big.find("MIDDLE"));
    ASSERT_EQ(ReplaceFileRange(dir / "big.dat", at, at + 6, "mid").result, ReplaceResult::kDone);
    EXPECT_EQ(test::ReadFile(dir / "big.dat"),
              std::string(200000, 'a') + "mid" + std::string(200000, 'b'));
    EXPECT_THROW(ReplaceFileRange(dir / "missing.dat", 0, 0, "x"), FileError);
}

TEST(DurableFileTest, FailuresLeaveTheOldStateAlone) {
    test::TempDir dir;
    // No folder to create the temporary file in.
    EXPECT_EQ(ReplaceFileContent(dir / "none" / "a.dat", "x").result,
              ReplaceResult::kTempNotCreated);
    // The name is taken by a folder that holds something: the rename fails,
    // the folder survives and the temporary file is removed.
    std::filesystem::create_directories(dir / "taken" / "inner");
    const auto outcome = ReplaceFileContent(dir / "taken", "x");
    EXPECT_EQ(outcome.result, ReplaceResult::kRenameFailed);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "inner"));
    EXPECT_TRUE(test::FileNames(dir.Path()).empty());
}

TEST(DurableFileTest, InPlaceWritesAndAppends) {
    test::TempDir dir;
    test::WriteFile(dir / "a.dat", "0123456789");
    EXPECT_TRUE(OverwriteBytes(dir / "a.dat", 3, "xyz"));
    EXPECT_TRUE(AppendBytes(dir / "a.dat", "!"));
    EXPECT_EQ(test::ReadFile(dir / "a.dat"), "012xyz6789!");
    EXPECT_FALSE(OverwriteBytes(dir / "missing.dat", 0, "x"));
    EXPECT_EQ(ReadWholeFile(dir / "missing.dat"), "");
}

TEST(DurableFileTest, ARewriteKeepsTheFilesPermissions) {
    test::TempDir dir;
    for (const auto perms :
         {std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
          std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
              std::filesystem::perms::group_read}) {
        test::WriteFile(dir / "CFG.DAT", "old");
        std::filesystem::permissions(dir / "CFG.DAT", perms);
        ASSERT_EQ(ReplaceFileContent(dir / "CFG.DAT", "new").result, ReplaceResult::kDone);
        ASSERT_EQ(ReplaceFileRange(dir / "CFG.DAT", 0, 1, "N").result, ReplaceResult::kDone);
        EXPECT_EQ(test::ReadFile(dir / "CFG.DAT"), "New");
        EXPECT_EQ(std::filesystem::status(dir / "CFG.DAT").permissions(), perms);
    }
}

TEST(DurableFileTest, StaleTemporaryFilesAreRemovedButNotOneBeingWritten) {
    test::TempDir dir;
    for (const char* name : {"rpl0000.tmp", "rplBEEF.tmp", "rplbeef.TMP", "rpl12345.tmp",
                             "rplxyzw.tmp", "xrpl0000.tmp", "STAT.DAT"})
        test::WriteFile(dir / name, "x");
    std::filesystem::create_directories(dir / "rpl1111.tmp");  // not a file
    // One that another program is writing right now.
    std::FILE* busy = OpenFile(dir / "rplAAAA.tmp", "wb");
    ASSERT_NE(busy, nullptr);
    ASSERT_TRUE(TryLockOpenFile(busy));
#ifndef _WIN32
    // The lock is seen from another process as well.
    EXPECT_EQ(test::RunInChild([&] { return RemoveStaleTempFiles(dir.Path()); }), 3);
#else
    EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 3);
#endif
    EXPECT_EQ(test::FileNames(dir.Path()),
              (std::vector<std::string>{"STAT.DAT", "rpl12345.tmp", "rplAAAA.tmp", "rplxyzw.tmp",
                                        "xrpl0000.tmp"}));
    std::fclose(busy);
    EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 1);
    EXPECT_EQ(RemoveStaleTempFiles(dir / "missing"), 0);
}

TEST(DurableFileTest, AFreeNameTakesNothingFromAnOlderFile) {
    test::TempDir dir;
    const auto held = dir / "Stat_e01.dat";
    EXPECT_EQ(FreeFileName(held, ".bad"), dir / "Stat_e01.dat.bad");
    test::WriteFile(dir / "Stat_e01.dat.bad", "first");
    EXPECT_EQ(FreeFileName(held, ".bad"), dir / "Stat_e01.dat.2.bad");
    test::WriteFile(dir / "Stat_e01.dat.2.bad", "second");
    EXPECT_EQ(FreeFileName(held, ".bad"), dir / "Stat_e01.dat.3.bad");
}

#ifndef _WIN32
TEST(DurableFileTest, AnAppendCutShortByAFullDiskLeavesNoPartOfIt) {
    test::TempDir dir;
    const auto log = dir / "STAT_LOG.DAT";
    test::WriteFile(log, "first line\r\n");
    // The "disk" takes 5 more bytes: the append fails and takes them back.
    EXPECT_EQ(test::RunInChild([&] { return AppendBytes(log, "second line\r\n") ? 1 : 0; }, 17), 0);
    EXPECT_EQ(test::ReadFile(log), "first line\r\n");
    // A rewrite that does not fit reports it and leaves the old file.
    EXPECT_EQ(
        test::RunInChild(
            [&] { return static_cast<int>(ReplaceFileContent(log, std::string(100, 'x')).result); },
            50),
        static_cast<int>(ReplaceResult::kWriteFailed));
    EXPECT_EQ(test::ReadFile(log), "first line\r\n");
    EXPECT_EQ(test::FileNames(dir.Path()), std::vector<std::string>{"STAT_LOG.DAT"});
}
#endif

}  // namespace
}  // namespace vis
