#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace tavrin {

bool Translations::use(const QString& language, const QString& dataRoot) {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    // The Hong Kong edition shows the texts as written in the code; the others are translations.
    if (language == QLatin1String("zh-HK"))
        return true;
    const QString directory = QDir(dataRoot).filePath("translations");
    const QString file = "tavrin_" + QString(language).replace('-', '_');
    if (!translator_.load(file, directory)) {
        std::fprintf(stderr, "tavrin: no translation %s.qm in %s; the texts stay in Chinese\n",
                     qPrintable(file), qPrintable(directory));
        return false;
    }
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

Translations::~Translations() {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

} // namespace tavrin
