// The sound player over the built library: names it does not hold silence
// it, a new sound replaces the one playing, a waiting sound returns once it
// has played (at once without an audio device), and wave lengths are read
// from the files.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "media/sound_player.h"
#include "ui/built_library.h"

namespace vis::test {
namespace {

class SoundPlayerTest : public BuiltLibrary {};

TEST_F(SoundPlayerTest, MissingNameSilencesAndANewSoundReplacesTheOld) {
    SoundPlayer player(Library());
    player.Play("Shuffle", SoundMode::kLoop);
    EXPECT_EQ(player.Current(), "Shuffle");
    player.Play("Stock", SoundMode::kEvent);
    EXPECT_EQ(player.Current(), "Stock");
    player.Play("_tmp_stop_", SoundMode::kEvent);
    EXPECT_EQ(player.Current(), "");
    player.Play("Redeal", SoundMode::kLoop);
    player.Stop();
    EXPECT_EQ(player.Current(), "");
}

TEST_F(SoundPlayerTest, WaitingSoundReturnsSoonAfterItsLength) {
    SoundPlayer player(Library());
    const int length = WaveDurationMs(Library().SoundData("Red_no_a"));
    ASSERT_GT(length, 0);
    QElapsedTimer timer;
    timer.start();
    player.Play("Red_no_a", SoundMode::kWait);
    EXPECT_LT(timer.elapsed(), length + 1500);
    if (!player.HasAudioOutput()) {
        EXPECT_LT(timer.elapsed(), 500);
    }
}

TEST_F(SoundPlayerTest, WaveLengthComesFromTheFormatAndDataChunks) {
    QByteArray wave("RIFF\0\0\0\0WAVEfmt \x10\0\0\0", 20);
    wave += QByteArray("\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0", 16);  // 88200 B/s
    wave += QByteArray("data\x88\x58\x01\0", 8);                                   // 88200 B
    wave += QByteArray(88200, '\0');
    EXPECT_EQ(WaveDurationMs(wave), 1000);
    EXPECT_EQ(WaveDurationMs(wave.left(30)), 0);  // no data chunk
    EXPECT_EQ(WaveDurationMs(QByteArray("RIFF")), 0);
    EXPECT_EQ(WaveDurationMs(QByteArray()), 0);
    for (const char* name : {"Shuffle", "Won", "Stock"})
        EXPECT_GT(WaveDurationMs(Library().SoundData(name)), 0) << name;
}

}  // namespace
}  // namespace vis::test
