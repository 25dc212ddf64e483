#include "rules/content_language.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tavrin::rules {
namespace {

std::string lowerCase(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// "zh_TW.UTF-8" -> {"zh", "tw"}; "zh-Hant-HK" -> {"zh", "hk"}: the language and the territory
// (a two-letter part after the language; a four-letter script between them is passed over).
std::pair<std::string, std::string> languageAndTerritory(std::string_view localeName) {
    std::string_view rest = localeName.substr(0, localeName.find_first_of(".@"));
    std::pair<std::string, std::string> parts;
    for (bool first = true; !rest.empty(); first = false) {
        const std::size_t end = std::min(rest.find_first_of("_-"), rest.size());
        const std::string part = lowerCase(rest.substr(0, end));
        if (first)
            parts.first = part;
        else if (part.size() == 2)
            parts.second = part;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return parts;
}

} // namespace

std::string contentLanguageChoices() {
    std::string choices;
    for (std::size_t i = 0; i < kContentLanguages.size(); ++i) {
        if (i > 0)
            choices += i + 1 == kContentLanguages.size() ? " or " : ", ";
        choices += kContentLanguages[i].code;
    }
    return choices;
}

std::optional<std::string> contentLanguageNamed(std::string_view name) {
    if (std::none_of(kContentLanguages.begin(), kContentLanguages.end(),
                     [name](const ContentLanguage& set) { return set.code == name; }))
        return std::nullopt;
    return std::string(name);
}

std::string contentLanguageForLocale(std::string_view localeName) {
    const auto [language, territory] = languageAndTerritory(localeName);
    if (language.empty() || language == "c" || language == "posix")
        return std::string(kDesignedLanguage);
    if (language != "zh")
        return "en";
    return territory == "hk" || territory == "mo" ? "zh-HK" : "zh-TW";
}

std::string_view messagesLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang})
        if (value && *value)
            return value;
    return {};
}

} // namespace tavrin::rules
