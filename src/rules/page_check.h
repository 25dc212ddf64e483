#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rules {

// The shipped pages of an edition, help-LANG.html and info-LANG.html in pagesDir, as the game
// opens them: each must be there, and every link or resource of theirs that is not a web or
// mail address must name a file that is there, and a section (#name) that the page has. One
// message a problem.
std::vector<std::string> checkPages(const std::string& pagesDir, std::string_view language);

} // namespace tavrin::rules
