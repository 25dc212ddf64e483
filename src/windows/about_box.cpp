#include "windows/about_box.h"

#include "platform/config.h"
#include "windows/app_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavrin {

namespace {

// An address the build was given, after a comma; none is given by default.
QString contact(const char* address) {
    return *address ? QString(", ") + address : QString();
}

// Larger than the licences ever get: a file that is not one is not read whole.
constexpr qint64 kLongestLicence = 256 * 1024;

const char* const kLicences[] = {"GPL-3.0-or-later", "CC-BY-SA-4.0"};

} // namespace

QString aboutText() {
    return QString("Tavrin %1\n"
                   "A board game about coronary heart disease.\n"
                   "\n"
                   "Learning mode (the default) explains every quiz answer, never repeats a "
                   "question in a quiz, makes the target game reward knowing the causes and "
                   "reviews the game at its end; switch it off in the right-click menu for the "
                   "classic game.\n"
                   "\n"
                   "The program is free software under the GNU General Public License, "
                   "version 3 or later (GPL-3.0-or-later). Its artwork, sounds and texts are "
                   "under Creative Commons Attribution-ShareAlike 4.0 (CC-BY-SA-4.0).")
        .arg(TAVRIN_VERSION);
}

QString creditsText() {
    const QString line("  - %1: %2\n");
    return line.arg(AboutWindow::tr("製作 (Made by)"),
                    QString("%1%2%3").arg(config::kAuthor, contact(config::homePage()),
                                          contact(config::email()))) +
           line.arg(AboutWindow::tr("音色庫 (Soundfont)"), "TimGM6mb, by Tim Brechbill") +
           line.arg(AboutWindow::tr("字型 (Fonts)"), "AR PL UMing, Comic Neue") +
           line.arg(AboutWindow::tr("程式庫 (Built with)"), "Qt, SDL_mixer, FluidSynth");
}

QString licenceText(const QString& path) {
    // Only a regular file: a FIFO would block the game until something wrote to it.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.size() <= kLongestLicence &&
        file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return AboutWindow::tr("找不到授權條款全文 (The licence text is missing): %1")
        .arg(QDir::toNativeSeparators(path));
}

AboutWindow::AboutWindow(const QString& licenceFolder, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setObjectName("aboutWindow");
    setWindowTitle(tr("關於 Tavrin (About Tavrin)"));
    setAttribute(Qt::WA_DeleteOnClose);
    addTab("about", tr("關於 (About)"), aboutText());
    addTab("credits", tr("鳴謝 (Credits)"), creditsText());
    for (const char* licence : kLicences) {
        addTab(licence, licence,
               licenceText(QDir(licenceFolder).filePath(licence + QString(".txt"))));
        // Laid out in fixed-width columns, as the texts are written.
        tabs_->widget(tabs_->count() - 1)
            ->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    resize(640, 480);
}

void AboutWindow::addTab(const QString& name, const QString& title, const QString& text) {
    auto* page = new QPlainTextEdit(text);
    page->setObjectName(name);
    page->setReadOnly(true);
    page->setAccessibleName(title);
    tabs_->addTab(page, title);
}

QString AboutWindow::tabText(const QString& name) const {
    const auto* page = tabs_->findChild<QPlainTextEdit*>(name);
    return page ? page->toPlainText() : QString();
}

void showAboutBox(AppContext& ctx, QWidget* parent) {
    static QPointer<AboutWindow> open;
    if (!open)
        open = new AboutWindow(ctx.dataFile("licenses"), parent);
    open->show();
    open->raise();
    open->activateWindow();
}

} // namespace tavrin
