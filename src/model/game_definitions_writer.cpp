#include "model/game_definitions_writer.h"

#include "model/text.h"

namespace vis {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kTypeWidth = 3;
constexpr std::size_t kNameWidth = 50;
constexpr int kIndexWidth = 4;
constexpr std::size_t kUnreadWidth = 12;  // between the index and the first column
constexpr std::size_t kValueWidth = 10;   // each column, followed by one separator

constexpr char kScrambleShift = 48;

std::string_view SectionHeader(GameSection section) {
    switch (section) {
        case GameSection::kSelected:
            return "[SectS]";
        case GameSection::kOriginal:
            return "[SectO]";
        case GameSection::kChildren:
            return "[SectK]";
    }
    return "";
}

}  // namespace

std::string ScrambleText(std::string_view plain) {
    std::string stored(plain);
    for (char& ch : stored) ch = static_cast<char>(static_cast<unsigned char>(ch) + kScrambleShift);
    return stored;
}

std::string CatalogLine(const CompiledGame& game) {
    std::string line = PadOrCut(std::to_string(game.type), kTypeWidth);
    line += ' ';
    line += ZeroPad(game.number, 3);
    line += '0';  // "9" would keep the line out of the catalog
    line += game.wideScreen ? '1' : '0';
    line += game.newGame ? '1' : '0';
    line += PadOrCut(game.name, kNameWidth);
    return line;
}

std::string WriteGamesFile(std::span<const CompiledGame> games) {
    std::string file = "[Sect1]";
    file += kLineEnd;
    for (const CompiledGame& game : games) {
        file += ScrambleText(CatalogLine(game));
        file += kLineEnd;
    }

    file += "[Sect2]";
    file += kLineEnd;
    const std::string unread = ScrambleText(std::string(kUnreadWidth, ' '));
    const std::string separator = ScrambleText(" ");
    for (int index = 1; index < rule::kRuleCount; ++index) {
        file += ZeroPad(index, kIndexWidth);
        file += unread;
        for (const CompiledGame& game : games) {
            file += ScrambleText(
                PadOrCut(std::to_string(game.rules[static_cast<std::size_t>(index)]), kValueWidth));
            file += separator;
        }
        file += kLineEnd;
    }

    for (const GameSection section :
         {GameSection::kSelected, GameSection::kOriginal, GameSection::kChildren}) {
        file += SectionHeader(section);
        file += kLineEnd;
        for (const CompiledGame& game : games) {
            for (const GameSection member : game.sections) {
                if (member != section) continue;
                file += ScrambleText(ZeroPad(game.number, 3));
                file += kLineEnd;
            }
        }
    }
    return file;
}

}  // namespace vis
