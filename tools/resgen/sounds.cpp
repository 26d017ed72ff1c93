// Every sound of the table, each of its own character: snaps and flicks for
// the cards, chimes for the foundations, music for the occasions and
// applause for a won game.
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>

#include "families.h"
#include "media/resource_names.h"
#include "sound_synth.h"

namespace vis {

namespace {

// Notes used below, in hertz.
constexpr double kC4 = 261.63, kE4 = 329.63, kG4 = 392.0, kC5 = 523.25, kD5 = 587.33, kE5 = 659.25,
                 kG5 = 783.99, kA5 = 880.0, kC6 = 1046.5, kE6 = 1318.5, kG6 = 1568.0, kA6 = 1760.0,
                 kC7 = 2093.0;

using Recipe = std::function<SoundBuffer()>;

SoundBuffer CardUp() {
    SoundBuffer sound(0.12);
    sound.Snap(0.004, 0.25, 1.0, 11);
    sound.Noise(0.005, 0.09, 2500, 5200, 0.5, 0.6, 12);
    sound.Normalise(0.45);
    return sound;
}

SoundBuffer CardDown() {
    SoundBuffer sound(0.12);
    sound.Noise(0, 0.04, 3000, 1800, 0.25, 0.5, 21);
    sound.Snap(0.035, 0.8, 0.5, 22);
    sound.Normalise(0.55);
    return sound;
}

SoundBuffer Tableau() {
    SoundBuffer sound(0.16);
    sound.Noise(0, 0.06, 3500, 2000, 0.3, 0.4, 31);
    sound.Snap(0.05, 0.8, 0.35, 32);
    sound.Snap(0.075, 0.35, 0.7, 33);
    sound.Normalise(0.55);
    return sound;
}

SoundBuffer Stock() {
    SoundBuffer sound(0.14);
    sound.Snap(0.004, 0.5, 0.9, 41);
    sound.Noise(0.01, 0.05, 4000, 6000, 0.35, 0.2, 42);
    sound.Snap(0.05, 0.6, 0.6, 43);
    sound.Normalise(0.5);
    return sound;
}

SoundBuffer FaceUp() {
    SoundBuffer sound(0.16);
    sound.Snap(0.004, 0.6, 1.0, 51);
    sound.Glide(0.01, 0.09, 900, 1500, 0.18);
    sound.Normalise(0.45);
    return sound;
}

SoundBuffer Foundation() {
    SoundBuffer sound(1.0);
    sound.Snap(0.004, 0.25, 0.5, 61);
    sound.Bell(0.01, kE6, 0.6, 0.5);
    sound.Bell(0.05, kG6, 0.3, 0.45);
    sound.Normalise(0.5);
    return sound;
}

SoundBuffer Autoplay() {
    SoundBuffer sound(0.6);
    sound.Bell(0, kA6, 0.5, 0.28);
    sound.Normalise(0.38);
    return sound;
}

SoundBuffer Eddy() {
    SoundBuffer sound(1.1);
    const double notes[] = {kC6, kE6, kG6, kC7, kG6};
    for (int i = 0; i < 5; ++i) sound.Bell(i * 0.06, notes[i], 0.45, 0.4);
    sound.Noise(0, 0.4, 1500, 6000, 0.08, 0.5, 71);
    sound.Normalise(0.5);
    return sound;
}

SoundBuffer Pairing() {
    SoundBuffer sound(0.9);
    sound.Bell(0, kC6, 0.5, 0.35);
    sound.Bell(0.12, kG6, 0.5, 0.45);
    sound.Normalise(0.5);
    return sound;
}

// Two soft mallet notes: down for undo, up for redo.
SoundBuffer TwoNotes(double first, double second) {
    SoundBuffer sound(0.3);
    sound.Marimba(0, first, 0.6, 0.06);
    sound.Marimba(0.08, second, 0.6, 0.09);
    sound.Normalise(0.45);
    return sound;
}

SoundBuffer Undo() {
    return TwoNotes(kA5, kE5);
}
SoundBuffer Redo() {
    return TwoNotes(kE5, kA5);
}

SoundBuffer Reorder() {
    SoundBuffer sound(0.32);
    for (int i = 0; i < 6; ++i) sound.Snap(i * 0.04, 0.6, 0.3 + 0.1 * i, 81 + i);
    sound.Normalise(0.45);
    return sound;
}

// A riffle: card edges flicking past, fast in the middle. Even from start
// to end so that it can loop.
SoundBuffer Shuffle() {
    const double length = 1.2;
    SoundBuffer sound(length);
    SeededRandom random(91);
    double t = 0.01;
    int card = 0;
    while (t < length - 0.03) {
        double progress = t / length;
        double gap =
            0.012 + 0.006 * std::cos(progress * 2 * std::numbers::pi) + random.Range(0, 0.004);
        sound.Snap(t, 0.35 + random.Range(0, 0.2), 0.6 + random.Range(0, 0.4),
                   static_cast<std::uint32_t>(100 + card++));
        t += gap;
    }
    sound.Noise(0, length, 2500, 2500, 0.04, 0.5, 92);
    sound.Normalise(0.45);
    return sound;
}

SoundBuffer Redeal() {
    SoundBuffer sound(0.9);
    sound.Noise(0, 0.9, 700, 3200, 0.6, 0.5, 111);
    for (int i = 0; i < 10; ++i) sound.Snap(0.1 + i * 0.07, 0.15, 0.5, 112 + i);
    sound.Normalise(0.45);
    return sound;
}

SoundBuffer RedealWithoutAnimation() {
    SoundBuffer sound(0.45);
    sound.Noise(0, 0.25, 2400, 900, 0.5, 0.3, 121);
    sound.Snap(0.22, 0.9, 0.2, 122);
    sound.Snap(0.25, 0.5, 0.4, 123);
    sound.Normalise(0.5);
    return sound;
}

SoundBuffer NewGame() {
    SoundBuffer sound(1.0);
    const double notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i) sound.Marimba(i * 0.09, notes[i], 0.5, 0.3);
    sound.Marimba(0.36, kE6, 0.25, 0.4);
    sound.Normalise(0.5);
    return sound;
}

SoundBuffer Restart() {
    SoundBuffer sound(0.8);
    sound.Glide(0, 0.28, 1400, 380, 0.4);
    sound.Marimba(0.3, kG5, 0.5, 0.2);
    sound.Marimba(0.42, kC6, 0.5, 0.3);
    sound.Normalise(0.5);
    return sound;
}

// A crowd clapping: claps swell, hold and thin out, with a cheer of bells.
SoundBuffer Won() {
    const double length = 3.2;
    SoundBuffer sound(length);
    SeededRandom random(131);
    std::uint32_t clap = 1000;
    for (double t = 0; t < length - 0.06; t += 0.004) {
        double progress = t / length;
        double density = std::min(1.0, progress / 0.12) * std::min(1.0, (1 - progress) / 0.4);
        if (random.Unit() < density * 0.38) {
            sound.Clap(t, random.Range(0.25, 0.6), clap++);
        }
    }
    sound.Marimba(0.0, kC5, 0.25, 0.3);
    sound.Marimba(0.1, kE5, 0.25, 0.3);
    sound.Marimba(0.2, kG5, 0.25, 0.3);
    sound.Marimba(0.3, kC6, 0.3, 0.5);
    sound.Normalise(0.6);
    return sound;
}

SoundBuffer HiScores() {
    SoundBuffer sound(1.5);
    const double notes[] = {kG4, kC5, kE5, kG5};
    const double lengths[] = {0.12, 0.12, 0.12, 0.6};
    double t = 0;
    for (int i = 0; i < 4; ++i) {
        sound.Note(t, lengths[i], notes[i], 0.4, 0.75);
        sound.Note(t, lengths[i], notes[i] * 0.5, 0.15, 0.6);
        t += lengths[i] + 0.03;
    }
    sound.Normalise(0.55);
    return sound;
}

SoundBuffer EnterHiScore() {
    SoundBuffer sound(1.6);
    const double notes[] = {kC6, kE6, kG6, kC7, kG6, kC7};
    for (int i = 0; i < 6; ++i) sound.Bell(i * 0.08, notes[i], 0.4, 0.45);
    SeededRandom random(141);
    for (int i = 0; i < 60; ++i)
        sound.Clap(0.5 + random.Range(0, 0.9), random.Range(0.1, 0.3), 1500 + i);
    sound.Normalise(0.55);
    return sound;
}

// A music-box phrase.
SoundBuffer About() {
    SoundBuffer sound(2.2);
    const std::pair<double, double> phrase[] = {{0.0, kE5}, {0.2, kG5},  {0.4, kC6}, {0.6, kD5 * 2},
                                                {0.8, kE6}, {1.05, kC6}, {1.3, kG5}, {1.3, kC5}};
    for (const auto& [time, note] : phrase) sound.Bell(time, note, 0.4, 0.55);
    sound.Normalise(0.5);
    return sound;
}

// A warm chord that opens, with a sparkle running up through it.
SoundBuffer Splash() {
    SoundBuffer sound(2.4);
    for (double note : {kC4, kE4, kG4, kC5}) sound.Note(0, 1.4, note, 0.22, 0.35, 0.35, 0.8);
    const double sparkle[] = {kC6, kE6, kG6, kC7};
    for (int i = 0; i < 4; ++i) sound.Bell(0.3 + i * 0.12, sparkle[i], 0.18, 0.5);
    sound.Normalise(0.5);
    return sound;
}

const std::pair<std::string_view, Recipe> kRecipes[] = {
    {"Splash", Splash},   {"New", NewGame},        {"Restart", Restart},
    {"Shuffle", Shuffle}, {"Redeal", Redeal},      {"Red_no_a", RedealWithoutAnimation},
    {"Stock", Stock},     {"Tableau", Tableau},    {"Foundation", Foundation},
    {"Eddy", Eddy},       {"Autoplay", Autoplay},  {"Pairing", Pairing},
    {"card_up", CardUp},  {"card_down", CardDown}, {"Face_up", FaceUp},
    {"Undo", Undo},       {"Redo", Redo},          {"Reorder", Reorder},
    {"Won", Won},         {"Hi-Scor", HiScores},   {"Scores", EnterHiScore},
    {"About", About},
};

}  // namespace

void QueueSounds(std::vector<Job>& jobs, LibraryWriter& writer) {
    for (const auto& [name, recipe] : kRecipes) {
        jobs.push_back([&writer, name = name, recipe = recipe] {
            writer.AddSound(name, recipe().EncodeWave());
        });
    }
}

}  // namespace vis
