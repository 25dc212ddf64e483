// Content files as a damaged disk, a wrong editor setting or a careless copy leave them: every
// one is refused or warned about with a short, one-line message naming the file and line.
#include "content_error_of.h"
#include "quiz_test_files.h"
#include "rules/board_content.h"
#include "rules/content_check.h"
#include "rules/content_file.h"
#include "rules/page_check.h"
#include "rules/quiz_rules.h"
#include "rules/text_excerpt.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sys/stat.h>

using namespace tavrin::rules;
using tavrin::testing::errorOf;
using namespace std::literals;

namespace {

std::string boardBytes(const std::string& lineEnd = "\r\n") {
    std::string bytes;
    for (int i = 0; i < 38; ++i)
        bytes += std::to_string(i * 10) + lineEnd;
    return bytes;
}

std::string utf16(std::string_view ascii, bool bigEndian) {
    std::string out;
    for (char c : ascii)
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

bool hasControlCharacters(const std::string& message) {
    return std::any_of(message.begin(), message.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A folder holding the three shipped files, of which a test replaces one.
class ContentFolder {
public:
    ContentFolder() {
        for (const char* name : {"mapdata.txt", "mapmsg.txt", "gm1_data.txt", "gm1_why.txt"})
            QFile::copy(QDir(qEnvironmentVariable("TAVRIN_DATA_DIR") + "/zh-HK").filePath(name),
                        dir_.filePath(name));
    }
    void write(const char* name, const std::string& bytes) {
        QFile::remove(dir_.filePath(name));
        std::ofstream(dir_.filePath(name).toStdString(), std::ios::binary) << bytes;
    }
    std::string path() const { return dir_.path().toStdString(); }
    QString filePath(const char* name) const { return dir_.filePath(name); }
    ContentReport check() const { return checkContent(path()); }

private:
    QTemporaryDir dir_;
};

} // namespace

class HostileContentTest : public QObject {
    Q_OBJECT
private slots:
    void excerptsAreShortOneLineAndValidText() {
        QCOMPARE(excerpt("1\0x\r\n\t\x1B\x7F"sv), std::string("1\\0x\\r\\n\\t\\x1B\\x7F"));
        QCOMPARE(excerpt("\xC2\x85 \xE2\x80\xA8"), std::string("\\u0085 \\u2028"));
        QCOMPARE(excerpt("a\xFF\xE5\xBF"), std::string("a\\xFF\\xE5\\xBF")); // not UTF-8
        const std::string heart = "\xE5\xBF\x83";
        std::string long_;
        for (int i = 0; i < 100; ++i)
            long_ += heart;
        // Cut on a character, never inside one.
        std::string expected;
        for (std::size_t i = 0; i < kExcerptCharacters; ++i)
            expected += heart;
        QCOMPARE(excerpt(long_), expected + "…");
        QCOMPARE(escaped(long_), long_);
    }

    void controlCharactersNeitherCutNorBreakTheMessage() {
        std::vector<std::string> data;
        for (int i = 0; i < 38; ++i)
            data.push_back("0");
        data[2] = std::string("1\0\x1B", 3);
        const std::string message = errorOf([&] { parseBoard(data, data); });
        QCOMPARE(message, std::string("mapdata.txt line 3: \"1\\0\\x1B\" is not a whole number"));
        QVERIFY(!hasControlCharacters(message));
    }

    void longLineIsRefusedWithoutReadingTheWholeFile() {
        ContentFolder folder;
        std::string huge(6 * 1024 * 1024, '7'); // one line, past both limits
        folder.write("mapdata.txt", "1\r\n2\r\n" + huge + "\r\n");
        QElapsedTimer timer;
        timer.start();
        const std::string message = errorOf([&] { readBoardFiles(folder.path()); });
        QVERIFY2(timer.elapsed() < 2000, "reading stops at the file limit");
        QCOMPARE(message, std::string("mapdata.txt line 3: the line is longer than 65536 "
                                      "characters"));

        // Many short lines: the file as a whole is too large.
        std::string many;
        while (many.size() <= kContentFileLimit)
            many += "123456789\r\n";
        folder.write("mapmsg.txt", many);
        QCOMPARE(errorOf([&] { readContentLines(folder.path(), "mapmsg.txt"); }),
                 std::string("mapmsg.txt: the file is larger than 4 MiB; content files need a "
                             "few KiB"));
        // A line just at the limit is still read.
        folder.write("mapmsg.txt", std::string(kContentLineLimit, 'x') + "\r\n");
        QCOMPARE(readContentLines(folder.path(), "mapmsg.txt").size(), std::size_t(1));
    }

    void longLineInAMessageIsQuotedShort() {
        std::vector<std::string> data(38, "0");
        data[0] = std::string(60000, 'z');
        const std::string message = errorOf([&] { parseBoard(data, data); });
        QVERIFY2(message.size() < 120, message.c_str());
        QVERIFY(message.ends_with("…\" is not a whole number"));
    }

    void utf16IsNamedWithOrWithoutByteOrderMark() {
        ContentFolder folder;
        const std::string expected = "mapdata.txt: the file is saved as UTF-16, which the game "
                                     "does not read; save it as Big5 or UTF-8";
        for (bool bigEndian : {false, true}) {
            const std::string text = utf16(boardBytes(), bigEndian);
            folder.write("mapdata.txt", text);
            QCOMPARE(errorOf([&] { readBoardFiles(folder.path()); }), expected);
            folder.write("mapdata.txt", (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + text);
            QCOMPARE(errorOf([&] { readBoardFiles(folder.path()); }), expected);
        }
        // A stray NUL in Big5 text is not UTF-16: the line with it is reported.
        std::string withNul = boardBytes();
        withNul[withNul.find("20")] = '\0';
        folder.write("mapdata.txt", withNul);
        QCOMPARE(errorOf([&] { readBoardFiles(folder.path()); }),
                 std::string("mapdata.txt line 3: \"\\00\" is not a whole number"));
        // Nor in a file of two short lines, where one NUL is a large share of the bytes.
        QCOMPARE(contentLines("mapdata.txt", "1\r\n2\0x\r\n"sv),
                 (std::vector<std::string>{"1", "2\0x"s}));
    }

    void quizFileCheckReadsEveryAnswerLine() {
        ContentFolder folder;
        checkQuizFile(folder.path());
        std::vector<std::string> answers(30, "1");
        answers[29] = "x";
        folder.write("gm1_data.txt", quizFileBytes(quizLines(answers)));
        QCOMPARE(errorOf([&] { checkQuizFile(folder.path()); }),
                 std::string("gm1_data.txt line 179: \"x\" is not a number"));
        folder.write("gm1_data.txt", "");
        QVERIFY(
            errorOf([&] { checkQuizFile(folder.path()); }).starts_with("gm1_data.txt line 1: "));
    }

    void somethingElseInAFilesPlaceIsNamed() {
        ContentFolder folder;
        QFile::remove(folder.filePath("mapdata.txt"));
        QDir().mkdir(folder.filePath("mapdata.txt"));
        QCOMPARE(errorOf([&] { readBoardFiles(folder.path()); }),
                 "mapdata.txt: cannot read " + folder.path() + "/mapdata.txt: it is a directory");
        QFile::remove(folder.filePath("mapmsg.txt"));
        QVERIFY(::mkfifo(folder.filePath("mapmsg.txt").toLocal8Bit().constData(), 0600) == 0);
        QCOMPARE(errorOf([&] { readContentLines(folder.path(), "mapmsg.txt"); }),
                 "mapmsg.txt: cannot read " + folder.path() +
                     "/mapmsg.txt: it is not a regular file");
        QFile::remove(folder.filePath("gm1_data.txt"));
        QVERIFY(QFile::link("/proc/self/mem", folder.filePath("gm1_data.txt")));
        QVERIFY(errorOf([&] {
                    readContentLines(folder.path(), "gm1_data.txt");
                }).starts_with("gm1_data.txt: cannot read "));
    }

    // The shipped pages of every edition are there and their links lead somewhere; damaged
    // copies are named, page and link, without waiting on a FIFO.
    void pagesCheck_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("expected"); // after the folder's name
        QTest::newRow("as shipped") << "" << QStringList();
        QTest::newRow("page missing")
            << "rm info-en.html"
            << QStringList{"/help-en.html links to info-en.html, which is missing",
                           "/info-en.html is missing"};
        QTest::newRow("FIFO as page")
            << "fifo help-en.html"
            << QStringList{"/help-en.html is not a regular file",
                           "/info-en.html links to help-en.html, which is not a regular file"};
        QTest::newRow("linked file missing")
            << "rm style.css"
            << QStringList{"/help-en.html links to style.css, which is missing",
                           "/info-en.html links to style.css, which is missing"};
        QTest::newRow("section missing")
            << "unname quiz"
            << QStringList{"/help-en.html links to #quiz, a section that is not there"};
    }
    void pagesCheck() {
        QFETCH(QString, damage);
        QFETCH(QStringList, expected);
        const QDir shipped(qEnvironmentVariable("TAVRIN_DATA_DIR") + "/pages");
        for (const char* language : {"zh-HK", "zh-TW", "en"})
            if (damage.isEmpty())
                QCOMPARE(checkPages(shipped.path().toStdString(), language),
                         std::vector<std::string>{});
        QTemporaryDir copy;
        for (const QString& name : shipped.entryList(QDir::Files))
            QVERIFY(QFile::copy(shipped.filePath(name), copy.filePath(name)));
        const QString what = damage.section(' ', 0, 0), name = damage.section(' ', 1);
        if (what == "rm" || what == "fifo")
            QVERIFY(QFile::remove(copy.filePath(name)));
        if (what == "fifo")
            QCOMPARE(::mkfifo(copy.filePath(name).toLocal8Bit().constData(), 0600), 0);
        if (what == "unname") {
            QFile page(copy.filePath("help-en.html"));
            QVERIFY(page.open(QIODevice::ReadWrite));
            const QByteArray html = page.readAll().replace("id=\"" + name.toUtf8() + "\"", "");
            page.resize(0);
            page.write(html);
        }
        QStringList problems;
        for (const std::string& problem : checkPages(copy.path().toStdString(), "en"))
            problems << QString::fromStdString(problem).remove(copy.path());
        QCOMPARE(problems, expected);
    }

    void mixedLineEndsAreNamedByTheEditorsLineNumber() {
        ContentFolder folder;
        // An LF file with one stray CR after line 5: the game splits only at the CR.
        std::string lf = boardBytes("\n");
        std::size_t at = 0;
        for (int i = 0; i < 5; ++i)
            at = lf.find('\n', at) + 1;
        lf.insert(at, "\r");
        folder.write("mapdata.txt", lf);
        auto report = folder.check();
        QCOMPARE(report.errors.size(), std::size_t(1));
        QVERIFY(!hasControlCharacters(report.errors[0]));
        QCOMPARE(report.warnings,
                 std::vector<std::string>{
                     "mapdata.txt line 6: this line ends with a lone CR, most lines with LF: the "
                     "game does not count lines as an editor does in such a file; save it with "
                     "one kind of line end"});

        // A CR LF file with bare LFs ending lines 3 and 9.
        std::string crlf = boardBytes();
        for (int line : {9, 3}) {
            at = 0;
            for (int i = 0; i < line; ++i)
                at = crlf.find("\r\n", at) + 2;
            crlf.erase(at - 2, 1);
        }
        folder.write("mapdata.txt", crlf);
        report = folder.check();
        QCOMPARE(report.warnings.size(), std::size_t(1));
        QVERIFY2(report.warnings[0].starts_with("mapdata.txt line 3: this line ends with LF, most "
                                                "lines with CR LF (1 more end otherwise)"),
                 report.warnings[0].c_str());
    }

    void checkWarnsOfIdleSquaresAndUndecodableBytes() {
        ContentFolder folder;
        std::string data = boardBytes();
        data.replace(data.find("\r\n50\r\n"), 6, "\r\n33303\r\n");
        data.replace(data.find("\r\n70\r\n"), 6, "\r\n33300\r\n");
        folder.write("mapdata.txt", data);
        std::string messages;
        for (int i = 0; i < 38; ++i)
            messages +=
                (i == 6 ? std::string("bad \xFF\xFF end") : "m" + std::to_string(i)) + "\r\n";
        folder.write("mapmsg.txt", messages);
        const auto report = folder.check();
        QVERIFY(report.errors.empty());
        const auto warned = [&report](const std::string& text) {
            return std::ranges::find(report.warnings, text) != report.warnings.end();
        };
        QVERIFY(warned("mapdata.txt line 6: square 5 value 33303 does nothing in play (33301 "
                       "opens the quiz, 33302 the target game; points must stay below 33300)"));
        QVERIFY(warned("mapdata.txt line 8: square 7 value 33300 does nothing in play (33301 "
                       "opens the quiz, 33302 the target game; points must stay below 33300)"));
        QVERIFY(warned("mapmsg.txt line 7: bytes that are neither Big5 nor UTF-8 show as "
                       "\xEF\xBF\xBD: \"bad \xEF\xBF\xBD\xEF\xBF\xBD end\""));
    }
};

QTEST_APPLESS_MAIN(HostileContentTest)
#include "test_hostile_content.moc"
