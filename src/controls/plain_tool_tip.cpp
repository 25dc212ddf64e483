#include "controls/plain_tool_tip.h"

#include <QTextDocument>

namespace tavrin {

QString plainToolTip(const QString& text) {
    // White space kept as a plain tooltip keeps it (no wrapping, runs of spaces).
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

} // namespace tavrin
