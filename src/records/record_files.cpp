#include "records/record_files.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "model/program_paths.h"
#include "model/text.h"
#include "store/durable_file.h"
#include "store/file_error.h"
#include "store/section_file.h"

namespace vis {

namespace {

// The last byte of the file, when it has one.
std::optional<char> LastByte(const std::filesystem::path& file) {
    std::FILE* f = OpenFile(file, "rb");
    if (!f) throw FileError("Cannot open file " + file.string());
    char last = 0;
    const bool read = std::fseek(f, -1, SEEK_END) == 0 && std::fread(&last, 1, 1, f) == 1;
    std::fclose(f);
    return read ? std::optional<char>(last) : std::nullopt;
}

}  // namespace

std::filesystem::path RecordLockPath(const StateBlock& state) {
    return ProgramFile(state, kRecordLockFile);
}

void EnsureRecordFile(const std::filesystem::path& file, std::string_view initialContent) {
    if (FileExists(file)) {
        const auto last = LastByte(file);
        // A last line cut short (by hand, a full disk) would swallow what is
        // appended next, a new record or a new section.
        if (last && *last != '\n' && !AppendBytes(file, "\r\n"))
            throw FileError("Cannot open file " + file.string());
        // An empty file is what a crash between creating and writing leaves.
        if (last || initialContent.empty()) return;
    }
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    if (ReplaceFileContent(file, initialContent).result != ReplaceResult::kDone)
        throw FileError("Cannot open file " + file.string());
}

bool ReplaceRecordFile(UiPort& ui, const std::filesystem::path& file, std::string_view content) {
    return ReportReplace(ui, file, ReplaceFileContent(file, content));
}

std::optional<std::int64_t> ParseRecordNumber(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<std::string_view> SectionHeaderName(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return line.substr(1, line.size() - 2);
}

std::vector<RecordSection> ParseRecordSections(std::string_view text) {
    std::vector<RecordSection> sections;
    bool inSection = false;
    for (std::string_view line : SplitLines(text)) {
        if (const auto name = SectionHeaderName(line)) {
            sections.push_back({std::string(*name), {}});
            inSection = true;
        } else if (StartsWith(line, "[")) {
            inSection = false;  // like a header, such a line ends the section
        } else if (inSection && !line.empty()) {
            sections.back().lines.emplace_back(line);
        }
    }
    return sections;
}

}  // namespace vis
