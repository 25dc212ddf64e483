#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrin::rules {

// Reads a whole file's bytes; nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::string& path);

// Joins the program's directory and a content file name.
std::string contentPath(const std::string& dir, const std::string& fileName);

// The lines of a content file, decoded; throws ContentError naming the file when it is missing.
std::vector<std::string> readContentLines(const std::string& dir, const std::string& fileName);

} // namespace tavrin::rules
