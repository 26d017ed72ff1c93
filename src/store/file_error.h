// A file the program could not open or write: ends the current command,
// which the UI reports with its error box.
#pragma once

#include <stdexcept>
#include <string>

namespace vis {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vis
