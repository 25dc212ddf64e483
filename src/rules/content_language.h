#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::rules {

// A content set the game ships: its folder under the data directory (and its name on the
// command line), and the language named in its own words for the menu.
struct ContentLanguage {
    std::string_view code;
    std::string_view ownName;
};

// Every content set, in the order the menu and the command line name them. The content tools
// (tools/content) read the codes from the lines below: one set to a line.
inline constexpr std::array<ContentLanguage, 3> kContentLanguages = {{
    {"zh-TW", "繁體中文（台灣）"},
    {"zh-HK", "繁體中文（香港）"},
    {"en", "English"},
}};

// The set the game has always played, and the one a machine with no language chosen gets.
inline constexpr std::string_view kDesignedLanguage = "zh-HK";

// The codes as a sentence names them: "zh-TW, zh-HK or en".
std::string contentLanguageChoices();

// The set named exactly as on the command line ("zh-TW", "zh-HK" or "en"), or nothing.
std::optional<std::string> contentLanguageNamed(std::string_view name);

// The set for a locale name such as "zh_TW.UTF-8": Taiwan Chinese gives zh-TW, Hong Kong and
// Macao Chinese zh-HK, any other Chinese zh-TW, and any other language en. A machine with no
// language chosen (no name, "C" or "POSIX", with or without a codeset) gets zh-HK, the set the
// game has always played.
std::string contentLanguageForLocale(std::string_view localeName);

// The locale that names the language of messages, as the C library chooses it: the first of
// LC_ALL, LC_MESSAGES and LANG that is set and not empty (each may be null).
std::string_view messagesLocale(const char* lcAll, const char* lcMessages, const char* lang);

} // namespace tavrin::rules
