#pragma once

#include <string>
#include <vector>

namespace tavrin::rules {

// What a teacher who edited the content files needs to know before a class plays them.
struct ContentReport {
    std::vector<std::string> errors;   // the game would stop on these
    std::vector<std::string> warnings; // the game plays, but probably not as meant
};

// Reads all three content files in dir as the game does and reports every file's first error,
// and answers that no button can match. Unlike the game, every answer line is checked now,
// not only when its question comes up.
ContentReport checkContent(const std::string& dir);

} // namespace tavrin::rules
