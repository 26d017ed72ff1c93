// Arbitrary bytes as a configuration or record file: every reader must give
// a default or "not found", and writers must keep what they did not touch.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "model/config_file.h"
#include "model/headless_ui.h"
#include "store/durable_file.h"
#include "store/section_file.h"

namespace {
void Check(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    const auto file = fuzz::WriteInput("CFG.DAT", data, size);
    const std::string original = ReadWholeFile(file);

    ReadPref(file, "Preference", "Cursor", "10");
    ReadPrefInt(file, "preference", "Game", 1);
    ReadPref(file, "Users", "User001", "");
    ReadKey(file, "Preference", "Cursor", "?");
    ReadKeys(file, "Version", {"Version", "V"}, {"", ""});
    const auto sections = ListSections(file);
    for (std::size_t i = 0; i < sections.size() && i < 8; ++i) {
        Check(FindSection(file, sections[i]).has_value() ||
              sections[i].find('\n') != std::string::npos ||
              sections[i].find('[') != std::string::npos ||
              sections[i].find(']') != std::string::npos ||
              sections[i].find('\r') != std::string::npos);
        ReadSectionLines(file, sections[i]);
    }
    Check(ReadWholeFile(file) == original);  // reading changes nothing

    // A value written is read back, whatever surrounded it.
    HeadlessUi ui;
    WritePref(file, "Preference", "Cursor", "12");
    Check(ReadPref(file, "PREFERENCE", "cursor", "") == "12");
    WriteKey(ui, file, "Fuzz", "Key", "value");
    Check(ReadKey(file, "Fuzz", "Key", "") == "value");
    // The writers of whole sections, on a section that may stand last in
    // the file without a line end.
    RewriteSection(ui, file, "Last", {{"Game001", "1"}, {"Game002", "2"}});
    Check(ReadKey(file, "Last", "Game002", "") == "2");
    WriteSectionInPlace(ui, file, "Last", {{"Game001", "3"}, {"Game002", "4"}});
    Check(ReadSectionLines(file, "Last") == std::vector<std::string>{"Game001=3", "Game002=4"});
    Check(ReadKey(file, "Fuzz", "Key", "") == "value");
    Check(ui.Messages().empty());
    return 0;
}
