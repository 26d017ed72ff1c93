// Record files grow to thousands of sections: a key in the last section of
// a 5 MB file of 2,000 sections is read, and written in place.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/headless_ui.h"
#include "store/section_file.h"

namespace {

constexpr int kSections = 2000;
constexpr std::size_t kFileBytes = 5 * 1000 * 1000;

class RecordFile {
public:
    RecordFile() {
        path_ = std::filesystem::temp_directory_path() /
                ("vis_bench_" + std::to_string(std::random_device{}()) + ".dat");
        std::ofstream out(path_, std::ios::binary);
        out << "[Version]\r\nVersion=0300\r\n";
        const std::size_t perSection = kFileBytes / kSections;
        const std::string record = std::string(60, 'r');
        for (int s = 0; s < kSections; ++s) {
            out << "\r\n[Player " << s << "_Game " << s % 200 << "]\r\n";
            std::size_t written = 0;
            for (int k = 0; written < perSection - 80; ++k) {
                const std::string line = "Key" + std::to_string(k) + "=" + record + "\r\n";
                out << line;
                written += line.size();
            }
            out << "Last=0000\r\n";
        }
    }
    ~RecordFile() { std::filesystem::remove(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::string kLastSection =
    "Player " + std::to_string(kSections - 1) + "_Game " + std::to_string((kSections - 1) % 200);

void BM_ReadKeyInLastSection(benchmark::State& state) {
    RecordFile file;
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.Path()));
    for (auto _ : state)
        benchmark::DoNotOptimize(vis::ReadKey(file.Path(), kLastSection, "Last", ""));
}
BENCHMARK(BM_ReadKeyInLastSection)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_WriteKeyInPlaceInLastSection(benchmark::State& state) {
    RecordFile file;
    vis::HeadlessUi ui;
    int n = 0;
    for (auto _ : state) {
        const std::string value = std::to_string(1000 + n++ % 9000);
        if (!vis::WriteKey(ui, file.Path(), kLastSection, "Last", value))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteKeyInPlaceInLastSection)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
