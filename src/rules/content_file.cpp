#include "rules/content_file.h"

#include "rules/content_error.h"
#include "rules/text_excerpt.h"
#include "rules/text_lines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin::rules {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void cannotRead(const std::string& fileName, const std::string& path,
                             const std::string& why) {
    throw ContentError(fileName, 0, "cannot read " + escaped(path) + why);
}

std::string systemReason(int error) {
    return std::string(" (") + std::strerror(error) + ")";
}

// Text saved as UTF-16 starts with its byte order mark or, without one, has a NUL in one byte
// of every ASCII character (digits, blanks, line ends): many NULs, nearly all in the odd or all
// in the even places. A stray NUL in Big5 or UTF-8 text is no such pattern.
bool isUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    std::size_t nuls[2] = {0, 0};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++nuls[i % 2];
    const std::size_t most = std::max(nuls[0], nuls[1]);
    const std::size_t fewest = std::min(nuls[0], nuls[1]);
    const std::size_t characters = bytes.size() / 2;
    // One NUL alone is a stray byte, however short the file.
    return most > 1 && most >= characters / 16 && fewest * 8 <= most;
}

std::size_t characterCount(const std::string& utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

} // namespace

std::string contentPath(const std::string& dir, const std::string& fileName) {
    if (dir.empty() || dir.back() == '/')
        return dir + fileName;
    return dir + "/" + fileName;
}

std::string readContentBytes(const std::string& dir, const std::string& fileName) {
    const std::string path = contentPath(dir, fileName);
    // Non-blocking, so that a pipe put in a file's place is refused instead of waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        throw ContentError(fileName, 0, "cannot open " + escaped(path) + systemReason(error));
    }
    const FileDescriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        cannotRead(fileName, path, systemReason(errno));
    if (S_ISDIR(info.st_mode))
        cannotRead(fileName, path, ": it is a directory");
    if (!S_ISREG(info.st_mode))
        cannotRead(fileName, path, ": it is not a regular file");
    std::string bytes;
    char buffer[64 * 1024];
    while (bytes.size() <= kContentFileLimit) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            cannotRead(fileName, path, systemReason(errno));
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

std::vector<std::string> contentLines(const std::string& fileName, std::string_view bytes) {
    if (isUtf16(bytes))
        throw ContentError(fileName, 0,
                           "the file is saved as UTF-16, which the game does not read; save it "
                           "as Big5 or UTF-8");
    std::vector<std::string> lines = decodeLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > kContentLineLimit && characterCount(lines[i]) > kContentLineLimit)
            throw ContentError(fileName, static_cast<int>(i) + 1,
                               "the line is longer than " + std::to_string(kContentLineLimit) +
                                   " characters");
    if (bytes.size() > kContentFileLimit)
        throw ContentError(fileName, 0,
                           "the file is larger than " +
                               std::to_string(kContentFileLimit / (1024 * 1024)) +
                               " MiB; content files need a few KiB");
    return lines;
}

std::vector<std::string> readContentLines(const std::string& dir, const std::string& fileName) {
    return contentLines(fileName, readContentBytes(dir, fileName));
}

} // namespace tavrin::rules
