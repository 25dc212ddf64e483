#pragma once

#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tavrin::rules {

// One line per game event, "word key=value ...", flushed at once so that a test or a crash
// never loses the last lines. Without a file it writes nothing. A write that fails (a full
// disk) is reported once on standard error; the game goes on without its log.
class EventLog {
public:
    using Field = std::pair<std::string_view, std::string>;

    EventLog() = default;
    bool open(const std::string& path);
    bool isOpen() const { return out_.is_open(); }
    bool failed() const { return failed_; }

    void write(std::string_view event, std::initializer_list<Field> fields = {});

    static Field field(std::string_view key, long long value);
    static Field field(std::string_view key, std::string_view value);

private:
    void reportFailure();

    std::ofstream out_;
    std::string path_;
    bool failed_ = false;
};

} // namespace tavrin::rules
