#include "lettering.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace vis {

namespace {

struct Glyph {
    char ch;
    double width;  // in units of a 10-unit cap height
    std::string_view strokes;
};

// Centre lines of the strokes on a cap height of 10 units, baseline at 10.
constexpr std::array<Glyph, 48> kGlyphs{{
    {'0', 6, "E 3 5 3 5"},
    {'1', 4, "M 0.6 2.2 L 3.2 0 L 3.2 10"},
    {'2', 6,
     "M 0.3 2.8 C 0.5 1 1.7 0 3.1 0 C 4.7 0 5.8 1.1 5.8 2.7 C 5.8 4.2 4.8 5.2 3.6 6.2 "
     "L 0.2 10 L 6 10"},
    {'3', 6,
     "M 0.4 1.3 C 1 0.4 2 0 3 0 C 4.6 0 5.6 1 5.6 2.5 C 5.6 4 4.4 4.8 2.6 4.8 "
     "C 4.7 4.8 5.9 5.9 5.9 7.4 C 5.9 9 4.6 10 3 10 C 1.7 10 0.7 9.4 0.1 8.5"},
    {'4', 6.2, "M 4.5 10 L 4.5 0 L 0 7 L 6.2 7"},
    {'5', 6,
     "M 5.5 0 L 1.1 0 L 0.6 4.4 C 1.3 3.8 2.2 3.6 3.1 3.6 C 4.9 3.6 6 4.9 6 6.8 "
     "C 6 8.7 4.7 10 3 10 C 1.7 10 0.7 9.4 0.1 8.5"},
    {'6', 6,
     "M 5.2 0.9 C 4.6 0.3 3.8 0 3.1 0 C 1.1 0 0.1 2.2 0.1 5.3 C 0.1 8.4 1.3 10 3.1 10 "
     "C 4.8 10 6 8.7 6 6.9 C 6 5.1 4.8 3.9 3.1 3.9 C 1.6 3.9 0.5 4.9 0.2 6.1"},
    {'7', 6, "M 0 0 L 6 0 C 4.2 2.6 2.8 5.6 2.4 10"},
    {'8', 6, "E 3 2.55 2.45 2.55 E 3 7.35 2.85 2.65"},
    {'9', 6,
     "M 0.8 9.1 C 1.4 9.7 2.2 10 2.9 10 C 4.9 10 5.9 7.8 5.9 4.7 C 5.9 1.6 4.7 0 2.9 0 "
     "C 1.2 0 0 1.3 0 3.1 C 0 4.9 1.2 6.1 2.9 6.1 C 4.4 6.1 5.5 5.1 5.8 3.9"},
    {'A', 6.4, "M 0 10 L 3.2 0 L 6.4 10 M 1.1 6.6 L 5.3 6.6"},
    {'B', 6,
     "M 0.5 4.9 L 3.2 4.9 C 4.6 4.9 5.5 3.9 5.5 2.45 C 5.5 1 4.6 0 3.2 0 L 0.5 0 "
     "L 0.5 10 L 3.6 10 C 5.1 10 6 8.9 6 7.45 C 6 6 5.1 4.9 3.6 4.9 L 3.2 4.9"},
    {'C', 6,
     "M 5.8 1.8 C 5.2 0.6 4.2 0 3.1 0 C 1.3 0 0 2.1 0 5 C 0 7.9 1.3 10 3.1 10 "
     "C 4.2 10 5.2 9.4 5.8 8.2"},
    {'D', 6.2, "M 0.5 0 L 0.5 10 L 2.6 10 C 4.9 10 6.2 8 6.2 5 C 6.2 2 4.9 0 2.6 0 Z"},
    {'E', 5.6, "M 5.6 0 L 0.5 0 L 0.5 10 L 5.6 10 M 0.5 4.9 L 4.6 4.9"},
    {'F', 5.6, "M 5.6 0 L 0.5 0 L 0.5 10 M 0.5 4.9 L 4.6 4.9"},
    {'G', 6.2,
     "M 5.8 1.8 C 5.2 0.6 4.2 0 3.1 0 C 1.3 0 0 2.1 0 5 C 0 7.9 1.3 10 3.1 10 "
     "C 4.6 10 6 9 6 6.9 L 6 5.6 L 3.4 5.6"},
    {'H', 6, "M 0.5 0 L 0.5 10 M 5.5 0 L 5.5 10 M 0.5 4.9 L 5.5 4.9"},
    {'I', 1, "M 0.5 0 L 0.5 10"},
    {'J', 5.5, "M 5 0 L 5 7 C 5 9 4 10 2.6 10 C 1.2 10 0.3 9 0.1 7.6"},
    {'K', 6, "M 0.5 0 L 0.5 10 M 5.8 0 L 0.5 6 M 2.4 3.9 L 6 10"},
    {'L', 5.4, "M 0.5 0 L 0.5 10 L 5.4 10"},
    {'M', 7.6, "M 0.5 10 L 0.5 0 L 3.8 7.4 L 7.1 0 L 7.1 10"},
    {'N', 6, "M 0.5 10 L 0.5 0 L 5.5 10 L 5.5 0"},
    {'O', 6.4, "E 3.2 5 3.2 5"},
    {'P', 6, "M 0.5 10 L 0.5 0 L 3.4 0 C 5 0 6 1.2 6 2.8 C 6 4.4 5 5.5 3.4 5.5 L 0.5 5.5"},
    {'Q', 6.6, "E 3.2 5 3.2 5 M 3.9 7.3 L 6.6 10.4"},
    {'R', 6,
     "M 0.5 10 L 0.5 0 L 3.4 0 C 5 0 6 1.2 6 2.8 C 6 4.4 5 5.5 3.4 5.5 L 0.5 5.5 "
     "M 3.2 5.5 L 6 10"},
    {'S', 6,
     "M 5.5 1.5 C 4.9 0.5 4 0 3 0 C 1.5 0 0.4 0.9 0.4 2.4 C 0.4 5.6 6 4.2 6 7.5 "
     "C 6 9 4.8 10 3.1 10 C 1.8 10 0.8 9.4 0.1 8.3"},
    {'T', 6, "M 0 0 L 6 0 M 3 0 L 3 10"},
    {'U', 6, "M 0.5 0 L 0.5 6.8 C 0.5 8.8 1.6 10 3 10 C 4.4 10 5.5 8.8 5.5 6.8 L 5.5 0"},
    {'V', 6.4, "M 0 0 L 3.2 10 L 6.4 0"},
    {'W', 8.4, "M 0 0 L 2.1 10 L 4.2 3 L 6.3 10 L 8.4 0"},
    {'X', 6, "M 0.2 0 L 5.8 10 M 5.8 0 L 0.2 10"},
    {'Y', 6, "M 0 0 L 3 5.2 L 6 0 M 3 5.2 L 3 10"},
    {'Z', 6, "M 0.4 0 L 5.8 0 L 0.2 10 L 5.8 10"},
    {'-', 4, "M 0.5 5.6 L 3.5 5.6"},
    {'+', 6, "M 0.5 5 L 5.5 5 M 3 2.5 L 3 7.5"},
    {'.', 1, "E 0.5 9.7 0.05 0.05"},
    {',', 1.4, "M 0.9 9.2 L 0.3 11.4"},
    {':', 1, "E 0.5 3.6 0.05 0.05 E 0.5 9.7 0.05 0.05"},
    {'!', 1, "M 0.5 0 L 0.5 6.8 E 0.5 9.7 0.05 0.05"},
    {'?', 5.8,
     "M 0.3 2.3 C 0.5 0.8 1.6 0 3 0 C 4.5 0 5.6 1 5.6 2.4 C 5.6 4.4 3 4.6 3 6.9 "
     "E 3 9.7 0.05 0.05"},
    {'\'', 1, "M 0.5 0 L 0.5 2.6"},
    {'/', 4.4, "M 0 10.4 L 4.4 -0.4"},
    {'=', 6, "M 0.5 3.6 L 5.5 3.6 M 0.5 6.6 L 5.5 6.6"},
    {'&', 6.6,
     "M 6.4 10 L 1.4 3.6 C 0.9 2.9 0.9 2.3 0.9 2 C 0.9 0.8 1.8 0 2.9 0 C 4 0 4.8 0.8 "
     "4.8 1.9 C 4.8 3.5 3 4.4 1.8 5.3 C 0.7 6.1 0.1 6.9 0.1 7.9 C 0.1 9.2 1.2 10 2.6 10 "
     "C 4 10 5.2 9.1 6.2 7.2"},
    {' ', 3.6, ""},
}};

const Glyph* FindGlyph(char ch) {
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.ch == upper) return &glyph;
    }
    return nullptr;
}

std::vector<double> Numbers(std::string_view text, std::size_t& pos, int count) {
    std::vector<double> values;
    while (static_cast<int>(values.size()) < count && pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        double value = 0;
        auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
        if (error != std::errc()) break;
        values.push_back(value);
        pos = static_cast<std::size_t>(end - text.data());
    }
    values.resize(static_cast<std::size_t>(count), 0.0);
    return values;
}

}  // namespace

QPainterPath ParsePath(std::string_view commands) {
    QPainterPath path;
    std::size_t pos = 0;
    while (pos < commands.size()) {
        char command = commands[pos++];
        switch (command) {
            case 'M': {
                auto v = Numbers(commands, pos, 2);
                path.moveTo(v[0], v[1]);
                break;
            }
            case 'L': {
                auto v = Numbers(commands, pos, 2);
                path.lineTo(v[0], v[1]);
                break;
            }
            case 'Q': {
                auto v = Numbers(commands, pos, 4);
                path.quadTo(v[0], v[1], v[2], v[3]);
                break;
            }
            case 'C': {
                auto v = Numbers(commands, pos, 6);
                path.cubicTo(v[0], v[1], v[2], v[3], v[4], v[5]);
                break;
            }
            case 'E': {
                auto v = Numbers(commands, pos, 4);
                path.addEllipse(QPointF(v[0], v[1]), v[2], v[3]);
                break;
            }
            case 'Z':
                path.closeSubpath();
                break;
            default:
                break;
        }
    }
    return path;
}

double TextWidth(std::string_view text, const LetteringStyle& style) {
    double units = 0;
    int letters = 0;
    for (char ch : text) {
        const Glyph* glyph = FindGlyph(ch);
        if (glyph == nullptr) continue;
        units += glyph->width;
        ++letters;
    }
    double scale = style.capHeight / 10.0;
    double gap = style.capHeight * (style.tracking + style.weight);
    return units * scale * style.condense + (letters > 1 ? (letters - 1) * gap : 0.0);
}

QPainterPath TextPath(std::string_view text, const LetteringStyle& style, QPointF topLeft) {
    const double scale = style.capHeight / 10.0;
    const double gap = style.capHeight * (style.tracking + style.weight);
    QPainterPath centreLines;
    double x = topLeft.x();
    for (char ch : text) {
        const Glyph* glyph = FindGlyph(ch);
        if (glyph == nullptr) continue;
        QTransform place;
        place.translate(x, topLeft.y());
        place.scale(scale * style.condense, scale);
        centreLines.addPath(place.map(ParsePath(glyph->strokes)));
        x += glyph->width * scale * style.condense + gap;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(style.capHeight * style.weight);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLines).simplified();
}

QPainterPath CentredText(std::string_view text, const LetteringStyle& style, QPointF centre) {
    QPointF topLeft(centre.x() - TextWidth(text, style) / 2, centre.y() - style.capHeight / 2);
    return TextPath(text, style, topLeft);
}

}  // namespace vis
