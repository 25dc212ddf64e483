#pragma once

#include <QString>
#include <QTranslator>

namespace tavrin {

// The game's own texts in the language of its content. The Hong Kong set shows the texts as
// designed (they are the source texts); Taiwan and English install the translation built with
// the game, tavrin_zh_TW.qm or tavrin_en.qm in the data root's translations/ folder.
class Translations {
public:
    // False when the language needs a translation file that cannot be loaded: the texts then
    // stay as designed and a line on standard error says why.
    bool use(const QString& language, const QString& dataRoot);
    ~Translations();

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace tavrin
