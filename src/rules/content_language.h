#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::rules {

// The content sets the game ships, one folder each under the data directory.
inline constexpr std::array<std::string_view, 3> kContentLanguages = {"zh-HK", "zh-TW", "en"};

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
