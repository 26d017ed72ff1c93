// The sounds of the resource library, played by name: one at a time, a new
// sound replacing the one playing. A machine without an audio output plays
// nothing and never waits.
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <string>

#include "model/ui_port.h"

class QSoundEffect;

namespace vis {

class ResourceLibrary;

class SoundPlayer {
public:
    explicit SoundPlayer(const ResourceLibrary& library);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // A name the library does not hold silences whatever is playing. With
    // kWait the call returns when the sound has ended (or could not play),
    // at the latest a moment after its length; kLoop repeats it until
    // Stop or the next sound.
    void Play(const std::string& name, SoundMode mode);
    void Stop();

    // The sound last started and not stopped or replaced; empty when
    // silent. A sound played once counts until the next call.
    const std::string& Current() const { return current_; }
    bool HasAudioOutput() const { return audioOutput_; }

private:
    QSoundEffect* EffectFor(const std::string& name);
    void WaitForEnd(QSoundEffect& effect, const std::string& name);

    const ResourceLibrary& library_;
    bool audioOutput_ = false;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
    std::string current_;
};

// The playing time of a wave file in milliseconds; 0 when it cannot be told.
int WaveDurationMs(const QByteArray& wave);

}  // namespace vis
