#pragma once

#include <QString>

namespace tavrin {

// A tooltip shows its text as HTML when the text looks like markup, and an image tag in it
// would make Qt open the file it names. The game's tooltips are plain text (a translation may
// hold "<" and ">" as well): such a text is turned into the markup that shows it as it is;
// any other text is returned unchanged and looks as before.
QString plainToolTip(const QString& text);

} // namespace tavrin
