#pragma once

#include <stdexcept>
#include <string>

namespace tavrin::rules {

// A content file that cannot be used. The message names the file, the 1-based line (0 when the
// problem concerns the whole file) and what is wrong, so a teacher editing it can fix it.
class ContentError : public std::runtime_error {
public:
    ContentError(std::string file, int line, const std::string& problem);

    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

} // namespace tavrin::rules
