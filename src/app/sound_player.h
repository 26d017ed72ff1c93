// The sounds of the resource library, played by name.
#pragma once

#include <string>

#include "model/ui_port.h"

namespace vis {

class ResourceLibrary;

class SoundPlayer {
public:
    explicit SoundPlayer(const ResourceLibrary& library);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // A name the library does not hold silences whatever is playing.
    void Play(const std::string& name, SoundMode mode);
    void Stop();

private:
    const ResourceLibrary& library_;
};

}  // namespace vis
