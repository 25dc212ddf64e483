// The two board files, then throws on the board they make: a board is read or refused with a
// safe message, and play on it keeps the character on the board.
#include "invariants.h"
#include "rules/board_content.h"
#include "rules/board_rules.h"
#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/content_rules.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void play(const tavrin::rules::BoardContent& board, FuzzedDataProvider& dice) {
    using namespace tavrin::rules;
    GameState state;
    state.score = kStartScore;
    state.trial = 1;
    state.takingThrows = true;
    for (int i = 0; i < kMovingThrowLimit + 1; ++i) {
        state.dieFace = dice.ConsumeIntegralInRange(1, 6);
        const ThrowOutcome outcome = playThrow(state, board);
        fuzz::require(state.square >= 0 && state.square < kSquareCount,
                      "the character left the board");
        fuzz::require(tilePictureIndex(outcome.value) >= 0 && tilePictureIndex(outcome.value) <= 3,
                      "no such tile picture");
        if (outcome.kind != ThrowOutcome::Kind::Moved)
            return;
        fuzz::require(outcome.path().size() == std::size_t(state.dieFace), "walked too far");
    }
    fuzz::broken("the game went on past the throw limit", {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin::rules;
    FuzzedDataProvider input(data, size);
    const std::string values = input.ConsumeRandomLengthString();
    const std::string messages = input.ConsumeRandomLengthString();
    try {
        const BoardContent board =
            parseBoard(contentLines(kMapDataFile, values), contentLines(kMapMsgFile, messages));
        for (const std::string& warning : boardRuleWarnings(board))
            fuzz::requireSafeMessage(warning);
        play(board, input);
    } catch (const ContentError& error) {
        fuzz::requireSafeMessage(error.what());
    }
    return 0;
}
