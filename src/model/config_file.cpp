#include "model/config_file.h"

#include <optional>
#include <vector>

#include "model/text.h"
#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

// One line of the file: where its text starts and ends (line end excluded)
// and where the next line starts.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<Line> LineSpans(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        const std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        while (end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// The section name of a "[name]" line, if the line is one.
std::optional<std::string_view> SectionName(std::string_view line) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return line.substr(1, line.size() - 2);
}

// The key of a "key=value" line (blanks around the key ignored).
std::optional<std::string_view> KeyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view key = line.substr(0, eq);
    while (!key.empty() && key.front() == ' ') key.remove_prefix(1);
    while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
    return key;
}

// A lone carriage return at the end of the file does not end a line.
bool EndsWithNewline(std::string_view text, const Line& line) {
    return line.next > line.begin && text[line.next - 1] == '\n';
}

// Where a key stands in the file, as far as it was found.
struct KeyLocation {
    bool sectionFound = false;
    std::size_t lastSectionLineEnd = 0;  // after the section's last non-empty line
    bool lastLineHasEnd = true;
    std::optional<Line> keyLine;
};

KeyLocation Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                   std::string_view key) {
    KeyLocation where;
    bool inSection = false;
    for (const Line& line : lines) {
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (auto name = SectionName(content)) {
            if (where.sectionFound) break;  // the first matching section holds the keys
            inSection = EqualsIgnoreCase(*name, section);
            if (inSection) {
                where.sectionFound = true;
                where.lastSectionLineEnd = line.next;
                where.lastLineHasEnd = EndsWithNewline(text, line);
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(content).empty()) {
            where.lastSectionLineEnd = line.next;
            where.lastLineHasEnd = EndsWithNewline(text, line);
        }
        if (auto k = KeyOf(content); k && EqualsIgnoreCase(*k, key)) {
            where.keyLine = line;
            return where;
        }
    }
    return where;
}

std::string_view LineEndOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    if (nl != std::string_view::npos && nl > 0 && text[nl - 1] != '\r') return "\n";
    return "\r\n";
}

}  // namespace

std::string ReadPref(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view fallback) {
    std::string text;
    try {
        text = ReadWholeFile(file);
    } catch (const FileError&) {
        return std::string(fallback);  // reads never fail
    }
    const KeyLocation where = Locate(text, LineSpans(text), section, key);
    if (!where.keyLine) return std::string(fallback);
    const std::string_view line = std::string_view(text).substr(
        where.keyLine->begin, where.keyLine->end - where.keyLine->begin);
    return Trim(line.substr(line.find('=') + 1));
}

std::int32_t ReadPrefInt(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, std::int32_t fallback) {
    return ParseIntOr(ReadPref(file, section, key, ""), fallback);
}

void WritePref(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string_view value) {
    std::string text;
    try {
        text = ReadWholeFile(file);
    } catch (const FileError&) {
        throw FileError("Unable to write to " + file.string());
    }
    const std::string_view eol = LineEndOf(text);
    const KeyLocation where = Locate(text, LineSpans(text), section, key);
    std::string updated;
    if (where.keyLine) {
        // Keep the key as it is written and everything around the line.
        const Line& line = *where.keyLine;
        const std::size_t eq = text.find('=', line.begin);
        updated = text.substr(0, eq + 1) + std::string(value) + text.substr(line.end);
    } else if (where.sectionFound) {
        std::string added = std::string(key) + "=" + std::string(value) + std::string(eol);
        if (!where.lastLineHasEnd) added.insert(0, eol);
        updated = text;
        updated.insert(where.lastSectionLineEnd, added);
    } else {
        updated = text;
        if (!updated.empty() && updated.back() != '\n') updated += eol;
        updated += "[" + std::string(section) + "]" + std::string(eol) + std::string(key) + "=" +
                   std::string(value) + std::string(eol);
    }
    std::error_code ec;
    if (!file.parent_path().empty()) std::filesystem::create_directories(file.parent_path(), ec);
    if (ReplaceFileContent(file, updated).result != ReplaceResult::kDone)
        throw FileError("Unable to write to " + file.string());
}

void WritePrefInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
                  std::int32_t value) {
    WritePref(file, section, key, std::to_string(value));
}

void ShowAdvice(UiPort& ui, const std::filesystem::path& file, const std::string& message,
                std::string_view key, int page) {
    if (ReadPref(file, kShowMessagesSection, key, "") == "N") return;
    if (ui.ShowAdviceDialog(message, page)) WritePref(file, kShowMessagesSection, key, "N");
}

}  // namespace vis
