#pragma once

#include "rules/content_error.h"

#include <functional>
#include <string>

namespace tavrin::testing {
using namespace tavrin::rules;

// The message of the content error an action throws, or "no error".
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ContentError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace tavrin::testing
