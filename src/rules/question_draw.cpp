#include "rules/question_draw.h"

#include "rules/random.h"

namespace tavrin::rules {

QuestionDraw::QuestionDraw(GameMode mode, int questionCount)
    : mode_(mode), standing_(static_cast<std::size_t>(questionCount), Standing::NotAsked),
      askedInThisQuiz_(standing_.size(), false) {}

void QuestionDraw::startQuiz() {
    askedInThisQuiz_.assign(standing_.size(), false);
}

int QuestionDraw::next(Random& rng) {
    const int count = static_cast<int>(standing_.size());
    if (mode_ == GameMode::Classic)
        return rng.wholeUpTo(count);
    std::vector<int> pool = candidates();
    if (pool.empty()) // a set with fewer questions than a quiz asks: repeats cannot be helped
        for (int number = 1; number <= count; ++number)
            pool.push_back(number);
    const int number =
        pool[static_cast<std::size_t>(rng.wholeUpTo(static_cast<int>(pool.size())) - 1)];
    askedInThisQuiz_[static_cast<std::size_t>(number - 1)] = true;
    return number;
}

// The questions of the best standing that this quiz has not asked yet.
std::vector<int> QuestionDraw::candidates() const {
    for (Standing wanted : {Standing::Missed, Standing::NotAsked, Standing::Right}) {
        std::vector<int> pool;
        for (std::size_t i = 0; i < standing_.size(); ++i)
            if (standing_[i] == wanted && !askedInThisQuiz_[i])
                pool.push_back(static_cast<int>(i) + 1);
        if (!pool.empty())
            return pool;
    }
    return {};
}

void QuestionDraw::answered(int number, bool right) {
    const auto i = static_cast<std::size_t>(number - 1);
    if (i < standing_.size())
        standing_[i] = right ? Standing::Right : Standing::Missed;
}

} // namespace tavrin::rules
