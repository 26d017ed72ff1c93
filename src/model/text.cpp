#include "model/text.h"

#include <algorithm>
#include <charconv>

namespace vis {

std::string ZeroPad(std::int64_t value, int width) {
    if (width <= 0) return {};
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so the most negative value is safe.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    const std::size_t room = static_cast<std::size_t>(width) - (negative ? 1 : 0);
    if (digits.size() > room) return std::string(static_cast<std::size_t>(width), '*');
    std::string out = negative ? "-" : "";
    out.append(room - digits.size(), '0');
    out += digits;
    return out;
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

std::string TrimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    return std::string(text.substr(start));
}

std::string Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::string PadOrCut(std::string_view text, std::size_t length) {
    std::string out(text.substr(0, std::min(length, text.size())));
    out.resize(length, ' ');
    return out;
}

std::string LastChars(std::string_view text, std::size_t count) {
    if (count >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - count));
}

std::string ReplaceAt(std::string_view text, std::size_t offset, std::size_t count,
                      std::string_view value) {
    std::string out(text);
    if (offset > out.size()) return out;
    out.replace(offset, count, value);
    return out;
}

std::string Repeat(char ch, std::size_t count) {
    return std::string(count, ch);
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
    std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    std::int32_t value = 0;
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

std::int32_t ParseIntOr(std::string_view text, std::int32_t fallback) {
    return ParseInt(text).value_or(fallback);
}

namespace {
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (newline == std::string_view::npos) break;
        text.remove_prefix(newline + 1);
    }
    return lines;
}

}  // namespace vis
