#include "rules/content_file.h"

#include "rules/content_error.h"
#include "rules/text_lines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tavrin::rules {

std::optional<std::string> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
}

std::string contentPath(const std::string& dir, const std::string& fileName) {
    if (dir.empty() || dir.back() == '/')
        return dir + fileName;
    return dir + "/" + fileName;
}

std::vector<std::string> readContentLines(const std::string& dir, const std::string& fileName) {
    const std::string path = contentPath(dir, fileName);
    errno = 0;
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        const std::string reason = errno ? std::strerror(errno) : "cannot be read";
        throw ContentError(fileName, 0, "cannot open " + path + " (" + reason + ")");
    }
    return decodeLines(*bytes);
}

} // namespace tavrin::rules
