// Where the status strip's shields and the end window's links lead: the shipped pages of the
// game's language (file: addresses of files that exist), or https; and what the player sees
// when the desktop cannot open an address.

#include "app/app_setup.h"
#include "app/translations.h"
#include "controls/image_control.h"
#include "controls/label_control.h"
#include "game_fixture.h"
#include "platform/config.h"
#include "windows/end_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"

#include <QApplication>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

StatusStrip& startGame(GameFixture& f) {
    f.ctx->windows.show<StartWindow>().onStartClicked();
    return f.ctx->windows.get<StatusStrip>();
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

} // namespace

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    void shieldsOpenThePagesOfTheLanguageAndASearch_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"zh-HK", "zh-TW", "en"})
            QTest::newRow(language) << language;
    }
    void shieldsOpenThePagesOfTheLanguageAndASearch() {
        QFETCH(QString, language);
        GameFixture f(language);
        StatusStrip& status = startGame(f);
        for (const char* shield : {"infoShield", "helpShield", "searchShield"})
            QTest::mouseClick(&status.image(shield), Qt::LeftButton);
        QCOMPARE(f.opened.size(), 3);
        checkLocalPage(f.opened[0], "info", language);
        checkLocalPage(f.opened[1], "help", language);
        const QUrl search(f.opened[2]);
        QCOMPARE(search.scheme(), QString("https"));
        QVERIFY2(search.toEncoded().endsWith("%22coronary+heart+disease%22"),
                 search.toEncoded().constData());
        QVERIFY(f.boxes.isEmpty());
    }

    void endWindowLinksLeadToThePagesAndTheHomePage() {
        GameFixture f("en");
        EndWindow& end = endWindowLinks(f);
        for (const char* link : {"homeLink", "helpLink", "infoLink"})
            QTest::mouseClick(&end.label(link), Qt::LeftButton);
        QCOMPARE(f.opened.size(), 3);
        if (QString(config::homePage()).isEmpty())
            checkLocalPage(f.opened[0], "help", "en"); // no home page built in: the help page
        else
            QCOMPARE(QUrl(f.opened[0]).scheme(), QString("https"));
        checkLocalPage(f.opened[1], "help", "en");
        checkLocalPage(f.opened[2], "info", "en");
        QVERIFY(end.linksShown()); // the end window stays on its second page
    }

    void emailLinkWritesToTheBuiltInAddressOrSaysThereIsNone() {
        GameFixture f;
        EndWindow& end = endWindowLinks(f);
        QTest::mouseClick(&end.label("emailLink"), Qt::LeftButton);
        const QString email = config::email();
        if (email.isEmpty()) {
            QCOMPARE(end.label("emailLink").caption(), QString("Email: (none given)"));
            QVERIFY(f.opened.isEmpty()); // no mail program opened at a dead address
            QCOMPARE(f.boxes,
                     QStringList{"Tavrin: No e-mail address was given when this game was built."});
        } else {
            QCOMPARE(end.label("emailLink").caption(), "Email: " + email);
            QCOMPARE(f.opened, QStringList{"mailto:" + email});
        }
    }

    // No browser, or a handler that fails: the address is shown to be copied, and play goes on.
    void addressTheDesktopCannotOpenIsShown_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("zh-HK") << "zh-HK"
                               << "無法開啟以下網址 (Cannot open this address):";
        QTest::newRow("en") << "en"
                            << "Cannot open this address. Copy it into your web browser:";
    }
    void addressTheDesktopCannotOpenIsShown() {
        QFETCH(QString, language);
        QFETCH(QString, sentence);
        GameFixture f(language);
        Translations translations;
        translations.use(language, qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT"));
        f.desktopOpens = false;
        StatusStrip& status = startGame(f);
        status.onSearchClicked();
        status.onInfoClicked();
        QCOMPARE(f.boxes.size(), 2);
        QCOMPARE(f.boxes[0], "Tavrin: " + sentence + "\n\n" + QUrl(f.opened[0]).toEncoded());
        QVERIFY(f.boxes[1].endsWith("\n\n" + QUrl(f.opened[1]).toEncoded()));
        QVERIFY(f.boxes[1].contains("/pages/info-" + language + ".html"));
        QVERIFY(f.ctx->session.state().takingThrows);
        f.ctx->windows.get<EndWindow>().onInfoClicked();
        QCOMPARE(f.boxes.size(), 3);
    }

    // A page missing from the installation is said, and logged as not opened, without asking
    // the desktop (which would report its opener started).
    void missingPageIsShownAndLoggedAsNotOpened() {
        GameFixture f("en");
        QTemporaryDir empty;
        f.ctx->log.open(empty.filePath("events.log").toStdString());
        StatusStrip& status = startGame(f);
        f.ctx->options.dataRoot = empty.path(); // as if the pages were not installed
        status.onHelpClicked();
        QVERIFY(f.opened.isEmpty());
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].endsWith("/pages/help-en.html"));
        QFile log(empty.filePath("events.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("help-en.html opened=0"));
    }
};

QTEST_MAIN(LinksTest)
#include "test_links.moc"
