// The floor for start-up figures: a bare Qt window of the start window's size and title, shown
// as the game shows its start window, with nothing else done. Used by startup.sh and idle.sh.
// Given a text, the window shows it in the Chinese Ming face the game uses: what drawing one
// line of Chinese costs any Qt program (idle.sh reports it beside the bare window).

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (argc > 1) {
        auto label = std::make_unique<QLabel>(QString::fromUtf8(argv[1]));
        label->setFont(QFont("AR PL UMing HK", 12));
        window = std::move(label);
    } else {
        window = std::make_unique<QWidget>();
    }
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window->setWindowTitle("Start");
    window->setFixedSize(317, 208);
    window->move(QApplication::primaryScreen()->availableGeometry().center() -
                 window->rect().center());
    window->show();
    return QApplication::exec();
}
