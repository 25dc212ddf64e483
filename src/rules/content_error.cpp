#include "rules/content_error.h"

namespace tavrin::rules {
namespace {

std::string describe(const std::string& file, int line, const std::string& problem) {
    if (line <= 0)
        return file + ": " + problem;
    return file + " line " + std::to_string(line) + ": " + problem;
}

} // namespace

ContentError::ContentError(std::string file, int line, const std::string& problem)
    : std::runtime_error(describe(file, line, problem)), file_(std::move(file)), line_(line) {}

} // namespace tavrin::rules
