#include "app/content_check_report.h"

#include "rules/content_check.h"
#include "rules/content_language.h"
#include "rules/page_check.h"

#include <QDir>
#include <algorithm>
#include <cstdio>

namespace tavrin {

int reportContentCheck(const QString& dir) {
    const rules::ContentReport report = rules::checkContent(dir.toStdString());
    if (!report.errors.empty() || !report.warnings.empty())
        std::printf("In %s:\n", qPrintable(dir));
    for (const auto& error : report.errors)
        std::printf("error: %s\n", error.c_str());
    for (const auto& warning : report.warnings)
        std::printf("warning: %s\n", warning.c_str());
    if (!report.errors.empty())
        return 2;
    std::printf("The board and quiz files in %s are fine%s.\n", qPrintable(dir),
                report.warnings.empty() ? "" : " to play, with the warnings above");
    return 0;
}

// The help and Info Center pages the game opens in this language.
int reportPageCheck(const QString& pagesDir, const QString& language) {
    const std::vector<std::string> problems =
        rules::checkPages(pagesDir.toStdString(), language.toStdString());
    for (const std::string& problem : problems)
        std::printf("error: %s\n", problem.c_str());
    return problems.empty() ? 0 : 2;
}

int reportContentChecks(const Options& options) {
    QStringList dirs{options.dataDir};
    if (options.dataDir.isEmpty()) {
        dirs.clear();
        for (std::string_view set : rules::kContentLanguages) {
            const QString language = QString::fromUtf8(set.data(), set.size());
            if (!options.languageGiven || options.language == language)
                dirs << QDir(options.dataRoot).filePath(language);
        }
    }
    int exitCode = 0;
    for (const QString& dir : dirs) {
        exitCode = std::max(exitCode, reportContentCheck(dir));
        if (options.dataDir.isEmpty()) // a shipped set: its pages are shipped with it
            exitCode = std::max(exitCode, reportPageCheck(QDir(options.dataRoot).filePath("pages"),
                                                          QDir(dir).dirName()));
    }
    return exitCode;
}

} // namespace tavrin
