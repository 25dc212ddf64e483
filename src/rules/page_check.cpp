#include "rules/page_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace tavrin::rules {
namespace {

namespace fs = std::filesystem;
using uchar = unsigned char;

constexpr std::uintmax_t kMaxPageBytes = 4 * 1024 * 1024; // far above any page of ours

// The page's text; nothing when it is missing, not a regular file (a FIFO would wait for a
// writer) or larger than any page; `problem` says which.
std::optional<std::string> readPage(const fs::path& path, std::string& problem) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        problem = "is missing";
        return std::nullopt;
    }
    if (!fs::is_regular_file(path, error)) {
        problem = "is not a regular file";
        return std::nullopt;
    }
    if (fs::file_size(path, error) > kMaxPageBytes) {
        problem = "is larger than 4 MiB";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        problem = "cannot be read";
        return std::nullopt;
    }
    return text.str();
}

bool isOutsideAddress(const std::string& link) {
    static const std::regex scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
    return std::regex_search(link, scheme);
}

std::string percentDecoded(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(uchar(text[i + 1])) &&
            std::isxdigit(uchar(text[i + 2]))) {
            decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool hasSection(const std::string& html, const std::string& name) {
    return html.find("id=\"" + name + "\"") != std::string::npos ||
           html.find("name=\"" + name + "\"") != std::string::npos;
}

// Every href and src of the page, as written.
std::vector<std::string> linksOf(const std::string& html) {
    static const std::regex attribute(R"re(\b(?:href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'))re",
                                      std::regex::icase);
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), attribute);
         it != std::sregex_iterator(); ++it)
        links.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    return links;
}

// What is wrong with one local link of the page at `from`; empty when it leads somewhere.
std::string linkProblem(const fs::path& from, const std::string& page, const std::string& link) {
    const std::size_t hash = link.find('#');
    const std::string file = percentDecoded(link.substr(0, std::min(link.find('?'), hash)));
    const std::string section = hash == std::string::npos ? "" : link.substr(hash + 1);
    std::string target = page, problem;
    if (!file.empty()) {
        const std::optional<std::string> read = readPage(from.parent_path() / file, problem);
        if (!read)
            return "links to " + link + ", which " + problem;
        target = *read;
    }
    if (!section.empty() && !hasSection(target, section))
        return "links to " + link + ", a section that is not there";
    return {};
}

} // namespace

std::vector<std::string> checkPages(const std::string& pagesDir, std::string_view language) {
    std::vector<std::string> problems;
    for (const char* kind : {"help", "info"}) {
        const std::string name = std::string(kind) + "-" + std::string(language) + ".html";
        const fs::path path = fs::path(pagesDir) / name;
        std::string problem;
        const std::optional<std::string> page = readPage(path, problem);
        if (!page) {
            problems.push_back(path.string() + " " + problem);
            continue;
        }
        std::set<std::string> seen; // a link written several times is said once
        for (const std::string& link : linksOf(*page))
            if (!isOutsideAddress(link) && seen.insert(link).second)
                if (const std::string wrong = linkProblem(path, *page, link); !wrong.empty())
                    problems.push_back(path.string() + " " + wrong);
    }
    return problems;
}

} // namespace tavrin::rules
