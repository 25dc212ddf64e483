#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace tavrin {

bool Translations::use(const QString& language, const QString& dataRoot) {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    if (language.startsWith("zh"))
        return true;
    const QString directory = QDir(dataRoot).filePath("translations");
    if (!translator_.load("tavrin_" + language, directory)) {
        std::fprintf(stderr,
                     "tavrin: no translation tavrin_%s.qm in %s; the texts stay in Chinese\n",
                     qPrintable(language), qPrintable(directory));
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
