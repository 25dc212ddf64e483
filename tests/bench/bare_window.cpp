// The floor for start-up figures: a bare Qt window of the start window's size and title, shown
// as the game shows its start window, with nothing else done. Used by startup.sh and idle.sh.

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window.setWindowTitle("Start");
    window.setFixedSize(317, 208);
    window.move(QApplication::primaryScreen()->availableGeometry().center() -
                window.rect().center());
    window.show();
    return QApplication::exec();
}
