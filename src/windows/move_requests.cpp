#include "windows/move_requests.h"

#include <algorithm>

namespace tavrin {
namespace {

// Requests that Qt reported no differing position for stay listed: keep the newest only.
constexpr std::size_t kMostPending = 32;

} // namespace

void MoveRequests::requested(QPoint position, double nowSeconds) {
    if (pending_.size() == kMostPending)
        pending_.pop_front();
    pending_.push_back(position);
    lastRequestSeconds_ = nowSeconds;
}

bool MoveRequests::isOwn(QPoint reported, double nowSeconds) {
    const auto match = std::find(pending_.begin(), pending_.end(), reported);
    if (match != pending_.end()) {
        pending_.erase(pending_.begin(), match + 1);
        return true;
    }
    return nowSeconds - lastRequestSeconds_ < kAnswerSeconds;
}

} // namespace tavrin
