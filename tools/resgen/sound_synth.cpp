#include "sound_synth.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vis {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Band-pass biquad (constant peak gain).
class BandPass {
public:
    void Tune(double centreHz, double q) {
        double w = kTwoPi * centreHz / kSampleRate;
        double alpha = std::sin(w) / (2 * q);
        double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double Run(double x) {
        double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

std::size_t At(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate);
}

}  // namespace

SoundBuffer::SoundBuffer(double seconds) : nominal_(At(seconds) + 1), samples_(nominal_, 0.0) {}

void SoundBuffer::Add(std::size_t index, double value) {
    // Notes ring past the nominal length rather than being cut off; the end
    // is trimmed where they have faded out.
    if (index >= kMaxSamples) return;
    if (index >= samples_.size()) samples_.resize(index + 1, 0.0);
    samples_[index] += value;
}

void SoundBuffer::Marimba(double start, double frequency, double amplitude, double decay) {
    const std::size_t first = At(start);
    const std::size_t length = At(decay * 6);
    for (std::size_t i = 0; i < length; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double attack = std::min(1.0, t / 0.003);
        double body = std::sin(kTwoPi * frequency * t) * std::exp(-t / decay);
        double overtone =
            0.35 * std::sin(kTwoPi * frequency * 4 * t) * std::exp(-t / (decay * 0.15));
        Add(first + i, amplitude * attack * (body + overtone));
    }
}

void SoundBuffer::Bell(double start, double frequency, double amplitude, double decay) {
    static const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    static const double weights[] = {1.0, 0.45, 0.32, 0.18, 0.1};
    const std::size_t first = At(start);
    const std::size_t length = At(decay * 5);
    for (std::size_t i = 0; i < length; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double attack = std::min(1.0, t / 0.002);
        double value = 0;
        for (int p = 0; p < 5; ++p) {
            value += weights[p] * std::sin(kTwoPi * frequency * ratios[p] * t) *
                     std::exp(-t * (1 + p * 0.8) / decay);
        }
        Add(first + i, amplitude * attack * value * 0.6);
    }
}

void SoundBuffer::Note(double start, double length, double frequency, double amplitude,
                       double brightness, double attack, double release) {
    const std::size_t first = At(start);
    const std::size_t count = At(length + release);
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double envelope = std::min(1.0, t / attack);
        if (t > length) envelope *= std::max(0.0, 1 - (t - length) / release);
        double vibrato = 1 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.2);
        double value = 0;
        for (int h = 1; h <= 8; ++h) {
            double weight = std::pow(brightness, h - 1) / h;
            value += weight * std::sin(kTwoPi * frequency * h * vibrato * t);
        }
        Add(first + i, amplitude * envelope * value * 0.5);
    }
}

void SoundBuffer::Glide(double start, double length, double from, double to, double amplitude) {
    const std::size_t first = At(start);
    const std::size_t count = At(length);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double progress = t / length;
        double frequency = from * std::pow(to / from, progress);
        phase += kTwoPi * frequency / kSampleRate;
        double envelope = std::sin(std::numbers::pi * progress);
        Add(first + i, amplitude * envelope * std::sin(phase));
    }
}

void SoundBuffer::Noise(double start, double length, double lowHz, double highHz, double amplitude,
                        double attack, std::uint32_t seed) {
    SeededRandom random(seed);
    BandPass filter;
    const std::size_t first = At(start);
    const std::size_t count = At(length);
    for (std::size_t i = 0; i < count; ++i) {
        double progress = static_cast<double>(i) / static_cast<double>(count);
        if (i % 32 == 0) filter.Tune(lowHz * std::pow(highHz / lowHz, progress), 1.2);
        double rise = std::min(1.0, progress / std::max(attack, 1e-3));
        double fall = std::pow(1 - progress, 2);
        Add(first + i, amplitude * rise * fall * filter.Run(random.Range(-1, 1)) * 3);
    }
}

void SoundBuffer::Snap(double start, double amplitude, double brightness, std::uint32_t seed) {
    SeededRandom random(seed);
    BandPass click;
    click.Tune(1800 + 2600 * brightness, 0.9);
    const std::size_t first = At(start);
    const std::size_t count = At(0.06);
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        double burst = click.Run(random.Range(-1, 1)) * std::exp(-t / 0.006) * 2.4;
        double thump = std::sin(kTwoPi * 170 * t) * std::exp(-t / 0.018) * 0.5;
        Add(first + i, amplitude * (burst + thump) * std::min(1.0, t / 0.0006));
    }
}

void SoundBuffer::Clap(double start, double amplitude, std::uint32_t seed) {
    SeededRandom random(seed);
    BandPass body;
    body.Tune(random.Range(900, 1800), 1.4);
    const std::size_t first = At(start);
    const std::size_t count = At(0.05);
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / kSampleRate;
        // A clap is a few reflections packed into a few milliseconds.
        double envelope = std::exp(-t / 0.009) * (t < 0.004 ? 0.6 + 0.4 * std::sin(t * 2400) : 1.0);
        Add(first + i, amplitude * body.Run(random.Range(-1, 1)) * envelope * 3);
    }
}

void SoundBuffer::Normalise(double peak) {
    double loudest = 1e-9;
    for (double sample : samples_) loudest = std::max(loudest, std::abs(sample));
    // The tail goes where it has fallen 40 dB below the peak, but never
    // before the nominal length (a looped sound keeps its rhythm).
    std::size_t end = samples_.size();
    while (end > nominal_ && std::abs(samples_[end - 1]) < loudest * 0.01) --end;
    samples_.resize(end);
    // A click-free start and a soft release at the end.
    const std::size_t fadeIn = std::min<std::size_t>(24, samples_.size() / 4);
    const std::size_t fadeOut = std::min<std::size_t>(At(0.04), samples_.size() / 4);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        double gain = peak / loudest;
        if (i < fadeIn) gain *= static_cast<double>(i) / static_cast<double>(fadeIn);
        const std::size_t left = samples_.size() - 1 - i;
        if (left < fadeOut) {
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(left) /
                                         static_cast<double>(fadeOut));
        }
        samples_[i] *= gain;
    }
}

QByteArray SoundBuffer::EncodeWave() const {
    const quint32 dataBytes = static_cast<quint32>(samples_.size() * 2);
    QByteArray wave;
    wave.reserve(static_cast<qsizetype>(44 + dataBytes));
    auto put32 = [&wave](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        wave.append(bytes, 4);
    };
    auto put16 = [&wave](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        wave.append(bytes, 2);
    };
    wave.append("RIFF", 4);
    put32(36 + dataBytes);
    wave.append("WAVEfmt ", 8);
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kSampleRate);
    put32(kSampleRate * 2);
    put16(2);
    put16(16);
    wave.append("data", 4);
    put32(dataBytes);
    for (double sample : samples_) {
        double clipped = std::clamp(sample, -1.0, 1.0);
        put16(static_cast<quint16>(static_cast<qint16>(std::lround(clipped * 32767))));
    }
    return wave;
}

}  // namespace vis
