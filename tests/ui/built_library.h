// The library the build draws, loaded once for every test that only reads
// it, and a reader for its wave sounds.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "media/resource_library.h"

namespace vis::test {

inline const QString kLibraryPath = QStringLiteral(VIS_PROGRAM_DIR "/VIS.RGF");

class BuiltLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library_ = new ResourceLibrary;
        loadError_ = library_->Load(kLibraryPath);
    }
    static void TearDownTestSuite() {
        delete library_;
        library_ = nullptr;
    }
    void SetUp() override { ASSERT_FALSE(loadError_.has_value()) << loadError_->toStdString(); }

    static const ResourceLibrary& Library() { return *library_; }

private:
    static inline ResourceLibrary* library_ = nullptr;
    static inline std::optional<QString> loadError_;
};

// A wave file as the tests see it; `valid` is false for anything but a
// plain RIFF file with one format and one data chunk.
struct WaveFormat {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int> samples;  // 16-bit samples of the first channel
    int peak = 0;
};

WaveFormat ReadWave(const QByteArray& wave);

}  // namespace vis::test
