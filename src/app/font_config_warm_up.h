#pragma once

#include <thread>

namespace tavrin {

// Fontconfig reads its configuration (some eighty files) and its font caches the first time
// any program asks it for a font: about 4 ms that the start window, the first to draw text,
// would wait for. Started before the QApplication, it runs on a thread of its own while Qt
// connects to the window system; wait() lets the UI thread go on once it is done. (The command
// line's answers, --help or --check-content, need no font.)
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread thread_;
};

} // namespace tavrin
