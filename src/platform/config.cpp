#include "platform/config.h"

// The values come from the build (src/platform/CMakeLists.txt), for this file alone, so that
// changing one rebuilds one file.
namespace tavrin::config {

const char* searchUrl() {
    return TAVRIN_SEARCH_URL;
}

const char* homePage() {
    return TAVRIN_HOME_PAGE;
}

const char* email() {
    return TAVRIN_EMAIL;
}

} // namespace tavrin::config
