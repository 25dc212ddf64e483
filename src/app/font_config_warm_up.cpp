#include "app/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace tavrin {

// Fontconfig keeps the configuration it loads for the whole process: Qt's font database, which
// asks for it once wait() has returned, finds it ready.
FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace tavrin
