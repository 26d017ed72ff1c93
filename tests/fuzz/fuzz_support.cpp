#include "fuzz_support.h"

#include <cstdio>
#include <random>
#include <string>

namespace vis::fuzz {

namespace {
struct Scratch {
    std::filesystem::path path;
    Scratch() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() / ("vis_fuzz_" + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};
}  // namespace

const std::filesystem::path& ScratchDir() {
    static Scratch scratch;
    return scratch.path;
}

std::filesystem::path WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const auto file = ScratchDir() / name;
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return file;
}

}  // namespace vis::fuzz
