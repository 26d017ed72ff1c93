// What every fuzz target shares: a scratch directory per process and a way
// to put the fuzzer's bytes into a file there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vis::fuzz {

const std::filesystem::path& ScratchDir();
// Writes the input to `name` in the scratch directory and returns its path.
std::filesystem::path WriteInput(const char* name, const std::uint8_t* data, std::size_t size);

}  // namespace vis::fuzz
