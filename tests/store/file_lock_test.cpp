#include "store/file_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "model/text.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

// Reads a number from a file, waits a moment and writes it back plus one:
// the update two unlocked programs lose.
void CountUp(const std::filesystem::path& counter) {
    const int value = ParseIntOr(test::ReadFile(counter), 0);
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    test::WriteFile(counter, std::to_string(value + 1));
}

TEST(FileLockTest, NestedLocksOfOneProgramDoNotWaitForThemselves) {
    test::TempDir dir;
    const FileLock outer(dir / "STAT.LCK");
    EXPECT_TRUE(outer.Held());
    {
        const FileLock inner(dir / "." / "STAT.LCK");
        EXPECT_TRUE(inner.Held());
    }
    const FileLock elsewhere(dir / "missing folder" / "STAT.LCK");
    EXPECT_FALSE(elsewhere.Held());  // goes on unlocked
}

#ifndef _WIN32
TEST(FileLockTest, ASecondProgramWaitsForTheLock) {
    test::TempDir dir;
    const auto counter = dir / "counter";
    constexpr int kUpdates = 150;
    auto updates = [&] {
        for (int i = 0; i < kUpdates; ++i) {
            const FileLock lock(dir / "STAT.LCK");
            if (!lock.Held()) return 1;
            CountUp(counter);
        }
        return 0;
    };
    const pid_t first = test::StartChild(updates);
    const pid_t second = test::StartChild(updates);
    EXPECT_EQ(test::WaitForChild(first), 0);
    EXPECT_EQ(test::WaitForChild(second), 0);
    EXPECT_EQ(test::ReadFile(counter), std::to_string(2 * kUpdates));
}
#endif

}  // namespace
}  // namespace vis
