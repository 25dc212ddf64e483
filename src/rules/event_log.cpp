#include "rules/event_log.h"

namespace tavrin::rules {

bool EventLog::open(const std::string& path) {
    out_.open(path, std::ios::out | std::ios::trunc);
    return out_.is_open();
}

void EventLog::write(std::string_view event, std::initializer_list<Field> fields) {
    if (!out_.is_open())
        return;
    out_ << event;
    for (const auto& [key, value] : fields)
        out_ << ' ' << key << '=' << value;
    out_ << '\n';
    out_.flush();
}

EventLog::Field EventLog::field(std::string_view key, long long value) {
    return {key, std::to_string(value)};
}

EventLog::Field EventLog::field(std::string_view key, std::string_view value) {
    return {key, std::string(value)};
}

} // namespace tavrin::rules
