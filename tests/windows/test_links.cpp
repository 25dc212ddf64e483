// Where the status strip's shields and the end window's links lead: the shipped pages of the
// game's language, read in the game's help window, or https through the desktop's opener; and
// what the player sees when a page is missing or the opener fails.

#include "app/app_setup.h"
#include "app/translations.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "platform/config.h"
#include "window_controls.h"
#include "windows/end_window.h"
#include "windows/find_bar.h"
#include "windows/help_window.h"
#include "windows/links.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

StatusStrip& startGame(GameFixture& f) {
    f.ctx->windows.show<StartWindow>().onStartClicked();
    return f.ctx->windows.load<StatusStrip>();
}

EndWindow& endWindowLinks(GameFixture& f) {
    EndWindow& end = f.ctx->windows.show<EndWindow>();
    end.onNextClicked();
    return end;
}

// A shipped page of the language: a local HTML file that is there and not empty.
void checkLocalPage(const QString& address, const QString& page, const QString& language) {
    const QUrl url(address);
    QVERIFY2(url.isLocalFile(), qPrintable(address));
    QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), page + "-" + language + ".html");
    QFile file(url.toLocalFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(address));
    const QByteArray html = file.readAll();
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    QVERIFY(html.contains("</html>"));
}

// The page the game's help window of `window` shows; empty when it has none open.
QString pageShown(QWidget& window) {
    auto* help = window.findChild<HelpWindow*>();
    return help && help->isVisible() ? help->browser().source().toString() : QString();
}

// The "link" lines of the game's log, each as "opened=N address".
QStringList linkLines(const GameFixture& f) {
    QFile log(f.dir.filePath("events.log"));
    QStringList lines;
    if (log.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(log.readAll()).split('\n'))
            if (line.startsWith("link "))
                lines << line.section(' ', 2) + " " + line.section(' ', 1, 1).mid(8);
    return lines;
}

} // namespace

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    void shieldsShowThePagesOfTheLanguageInTheGameAndSearchOutside_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"zh-HK", "zh-TW", "en"})
            QTest::newRow(language) << language;
    }
    void shieldsShowThePagesOfTheLanguageInTheGameAndSearchOutside() {
        QFETCH(QString, language);
        GameFixture f(language);
        f.ctx->log.open(f.dir.filePath("events.log").toStdString());
        StatusStrip& status = startGame(f);
        QTest::mouseClick(&image(status, "infoShield"), Qt::LeftButton);
        checkLocalPage(pageShown(status), "info", language);
        QTest::mouseClick(&image(status, "helpShield"), Qt::LeftButton);
        checkLocalPage(pageShown(status), "help", language);
        HelpWindow& help = *status.findChild<HelpWindow*>(); // one window, one history
        QTest::mouseClick(&help.backButton(), Qt::LeftButton);
        checkLocalPage(pageShown(status), "info", language);
        QVERIFY(!help.backButton().isEnabled());
        QTest::mouseClick(&help.forwardButton(), Qt::LeftButton);
        checkLocalPage(pageShown(status), "help", language);
        QVERIFY(f.opened.isEmpty()); // no browser needed
        QTest::mouseClick(&image(status, "searchShield"), Qt::LeftButton);
        QCOMPARE(f.opened.size(), 1);
        const QUrl search(f.opened[0]);
        QCOMPARE(search.scheme(), QString("https"));
        QVERIFY2(search.toEncoded().endsWith("%22coronary+heart+disease%22"),
                 search.toEncoded().constData());
        QVERIFY(f.boxes.isEmpty());
        const QStringList logged = linkLines(f);
        QCOMPARE(logged.size(), 3);
        QVERIFY(logged[0].startsWith("opened=1 file://") &&
                logged[0].endsWith("info-" + language + ".html"));
        QVERIFY(logged[1].startsWith("opened=1 file://") &&
                logged[1].endsWith("help-" + language + ".html"));
        QVERIFY(logged[2].startsWith("opened=1 https://"));
    }

    void endWindowLinksLeadToThePagesAndTheHomePage() {
        GameFixture f("en");
        EndWindow& end = endWindowLinks(f);
        QTest::mouseClick(&label(end, "homeLink"), Qt::LeftButton);
        if (QString(config::homePage()).isEmpty())
            checkLocalPage(pageShown(end), "help", "en"); // no home page built in: the help page
        else
            QCOMPARE(QUrl(f.opened.value(0)).scheme(), QString("https"));
        QTest::mouseClick(&label(end, "infoLink"), Qt::LeftButton);
        checkLocalPage(pageShown(end), "info", "en");
        QTest::mouseClick(&label(end, "helpLink"), Qt::LeftButton);
        checkLocalPage(pageShown(end), "help", "en");
        QVERIFY(end.linksShown()); // the end window stays on its second page
    }

    // The help window as a reader uses it: sections, find, the pages' own links, Esc.
    void helpWindowFindsJumpsAndFollowsLinks() {
        GameFixture f("en");
        StatusStrip& status = startGame(f);
        status.onHelpClicked();
        HelpWindow& help = *status.findChild<HelpWindow*>();
        QTRY_VERIFY(help.isActiveWindow());
        QCOMPARE(help.windowTitle(), QString("How to play – Tavrin help"));
        QComboBox& sections = help.sections();
        QCOMPARE(sections.count(), 10); // the contents and the nine sections
        QCOMPARE(sections.itemText(7), QString("7. Keys"));
        help.jumpToSection(7);
        QCOMPARE(help.browser().textCursor().block().text(), QString("7. Keys"));
        QVERIFY(help.browser().verticalScrollBar()->value() > 0);

        // Ctrl+F, typed words found as they grow; Enter and Shift+Enter go round the page.
        FindBar& find = help.findBar();
        QTest::keyClick(&help.browser(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(find.isVisible() && find.field().hasFocus()); // the Find button flashes first
        QTest::keyClicks(&find.field(), "QUIZ");
        const QTextCursor first = help.browser().textCursor();
        QCOMPARE(first.selectedText().toLower(), QString("quiz")); // whatever the case
        QTest::keyClick(&find.field(), Qt::Key_Return);
        QVERIFY(help.browser().textCursor().position() > first.position());
        QTest::keyClick(&find.field(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(help.browser().textCursor().position(), first.position());
        find.field().setText("projector"); // once in the page, near its end
        QVERIFY(find.find(false));
        const int found = help.browser().textCursor().position();
        QTest::keyClick(&find.field(), Qt::Key_Return); // round the end, back to the same place
        QCOMPARE(help.browser().textCursor().position(), found);
        QVERIFY(find.result().isEmpty());
        find.field().setText("defibrillator"); // only in the Info Center
        QVERIFY(!find.find(false));
        QVERIFY(!find.result().isEmpty());
        QCOMPARE(help.browser().textCursor().position(), found);
        QTest::keyClick(&find.field(), Qt::Key_Escape); // puts the row away, not the window
        QVERIFY(!find.isVisible() && help.isVisible());

        // A link to the other page stays here; a source on the web goes to the desktop.
        emit help.browser().anchorClicked(QUrl("info-en.html"));
        QVERIFY(help.browser().source().toString().endsWith("/info-en.html"));
        QVERIFY(help.sections().itemText(1).startsWith("1. What is coronary heart disease"));
        emit help.browser().anchorClicked(QUrl("https://www.who.int/"));
        QCOMPARE(f.opened, QStringList{"https://www.who.int/"});
        QVERIFY(help.browser().source().toString().endsWith("/info-en.html"));
        QTest::keyClick(&help.browser(), Qt::Key_F1);
        QVERIFY(help.browser().source().toString().endsWith("/help-en.html"));
        QCOMPARE(help.browser().verticalScrollBar()->value(), 0);
        emit help.browser().anchorClicked(QUrl("#teachers")); // the page's own contents
        QVERIFY(help.browser().verticalScrollBar()->value() > 0);
        QTest::keyClick(&help.browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        QVERIFY(f.ctx->windows.isLoaded<StatusStrip>()); // no exit question, the game goes on
        QVERIFY(f.boxes.isEmpty());
    }

    void emailLinkWritesToTheBuiltInAddressOrIsLeftOut() {
        GameFixture f;
        EndWindow& end = endWindowLinks(f);
        const QString email = config::email();
        QCOMPARE(label(end, "emailLink").isVisible(), !email.isEmpty());
        if (!email.isEmpty()) {
            QTest::mouseClick(&label(end, "emailLink"), Qt::LeftButton);
            QCOMPARE(label(end, "emailLink").caption(), "Email: " + email);
            QCOMPARE(f.opened, QStringList{"mailto:" + email});
        }
    }

    // No browser, or a handler that fails: the address is shown to be copied, the log says
    // so, and play goes on. The pages still open, in the game.
    void addressTheOpenerCannotOpenIsShown_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("zh-HK") << "zh-HK"
                               << "無法開啟以下網址 (Cannot open this address):";
        QTest::newRow("en") << "en"
                            << "Cannot open this address. Copy it into your web browser:";
    }
    void addressTheOpenerCannotOpenIsShown() {
        QFETCH(QString, language);
        QFETCH(QString, sentence);
        GameFixture f(language);
        f.ctx->log.open(f.dir.filePath("events.log").toStdString());
        Translations translations;
        translations.use(language, qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"));
        StatusStrip& status = startGame(f);
        // The real opener, as xdg-open behaves without a handler (exit 3), or missing.
        const QString noHandler = f.dir.filePath("no-handler");
        QFile script(noHandler);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexit 3\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        f.ctx->desktop.opener = nullptr;
        const QString search = QString::fromLatin1(searchAddress().toEncoded());
        int asked = 0;
        for (const QString& program : {noHandler, f.dir.filePath("missing"), QString("true")}) {
            f.ctx->desktop.program = program;
            status.onSearchClicked();
            ++asked;
            QTRY_COMPARE(linkLines(f).size(), asked);
        }
        QCOMPARE(linkLines(f),
                 (QStringList{"opened=0 " + search, "opened=0 " + search, "opened=1 " + search}));
        const QString box = "Tavrin: " + sentence + "\n\n" + search;
        QCOMPARE(f.boxes, (QStringList{box, box}));
        QVERIFY(f.ctx->session.state().takingThrows);
        status.onInfoClicked();
        checkLocalPage(pageShown(status), "info", language);
        QCOMPARE(f.boxes.size(), 2);
    }

    // A page missing from the installed game is said to be missing, in the game.
    void missingPageIsShownAsMissing() {
        GameFixture f("en");
        f.ctx->log.open(f.dir.filePath("events.log").toStdString());
        Translations translations;
        translations.use("en", qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"));
        StatusStrip& status = startGame(f);
        f.ctx->options.dataRoot = f.dir.path(); // a data folder without its pages
        status.onHelpClicked();
        const QString page = f.dir.filePath("pages/help-en.html");
        QCOMPARE(f.boxes,
                 QStringList{"Tavrin: This page is missing from the game's files:\n\n" + page});
        QCOMPARE(linkLines(f), QStringList{"opened=0 " + QUrl::fromLocalFile(page).toString()});
        QVERIFY(pageShown(status).isEmpty());
        QVERIFY(f.opened.isEmpty());
    }
};

QTEST_MAIN(LinksTest)
#include "test_links.moc"
