#include "media/sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QtEndian>
#include <algorithm>

#include "media/resource_library.h"

namespace vis {

namespace {

// A wait never outlasts the sound by more than this, nor this at all when
// the length cannot be told: a device that never reports the end must not
// hang the table.
constexpr int kWaitMarginMs = 500;
constexpr int kLongestWaitMs = 15000;

constexpr qsizetype kRiffHeader = 12;
constexpr qsizetype kChunkHeader = 8;
constexpr qsizetype kByteRateOffset = 8;  // within the "fmt " chunk's data

quint32 ReadU32(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.constData() + at);
}

}  // namespace

int WaveDurationMs(const QByteArray& wave) {
    if (wave.size() < kRiffHeader || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE") return 0;
    quint32 byteRate = 0;
    quint32 dataSize = 0;
    for (qsizetype at = kRiffHeader; at + kChunkHeader <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const quint32 size = ReadU32(wave, at + 4);
        const qsizetype body = at + kChunkHeader;
        if (id == "fmt " && body + kByteRateOffset + 4 <= wave.size())
            byteRate = ReadU32(wave, body + kByteRateOffset);
        if (id == "data") dataSize = size;
        // Chunks are padded to an even length.
        at = body + static_cast<qsizetype>(size) + (size & 1u);
    }
    if (byteRate == 0 || dataSize == 0) return 0;
    return static_cast<int>(std::min<quint64>(quint64{dataSize} * 1000u / byteRate,
                                              static_cast<quint64>(kLongestWaitMs)));
}

SoundPlayer::SoundPlayer(const ResourceLibrary& library)
    : library_(library), audioOutput_(!QMediaDevices::audioOutputs().isEmpty()) {}

SoundPlayer::~SoundPlayer() {
    Stop();
}

QSoundEffect* SoundPlayer::EffectFor(const std::string& name) {
    auto found = effects_.find(name);
    if (found != effects_.end()) return found->second.get();
    const QUrl url = library_.SoundUrl(name);
    if (url.isEmpty()) return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(url);
    return effects_.emplace(name, std::move(effect)).first->second.get();
}

void SoundPlayer::Play(const std::string& name, SoundMode mode) {
    Stop();
    if (library_.SoundUrl(name).isEmpty()) return;
    current_ = name;
    if (!audioOutput_) return;
    QSoundEffect* effect = EffectFor(name);
    if (effect == nullptr) return;
    effect->setLoopCount(mode == SoundMode::kLoop ? QSoundEffect::Infinite : 1);
    effect->play();
    playing_ = effect;
    if (mode == SoundMode::kWait) WaitForEnd(*effect, name);
}

void SoundPlayer::WaitForEnd(QSoundEffect& effect, const std::string& name) {
    const int length = WaveDurationMs(library_.SoundData(name));
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto quitWhenDone = [&] {
        const bool loading = effect.status() == QSoundEffect::Loading;
        if (effect.status() == QSoundEffect::Error || (!loading && !effect.isPlaying()))
            loop.quit();
    };
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, quitWhenDone);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, quitWhenDone);
    deadline.start(length > 0 ? length + kWaitMarginMs : kWaitMarginMs);
    // The sound may have ended, or failed, before the loop could hear of it.
    QTimer::singleShot(0, &loop, quitWhenDone);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundPlayer::Stop() {
    if (playing_ != nullptr) playing_->stop();
    playing_ = nullptr;
    current_.clear();
}

}  // namespace vis
