#include "store/section_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr std::string_view kCrLf = "\r\n";

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

// Reads a file in blocks at chosen offsets, straight into a reused buffer.
class BlockReader {
public:
    explicit BlockReader(const std::filesystem::path& file) {
        if (!FileExists(file)) return;
        file_.reset(OpenFile(file, "rb"));
        if (!file_) throw FileError("Cannot open file " + file.string());
        std::setvbuf(file_.get(), nullptr, _IONBF, 0);  // each block is one read call
        std::error_code ec;
        size_ = static_cast<std::int64_t>(std::filesystem::file_size(file, ec));
    }
    bool IsOpen() const { return file_ != nullptr; }
    std::int64_t Size() const { return size_; }

    // The bytes at [offset, offset + count), fewer at the end of the file;
    // valid until the next call.
    std::string_view Read(std::int64_t offset, std::size_t count) {
        if (!file_ || offset >= size_) return {};
        if (buffer_.size() < count) buffer_.resize(count);
        if (offset != position_ &&
            std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0)
            return {};
        const std::size_t got = std::fread(buffer_.data(), 1, count, file_.get());
        position_ = offset + static_cast<std::int64_t>(got);
        return std::string_view(buffer_.data(), got);
    }

private:
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::int64_t size_ = 0;
    std::int64_t position_ = 0;
    std::string buffer_;
};

// A located section: its header, its content (the lines after the header
// line, up to the line end before the next "[" line or the end of file) and
// where the next section starts.
struct Section {
    std::int64_t header = 0;
    // What the header line lacks of its line end when the file ends right
    // after it; written before any line given to the section.
    std::string_view missingLineEnd;
    std::int64_t contentBegin = 0;
    std::int64_t contentEnd = 0;
    std::int64_t next = 0;
    std::string content;
};

// Position of `needle` in `text` at or after `from`; memchr skips quickly to
// the candidates, which matters on files of many megabytes.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0) {
    if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
    const std::size_t lastStart = text.size() - needle.size();
    while (from <= lastStart) {
        const void* hit = std::memchr(text.data() + from, needle.front(), lastStart - from + 1);
        if (!hit) break;
        const std::size_t at =
            static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        if (text.compare(at, needle.size(), needle) == 0) return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

std::optional<std::int64_t> FindHeader(BlockReader& reader, std::string_view name) {
    if (!reader.IsOpen()) return std::nullopt;
    const std::string header = "[" + std::string(name) + "]";
    const std::size_t blockSize = std::max(kSectionSearchBlockSize, 2 * header.size() + 6);
    // Consecutive blocks overlap by the header length and three bytes, so a
    // header split between two blocks is seen whole with the byte before it
    // and the two after it.
    const std::int64_t step = static_cast<std::int64_t>(blockSize - header.size() - 3);
    for (std::int64_t start = 0; start < reader.Size(); start += step) {
        const std::string_view block = reader.Read(start, blockSize);
        const bool lastBlock = start + static_cast<std::int64_t>(block.size()) >= reader.Size();
        for (std::size_t i = FindText(block, header); i != std::string_view::npos;
             i = FindText(block, header, i + 1)) {
            if (start > 0 && i == 0) continue;  // seen by the block before
            const bool atLineStart = (start == 0 && i == 0) || (i > 0 && block[i - 1] == '\n');
            const std::size_t after = i + header.size();
            // Followed by "\n", "\r\n" or the end of the file.
            const std::string_view rest = block.substr(after);
            if (rest.size() < 2 && !lastBlock) continue;  // seen whole by the next block
            const bool atLineEnd =
                rest.empty() || rest == "\r" || rest.front() == '\n' || rest.starts_with(kCrLf);
            if (atLineStart && atLineEnd) return start + static_cast<std::int64_t>(i);
        }
        if (lastBlock) break;
    }
    return std::nullopt;
}

std::optional<Section> LocateSection(BlockReader& reader, std::string_view name) {
    const auto header = FindHeader(reader, name);
    if (!header) return std::nullopt;
    Section section;
    section.header = *header;
    std::int64_t pos = *header + static_cast<std::int64_t>(name.size()) + 2;
    const std::string_view afterHeader = reader.Read(pos, 2);
    if (afterHeader.starts_with(kCrLf)) {
        pos += 2;
    } else if (afterHeader.starts_with("\n")) {
        pos += 1;
    } else if (afterHeader == "\r") {  // "\r" only at the end
        pos += 1;
        section.missingLineEnd = "\n";
    } else {  // the end of the file
        section.missingLineEnd = kCrLf;
    }
    section.contentBegin = pos;

    std::string& content = section.content;
    std::size_t searchFrom = 0;
    for (;;) {
        const std::string_view block = reader.Read(pos, kSectionContentBlockSize);
        content += block;
        pos += static_cast<std::int64_t>(block.size());
        if (!content.empty() && content.front() == '[') {  // another header at once
            content.clear();
            section.contentEnd = section.next = section.contentBegin;
            return section;
        }
        const std::size_t found = FindText(content, "\n[", searchFrom);
        if (found != std::string::npos) {
            const std::size_t end = (found > 0 && content[found - 1] == '\r') ? found - 1 : found;
            content.resize(end);
            section.contentEnd = section.contentBegin + static_cast<std::int64_t>(end);
            section.next = section.contentBegin + static_cast<std::int64_t>(found) + 1;
            return section;
        }
        if (block.size() < kSectionContentBlockSize) break;
        searchFrom = content.size() - 1;
    }
    section.contentEnd = section.next =
        section.contentBegin + static_cast<std::int64_t>(content.size());
    return section;
}

// Lines end with "\n" or "\r\n"; a lone "\r" is part of the line. The end of
// the line's text from `from` (the line end excluded).
std::size_t LineEnd(std::string_view text, std::size_t from) {
    std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) return text.size();
    if (end > from && text[end - 1] == '\r') --end;
    return end;
}

// Where the line after the one ending at `lineEnd` starts.
std::size_t NextLineStart(std::string_view text, std::size_t lineEnd) {
    if (text.compare(lineEnd, 2, kCrLf) == 0) return lineEnd + 2;
    if (lineEnd < text.size() && text[lineEnd] == '\n') return lineEnd + 1;
    return text.size();
}

// Start of the key line within the content: the first line after the first
// that starts with the key; only when there is none, the first line.
std::optional<std::size_t> FindKeyLine(std::string_view content, std::string_view key) {
    const std::string needle = "\n" + std::string(key);
    const std::size_t found = content.find(needle);
    if (found != std::string_view::npos) return found + 1;
    if (content.starts_with(key)) return 0;
    return std::nullopt;
}

// Offset just past the last non-empty line of the content (with its line
// end), and whether that line has a line end.
std::size_t EndOfLastLine(std::string_view content, bool& hasLineEnd) {
    std::size_t last = 0;
    hasLineEnd = true;
    for (std::size_t pos = 0; pos < content.size();) {
        const std::size_t end = LineEnd(content, pos);
        const std::size_t next = NextLineStart(content, end);
        if (end > pos) {
            last = next;
            hasLineEnd = next > end;
        }
        pos = next;
    }
    return last;
}

std::string PairLines(const KeyValues& pairs) {
    std::string text;
    for (const auto& pair : pairs) text += pair.key + "=" + pair.value + std::string(kCrLf);
    return text;
}

std::vector<std::string_view> SplitContentLines(std::string_view content) {
    std::vector<std::string_view> lines;
    for (std::size_t pos = 0; pos < content.size();) {
        const std::size_t end = LineEnd(content, pos);
        lines.push_back(content.substr(pos, end - pos));
        pos = NextLineStart(content, end);
    }
    return lines;
}

// Locates a section with the file closed again afterwards, as the writers
// that follow reopen or replace it.
std::optional<Section> LocateSectionOf(const std::filesystem::path& file,
                                       std::string_view section) {
    BlockReader reader(file);
    return LocateSection(reader, section);
}

bool ReplaceRange(FileFeedback& ui, const std::filesystem::path& file, std::int64_t begin,
                  std::int64_t end, std::string_view bytes) {
    return ReportReplace(ui, file, ReplaceFileRange(file, begin, end, bytes));
}

}  // namespace

std::optional<std::int64_t> FindSection(const std::filesystem::path& file, std::string_view name) {
    BlockReader reader(file);
    return FindHeader(reader, name);
}

std::string ReadKey(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view fallback) {
    BlockReader reader(file);
    const auto located = LocateSection(reader, section);
    if (!located) return std::string(fallback);
    const std::string_view content = located->content;
    const auto line = FindKeyLine(content, key);
    if (!line) return std::string(fallback);
    // The character after the key is taken as the "=".
    const std::size_t valueStart = std::min(*line + key.size() + 1, LineEnd(content, *line));
    std::string value(content.substr(valueStart, LineEnd(content, *line) - valueStart));
    value.erase(value.find_last_not_of(' ') + 1);  // trailing blanks
    return value;
}

std::vector<std::string> ReadKeys(const std::filesystem::path& file, std::string_view section,
                                  const std::vector<std::string>& keys,
                                  const std::vector<std::string>& defaults) {
    std::vector<std::string> values(keys.size());
    for (std::size_t i = 0; i < keys.size() && i < defaults.size(); ++i) values[i] = defaults[i];
    BlockReader reader(file);
    const auto located = LocateSection(reader, section);
    if (!located) return values;
    std::vector<bool> found(keys.size(), false);
    std::size_t left = keys.size();
    for (std::string_view line : SplitContentLines(located->content)) {
        for (std::size_t i = 0; i < keys.size() && left > 0; ++i) {
            if (found[i] || !line.starts_with(keys[i])) continue;
            const std::size_t eq = line.find('=');
            values[i] =
                eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1));
            found[i] = true;
            --left;
        }
        if (left == 0) break;
    }
    return values;
}

std::vector<std::string> ListSections(const std::filesystem::path& file) {
    std::vector<std::string> names;
    BlockReader reader(file);
    std::string pending;  // a line not yet complete at the end of a block
    auto takeLine = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            names.emplace_back(line.substr(1, line.size() - 2));
    };
    for (std::int64_t pos = 0; pos < reader.Size(); pos += kSectionSearchBlockSize) {
        pending += reader.Read(pos, kSectionSearchBlockSize);
        std::size_t start = 0;
        for (std::size_t nl = pending.find('\n'); nl != std::string::npos;
             nl = pending.find('\n', start)) {
            takeLine(std::string_view(pending).substr(start, nl - start));
            start = nl + 1;
        }
        pending.erase(0, start);
        // A line longer than any header worth listing needs no more bytes.
        if (!pending.empty() && pending.front() != '[') pending = " ";
    }
    takeLine(pending);
    return names;
}

std::vector<std::string> ReadSectionLines(const std::filesystem::path& file,
                                          std::string_view section) {
    std::vector<std::string> lines;
    BlockReader reader(file);
    const auto located = LocateSection(reader, section);
    if (!located) return lines;
    for (std::string_view line : SplitContentLines(located->content))
        if (!line.empty()) lines.emplace_back(line);
    return lines;
}

bool RewriteSection(FileFeedback& ui, const std::filesystem::path& file, std::string_view section,
                    const KeyValues& pairs) {
    const std::optional<Section> located = LocateSectionOf(file, section);
    if (!located) return AppendSection(ui, file, section, pairs);
    return ReplaceRange(
        ui, file, located->contentBegin, located->next,
        std::string(located->missingLineEnd) + PairLines(pairs) + std::string(kCrLf));
}

bool WriteSectionInPlace(FileFeedback& ui, const std::filesystem::path& file,
                         std::string_view section, const KeyValues& pairs) {
    const std::optional<Section> located = LocateSectionOf(file, section);
    if (!located) return AppendSection(ui, file, section, pairs);
    const std::string lines = PairLines(pairs);
    bool hasLineEnd = true;
    const std::size_t oldWidth = EndOfLastLine(located->content, hasLineEnd);
    // Writing a longer or shorter run in place would eat into the next
    // section or leave old bytes behind.
    if (lines.size() != oldWidth || !hasLineEnd) return RewriteSection(ui, file, section, pairs);
    if (OverwriteBytes(file, located->contentBegin, lines)) return true;
    ui.ShowMessage(WriteErrorMessage(file));
    return false;
}

bool WriteKey(FileFeedback& ui, const std::filesystem::path& file, std::string_view section,
              std::string_view key, std::string_view value) {
    const std::optional<Section> located = LocateSectionOf(file, section);
    if (!located) return AppendSection(ui, file, section, {{std::string(key), std::string(value)}});
    const std::string_view content = located->content;
    if (const auto line = FindKeyLine(content, key)) {
        const std::size_t lineEnd = LineEnd(content, *line);
        const std::size_t valueStart = *line + key.size() + 1;
        if (valueStart > lineEnd) {
            // The key alone on its line: give it its "=" and the value.
            const std::int64_t at =
                located->contentBegin + static_cast<std::int64_t>(*line + key.size());
            return ReplaceRange(ui, file, at,
                                located->contentBegin + static_cast<std::int64_t>(lineEnd),
                                "=" + std::string(value));
        }
        {
            const std::int64_t at = located->contentBegin + static_cast<std::int64_t>(valueStart);
            if (lineEnd - valueStart == value.size()) {
                if (OverwriteBytes(file, at, value)) return true;
                ui.ShowMessage(WriteErrorMessage(file));
                return false;
            }
            // Another width: rewrite, so no tail of the old value is left.
            return ReplaceRange(ui, file, at,
                                located->contentBegin + static_cast<std::int64_t>(lineEnd), value);
        }
    }
    bool hasLineEnd = true;
    const std::size_t insertAt = EndOfLastLine(content, hasLineEnd);
    std::string added = std::string(key) + "=" + std::string(value) + std::string(kCrLf);
    if (!hasLineEnd) added.insert(0, kCrLf);
    added.insert(0, located->missingLineEnd);
    const std::int64_t at = located->contentBegin + static_cast<std::int64_t>(insertAt);
    return ReplaceRange(ui, file, at, at, added);
}

bool AppendSection(FileFeedback& /*ui*/, const std::filesystem::path& file,
                   std::string_view section, const KeyValues& pairs) {
    const std::string text = std::string(kCrLf) + "[" + std::string(section) + "]" +
                             std::string(kCrLf) + PairLines(pairs);
    if (!AppendBytes(file, text)) throw FileError(WriteErrorMessage(file));
    return true;
}

bool RewriteLines(FileFeedback& ui, const std::filesystem::path& file,
                  const std::function<bool(std::string& line)>& change) {
    if (!FileExists(file)) return true;
    BusyPointer busy(ui);
    const std::string text = ReadWholeFile(file);
    std::string out;
    out.reserve(text.size());
    bool changed = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = LineEnd(text, pos);
        std::string line = text.substr(pos, end - pos);
        changed = change(line) || changed;
        out += line;
        const std::size_t next = NextLineStart(text, end);
        out.append(text, end, next - end);
        pos = next;
    }
    return !changed || ReportReplace(ui, file, ReplaceFileContent(file, out));
}

bool ReplaceInLines(FileFeedback& ui, const std::filesystem::path& file, int column,
                    std::string_view oldText, std::string_view newText) {
    if (column < 1) return true;
    const std::size_t at = static_cast<std::size_t>(column - 1);
    return RewriteLines(ui, file, [&](std::string& line) {
        if (line.size() < at + oldText.size() ||
            std::string_view(line).substr(at, oldText.size()) != oldText)
            return false;
        line.replace(at, oldText.size(), newText);
        return true;
    });
}

std::string WriteErrorMessage(const std::filesystem::path& file) {
    return "Write error on file " + file.string();
}

void EnsureFile(const std::filesystem::path& file) {
    if (FileExists(file)) return;
    if (!AppendBytes(file, "")) throw FileError("Cannot open file " + file.string());
}

void EnsureVersionedFile(const std::filesystem::path& file) {
    if (FileExists(file)) return;
    if (!AppendBytes(file, "[Version]\r\nVersion=0300\r\n"))
        throw FileError("Cannot open file " + file.string());
}

bool ReportReplace(FileFeedback& ui, const std::filesystem::path& file,
                   const ReplaceOutcome& outcome) {
    switch (outcome.result) {
        case ReplaceResult::kDone:
            return true;
        case ReplaceResult::kTempNotCreated:
            ui.ShowMessage("Error creating temp file.\r" + file.parent_path().string());
            break;
        case ReplaceResult::kWriteFailed:
            ui.ShowMessage(WriteErrorMessage(file));
            break;
        case ReplaceResult::kRenameFailed:
            ui.ShowMessage("Error in renaming the file: " + outcome.tempFile.string() + "\r" +
                           "to:" + " " + file.string());
            break;
    }
    return false;
}

}  // namespace vis
