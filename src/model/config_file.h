// The configuration file: INI-shaped sections of key=value lines.
//
// Section and key names match regardless of letter case; both line-end forms
// are read. The file is opened and closed around every access, so a value
// written is at once visible to every later read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/ui_port.h"

namespace vis {

class StateBlock;

// The value of the key (text after the first "=", without surrounding
// blanks), or `fallback` when the file, the section or the key is missing.
std::string ReadPref(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view fallback);
// As ReadPref; `fallback` also when the text is not an integer.
std::int32_t ReadPrefInt(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, std::int32_t fallback);

// Replaces the value in place, or adds the key at the end of its section, or
// adds the section at the end of the file; every other byte stays as it was.
// Throws FileError("Unable to write to ...") when the file system refuses.
void WritePref(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string_view value);
void WritePrefInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  std::int32_t value);

// Shows `message` in the advice dialog unless [Show_Messages] `key` is "N";
// when the player ticks "don't show again", writes that "N".
void ShowAdvice(UiPort& ui, const std::filesystem::path& file, const std::string& message,
                std::string_view key, int page);

inline constexpr std::string_view kShowMessagesSection = "Show_Messages";

}  // namespace vis
