#include "store/durable_file.h"

#include <gtest/gtest.h>

#include "store/file_error.h"
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

}  // namespace
}  // namespace vis
