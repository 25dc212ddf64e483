#include "rules/event_log.h"

#include "rules/text_excerpt.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tavrin::rules {

bool EventLog::open(const std::string& path) {
    path_ = path;
    failed_ = false;
    out_.open(path, std::ios::out | std::ios::trunc);
    return out_.is_open();
}

void EventLog::write(std::string_view event, std::initializer_list<Field> fields) {
    if (!out_.is_open() || failed_)
        return;
    errno = 0;
    out_ << event;
    for (const auto& [key, value] : fields)
        out_ << ' ' << key << '=' << value;
    out_ << '\n';
    out_.flush();
    if (!out_)
        reportFailure();
}

void EventLog::reportFailure() {
    const int error = errno;
    failed_ = true;
    std::cerr << "tavrin: cannot write the log file " << escaped(path_);
    if (error)
        std::cerr << " (" << std::strerror(error) << ")";
    std::cerr << "; the game goes on without it" << std::endl;
}

EventLog::Field EventLog::field(std::string_view key, long long value) {
    return {key, std::to_string(value)};
}

EventLog::Field EventLog::field(std::string_view key, std::string_view value) {
    return {key, std::string(value)};
}

} // namespace tavrin::rules
