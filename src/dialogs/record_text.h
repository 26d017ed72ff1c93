// Record files keep one byte a character (Windows-1252); the windows show
// Unicode. Every text that crosses between them goes through these two.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace vis {

// The bytes of a record text as the player reads them.
QString FromRecordText(std::string_view bytes);
// The text as record bytes; nothing when a character has no byte.
std::optional<std::string> ToRecordText(const QString& text);
// For texts that came from the records: a character without a byte (which
// they cannot hold) becomes "?".
std::string RecordTextOf(const QString& text);

}  // namespace vis
