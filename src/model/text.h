// Small text helpers shared by every fixed-width record of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vis {

// Decimal text filled with leading zeros to `width`, the minus sign first
// (-1 in four places reads "-001"); a row of '*' when the number does not fit.
std::string ZeroPad(std::int64_t value, int width);

std::string TrimRight(std::string_view text);  // trailing blanks removed
std::string TrimLeft(std::string_view text);   // leading blanks removed
std::string Trim(std::string_view text);

// Pads with blanks on the right, or cuts, to exactly `length` characters.
std::string PadOrCut(std::string_view text, std::size_t length);

// The last `count` characters (all of them when the text is shorter).
std::string LastChars(std::string_view text, std::size_t count);

// Replaces `count` characters at 0-based `offset` by `value` (which may be
// of another length); past the end the text is left as it is.
std::string ReplaceAt(std::string_view text, std::size_t offset, std::size_t count,
                      std::string_view value);

std::string Repeat(char ch, std::size_t count);

// A signed decimal integer with optional surrounding blanks; nothing else.
// Empty when the text is not such a number or does not fit in 32 bits.
std::optional<std::int32_t> ParseInt(std::string_view text);
std::int32_t ParseIntOr(std::string_view text, std::int32_t fallback);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
std::string ToUpperAscii(std::string_view text);

// The lines of a text without their line ends ("\r\n", "\n", or a "\r"
// at the very end); a last line end opens no further line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace vis
