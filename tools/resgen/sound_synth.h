// A small synthesiser for the table's sounds: tones, bells, filtered noise
// and clicks mixed into a buffer, written out as 16-bit PCM WAV.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <vector>

#include "seeded_random.h"

namespace vis {

inline constexpr int kSampleRate = 22050;

class SoundBuffer {
public:
    // At least `seconds` long; notes that ring longer lengthen the sound.
    explicit SoundBuffer(double seconds);

    // Mallet tone: a sine with a bright, fast-fading overtone.
    void Marimba(double start, double frequency, double amplitude, double decay = 0.35);
    // Bell: inharmonic partials, the higher ones fading sooner.
    void Bell(double start, double frequency, double amplitude, double decay = 0.8);
    // Sustained tone with harmonics (brass-like when `brightness` is high).
    void Note(double start, double length, double frequency, double amplitude, double brightness,
              double attack = 0.03, double release = 0.12);
    // A sine gliding from one pitch to another.
    void Glide(double start, double length, double from, double to, double amplitude);
    // Noise through a band-pass filter, with a rise and a fall; the band may
    // sweep from `lowHz` to `highHz`.
    void Noise(double start, double length, double lowHz, double highHz, double amplitude,
               double attack, std::uint32_t seed);
    // The snap of a card: a very short bright burst and a soft thump.
    void Snap(double start, double amplitude, double brightness, std::uint32_t seed);
    // A hand clap.
    void Clap(double start, double amplitude, std::uint32_t seed);

    // Scales the whole sound so that its loudest sample reaches `peak`, trims
    // the faded tail and softens both ends.
    void Normalise(double peak);
    QByteArray EncodeWave() const;

private:
    static constexpr std::size_t kMaxSamples = 4 * kSampleRate;
    void Add(std::size_t index, double value);
    std::size_t nominal_;
    std::vector<double> samples_;
};

}  // namespace vis
