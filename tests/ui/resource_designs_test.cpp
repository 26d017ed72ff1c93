// The library's pictures and sounds as a player meets them: every face set
// and back a design of its own, the four-colour set telling all suits apart,
// every sound its own and none ending in a click.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "built_library.h"
#include "media/resource_names.h"

namespace vis {
namespace {

using test::BuiltLibrary;
using test::ReadWave;
using test::WaveFormat;

// Average colour of the ink of one card of a face sheet: the pixels inside
// the border that stand out from the paper (index and pips).
struct Ink {
    double red = 0;
    double green = 0;
    double blue = 0;
};

Ink InkOfCard(const QImage& sheet, const CardSize& size, int cell) {
    const QImage card = sheet
                            .copy((cell % kSheetColumns) * size.width,
                                  (cell / kSheetColumns) * size.height, size.width, size.height)
                            .convertToFormat(QImage::Format_ARGB32);
    // The paper is the commonest colour inside the border.
    std::map<QRgb, int> counts;
    for (int y = 3; y < size.height - 3; ++y) {
        for (int x = 3; x < size.width - 3; ++x) ++counts[card.pixel(x, y)];
    }
    const QRgb paper =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    Ink ink;
    int count = 0;
    for (int y = 3; y < size.height - 3; ++y) {
        for (int x = 3; x < size.width - 3; ++x) {
            const QRgb pixel = card.pixel(x, y);
            const int distance = std::abs(qRed(pixel) - qRed(paper)) +
                                 std::abs(qGreen(pixel) - qGreen(paper)) +
                                 std::abs(qBlue(pixel) - qBlue(paper));
            if (distance < 200) continue;
            ink.red += qRed(pixel);
            ink.green += qGreen(pixel);
            ink.blue += qBlue(pixel);
            ++count;
        }
    }
    if (count > 0) {
        ink.red /= count;
        ink.green /= count;
        ink.blue /= count;
    }
    return ink;
}

double Distance(const Ink& a, const Ink& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST_F(BuiltLibrary, EveryFaceSetAndEveryBackIsADesignOfItsOwn) {
    for (const CardSize& size : kCardSizes) {
        SCOPED_TRACE(std::string(1, size.letter));
        for (char suit : kSuitLetters) {
            std::vector<QImage> sheets;
            for (int set = 1; set <= kFaceSetCount; ++set) {
                sheets.push_back(Library().Bitmap(CardSheetName(size.letter, set, suit)));
            }
            for (std::size_t a = 0; a < sheets.size(); ++a) {
                for (std::size_t b = a + 1; b < sheets.size(); ++b) {
                    EXPECT_NE(sheets[a], sheets[b]) << suit << " sets " << a + 1 << ", " << b + 1;
                }
            }
        }
        std::vector<QImage> backs;
        for (int back = 1; back <= kBackCount; ++back) {
            backs.push_back(Library().Bitmap(CardBackName(size.letter, back)));
        }
        for (std::size_t a = 0; a < backs.size(); ++a) {
            for (std::size_t b = a + 1; b < backs.size(); ++b) {
                EXPECT_NE(backs[a], backs[b]) << "backs " << a + 1 << ", " << b + 1;
            }
        }
    }
}

// Set 1 inks hearts and diamonds alike and clubs and spades alike; set 2
// gives every suit a colour of its own, at every size.
TEST_F(BuiltLibrary, FourColourSetGivesEverySuitItsOwnColour) {
    constexpr int kTwo = 1;  // sheet cell of the two
    for (const CardSize& size : kCardSizes) {
        SCOPED_TRACE(std::string(1, size.letter));
        std::vector<Ink> classic;
        std::vector<Ink> fourColour;
        for (char suit : kSuitLetters) {
            classic.push_back(
                InkOfCard(Library().Bitmap(CardSheetName(size.letter, 1, suit)), size, kTwo));
            fourColour.push_back(
                InkOfCard(Library().Bitmap(CardSheetName(size.letter, 2, suit)), size, kTwo));
        }
        EXPECT_LT(Distance(classic[0], classic[1]), 80);
        EXPECT_LT(Distance(classic[2], classic[3]), 80);
        EXPECT_GT(Distance(classic[0], classic[2]), 150);
        for (std::size_t a = 0; a < 4; ++a) {
            for (std::size_t b = a + 1; b < 4; ++b) {
                EXPECT_GT(Distance(fourColour[a], fourColour[b]), 120)
                    << kSuitLetters[a] << " and " << kSuitLetters[b];
            }
        }
    }
}

TEST_F(BuiltLibrary, SoundsAreAllDifferentAndStartAndEndWithoutAClick) {
    const std::vector<std::string>& names = SoundNames();
    std::vector<WaveFormat> waves;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        waves.push_back(ReadWave(Library().SoundData(name)));
        const WaveFormat& wave = waves.back();
        ASSERT_TRUE(wave.valid);
        ASSERT_GT(wave.peak, 0);
        const int millisecond = wave.rate / 1000;
        ASSERT_GT(static_cast<int>(wave.samples.size()), 4 * millisecond);
        // Silent first and last samples, and a tail that has died away.
        EXPECT_LT(std::abs(wave.samples.front()), wave.peak / 100);
        int tail = 0;
        for (auto it = wave.samples.end() - millisecond; it != wave.samples.end(); ++it) {
            tail = std::max(tail, std::abs(*it));
        }
        EXPECT_LT(tail, wave.peak / 50);
    }
    for (std::size_t a = 0; a < waves.size(); ++a) {
        for (std::size_t b = a + 1; b < waves.size(); ++b) {
            EXPECT_NE(waves[a].samples, waves[b].samples) << names[a] << " and " << names[b];
        }
    }
}

}  // namespace
}  // namespace vis
