#pragma once

namespace tavrin {

// Makes the game readable by assistive technology: every window presents its controls as
// they are described for it (controls/accessible.h), leaving out what is hidden and putting
// list items under their list. Call once, before the first window.
void installAccessibility();

} // namespace tavrin
