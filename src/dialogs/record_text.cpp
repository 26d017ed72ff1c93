#include "dialogs/record_text.h"

#include <array>

namespace vis {

namespace {

constexpr unsigned kFirstHigh = 0x80;
constexpr unsigned kAfterHigh = 0xA0;
constexpr unsigned kByteLimit = 0x100;

// Bytes 0x80-0x9F; the five bytes the code page leaves unassigned stand for
// themselves, so that every byte comes back as it was.
constexpr std::array<char16_t, 32> kHighBytes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t CodeOf(unsigned char byte) {
    if (byte >= kFirstHigh && byte < kAfterHigh) return kHighBytes[byte - kFirstHigh];
    return byte;
}

std::optional<char> ByteOf(char16_t code) {
    for (unsigned i = 0; i < kHighBytes.size(); ++i)
        if (kHighBytes[i] == code) return static_cast<char>(kFirstHigh + i);
    if (code < kFirstHigh || (code >= kAfterHigh && code < kByteLimit))
        return static_cast<char>(code);
    return std::nullopt;
}

}  // namespace

QString FromRecordText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) text.append(QChar(CodeOf(static_cast<unsigned char>(c))));
    return text;
}

std::optional<std::string> ToRecordText(const QString& text) {
    for (const QChar c : text)
        if (!ByteOf(c.unicode())) return std::nullopt;
    return RecordTextOf(text);
}

std::string RecordTextOf(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) bytes.push_back(ByteOf(c.unicode()).value_or('?'));
    return bytes;
}

}  // namespace vis
