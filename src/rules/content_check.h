#pragma once

#include <string>
#include <vector>

namespace tavrin::rules {

// What a teacher who edited the content files needs to know before a class plays them.
struct ContentReport {
    std::vector<std::string> errors;   // the game would stop on these
    std::vector<std::string> warnings; // the game plays, but probably not as meant
};

// Reads the three content files in dir as the game does and reports the first error of each
// file on its own (a broken mapdata.txt does not hide a short mapmsg.txt), every answer line
// that is not a number or matches no button, and, when all three can be read, where the set
// breaks the content rules.
ContentReport checkContent(const std::string& dir);

} // namespace tavrin::rules
