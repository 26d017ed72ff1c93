#include "options/customized_backgrounds.h"

#include <cctype>

#include "model/config_file.h"
#include "model/text.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::string_view kOpen = " (";

std::string KeyOf(int index) {
    return "Background" + ZeroPad(index, 3);
}

// "/...", "\\server..." or "D:\...".
bool StartsLikeFullPath(std::string_view folder) {
    if (!folder.empty() && (folder.front() == '/' || folder.front() == '\\')) return true;
    return folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
           folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/');
}

}  // namespace

std::string CustomizedBackgroundText(const std::string& fullPath) {
    const std::size_t slash = fullPath.find_last_of("\\/");
    if (slash == std::string::npos) return fullPath + " ()";
    return fullPath.substr(slash + 1) + std::string(kOpen) + fullPath.substr(0, slash + 1) + ")";
}

std::string CustomizedBackgroundPath(const std::string& displayText) {
    std::string text = displayText;
    if (!text.empty() && text.back() == ')') text.pop_back();
    // A file name may hold " (" too; the folder is the part that starts
    // like a full path, else the text after the first " (".
    std::size_t split = text.find(kOpen);
    if (split == std::string::npos) return text;
    for (std::size_t at = split; at != std::string::npos; at = text.find(kOpen, at + 1)) {
        if (StartsLikeFullPath(std::string_view(text).substr(at + kOpen.size()))) {
            split = at;
            break;
        }
    }
    return text.substr(split + kOpen.size()) + text.substr(0, split);
}

std::vector<std::string> ReadCustomizedBackgrounds(const std::filesystem::path& config) {
    std::vector<std::string> pictures;
    for (int index = 0;; ++index) {
        const std::string value =
            Trim(ReadPref(config, kCustomizedBackgroundsSection, KeyOf(index), ""));
        if (value.empty()) break;
        pictures.push_back(value);
    }
    return pictures;
}

void AddCustomizedBackground(const std::filesystem::path& config, const std::string& displayText) {
    int index = 0;
    while (!Trim(ReadPref(config, kCustomizedBackgroundsSection, KeyOf(index), "")).empty())
        ++index;
    WritePref(config, kCustomizedBackgroundsSection, KeyOf(index), displayText);
}

bool RemoveCustomizedBackground(UiPort& ui, const std::filesystem::path& config,
                                const std::string& displayText) {
    KeyValues kept;
    for (const std::string& picture : ReadCustomizedBackgrounds(config))
        if (picture != displayText) kept.push_back({KeyOf(static_cast<int>(kept.size())), picture});
    return RewriteSection(ui, config, kCustomizedBackgroundsSection, kept);
}

}  // namespace vis
