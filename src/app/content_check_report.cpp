#include "app/content_check_report.h"

#include "rules/content_check.h"

#include <cstdio>

namespace tavrin {

int reportContentCheck(const QString& dir) {
    const rules::ContentReport report = rules::checkContent(dir.toStdString());
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

} // namespace tavrin
