#pragma once

#include <QString>
#include <QTranslator>

namespace tavrin {

// The game's own texts in the language of its content. The Chinese sets show the texts as
// designed (they are the source texts); English installs the translation built with the game,
// tavrin_en.qm in the data root's translations/ folder.
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
