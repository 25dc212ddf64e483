#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rules {

// Content files are a few KiB; these limits keep a damaged or wrong file from costing more
// than a few MiB of memory, and its error message from quoting it whole.
inline constexpr std::size_t kContentFileLimit = 4 * 1024 * 1024;
inline constexpr std::size_t kContentLineLimit = 64 * 1024; // characters

// Joins the program's directory and a content file name.
std::string contentPath(const std::string& dir, const std::string& fileName);

// The bytes of a content file, read no further than just past kContentFileLimit. Throws
// ContentError naming the file when it is missing, is a directory or other non-regular file,
// or cannot be read.
std::string readContentBytes(const std::string& dir, const std::string& fileName);

// The lines of a content file's bytes, decoded. Throws ContentError for a file in UTF-16, a
// line longer than kContentLineLimit characters, or a file larger than kContentFileLimit.
std::vector<std::string> contentLines(const std::string& fileName, std::string_view bytes);

// Both steps.
std::vector<std::string> readContentLines(const std::string& dir, const std::string& fileName);

} // namespace tavrin::rules
