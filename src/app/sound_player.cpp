#include "app/sound_player.h"

namespace vis {

SoundPlayer::SoundPlayer(const ResourceLibrary& library) : library_(library) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const std::string&, SoundMode) {}

void SoundPlayer::Stop() {}

}  // namespace vis
