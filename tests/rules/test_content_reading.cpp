#include "content_error_of.h"
#include "rules/board_content.h"
#include "rules/content_check.h"
#include "rules/content_error.h"
#include "rules/content_file.h"
#include "rules/text_lines.h"
#include "rules/whole_number.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

using namespace tavrin;
using namespace tavrin::rules;
using tavrin::testing::errorOf;
using Lines = std::vector<std::string>;

namespace {

// "心臟" in Big5.
const std::string kBig5Heart = "\xA4\xDF\xC5\xA6";
const std::string kUtf8Heart = "\xE5\xBF\x83\xE8\x87\x9F";

Lines numbered(int count, const std::string& prefix = "") {
    Lines lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

void writeFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

} // namespace

class ContentReadingTest : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF stays inside a CR file")
            << QByteArray("a\nb\r\nc\r\n") << QStringList{"a\nb", "c"};
        QTest::newRow("LF-only file")
            << QByteArray("a\nb\n\nc\n") << QStringList{"a", "b", "", "c"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept")
            << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const auto got = splitLines(bytes.toStdString());
        QStringList actual;
        for (const auto& l : got)
            actual << QString::fromStdString(l);
        QCOMPARE(actual, lines);
    }

    void decoding() {
        QCOMPARE(decodeText(kBig5Heart), kUtf8Heart);
        QCOMPARE(decodeText(kUtf8Heart), kUtf8Heart);
        QCOMPARE(decodeText("\xEF\xBB\xBF" + kUtf8Heart), kUtf8Heart);
        QCOMPARE(decodeText("plain ASCII"), std::string("plain ASCII"));
        // Big5 trail bytes may be ASCII letters or backslashes: decode before any splitting.
        QCOMPARE(decodeText("\xA5\x5C"), std::string("\xE5\x8A\x9F")); // 功
    }

    void invalidBig5BytesAreReplacedNotFatal() {
        // A lead byte followed by a blank, and a lead byte cut off at the end of the file.
        const std::string text = decodeText("A\xA4 B" + kBig5Heart + "\xFF");
        QCOMPARE(text, "A\xEF\xBF\xBD B" + kUtf8Heart + "\xEF\xBF\xBD");
    }

    void wholeNumbers() {
        QCOMPARE(parseWholeNumber("120"), std::optional<long long>(120));
        QCOMPARE(parseWholeNumber("-50"), std::optional<long long>(-50));
        QCOMPARE(parseWholeNumber(" 33301 "), std::optional<long long>(33301));
        QCOMPARE(parseWholeNumber("+7"), std::optional<long long>(7));
        for (const char* bad :
             {"", "  ", "abc", "12a", "1.5", "--3", "+-3", "1 2", "99999999999999999999"})
            QVERIFY2(!parseWholeNumber(bad), bad);
    }

    void boardReadsSquareBySquare() {
        const auto board = parseBoard(numbered(40), numbered(38, "m"));
        QCOMPARE(board.values[37], 37LL);
        QCOMPARE(board.messages[0], std::string("m0"));
        Lines withNegative = numbered(38);
        withNegative[5] = "-200";
        QCOMPARE(parseBoard(withNegative, numbered(38)).values[5], -200LL);
    }

    void extraLinesAreNeverRead() {
        Lines data = numbered(38);
        data.push_back("not a number");
        QCOMPARE(parseBoard(data, numbered(39)).values[37], 37LL);
    }

    void boardErrorsNameFileLineAndProblem() {
        Lines data = numbered(38);
        data[11] = "abc";
        QCOMPARE(errorOf([&] { parseBoard(data, numbered(38)); }),
                 std::string("mapdata.txt line 12: \"abc\" is not a whole number"));
        data[11] = "";
        QCOMPARE(errorOf([&] { parseBoard(data, numbered(38)); }),
                 std::string("mapdata.txt line 12: \"\" is not a whole number"));
        QCOMPARE(errorOf([&] { parseBoard(numbered(20), numbered(38)); }),
                 std::string("mapdata.txt line 21: the file ends after 20 lines; 38 are needed, "
                             "one per square"));
        QVERIFY(errorOf([&] {
                    parseBoard(numbered(38), numbered(37));
                }).starts_with("mapmsg.txt line 38: "));
    }

    void valueLineIsReadBeforeMessageLine() {
        // Both files fail on square 10: the value line is read first, so it is reported.
        Lines data = numbered(38);
        data[10] = "x";
        QVERIFY(
            errorOf([&] { parseBoard(data, numbered(10)); }).starts_with("mapdata.txt line 11"));
        // A short message file fails before a later bad value is reached.
        data = numbered(38);
        data[30] = "x";
        QVERIFY(errorOf([&] { parseBoard(data, numbered(10)); }).starts_with("mapmsg.txt line 11"));
    }

    void boardFilesFromDisk() {
        QTemporaryDir dir;
        const QString d = dir.path();
        QVERIFY(errorOf([&] { readBoardFiles(d.toStdString()); }).starts_with("mapdata.txt: "));
        std::string data, messages;
        for (int i = 0; i < 38; ++i) {
            data += std::to_string(i * 10) + "\r\n";
            messages += kBig5Heart + std::to_string(i) + "\r\n";
        }
        writeFile(d + "/mapdata.txt", data);
        QVERIFY(errorOf([&] { readBoardFiles(d.toStdString()); }).starts_with("mapmsg.txt: "));
        writeFile(d + "/mapmsg.txt", messages);
        const auto board = readBoardFiles(d.toStdString());
        QCOMPARE(board.values[3], 30LL);
        QCOMPARE(board.messages[3], kUtf8Heart + "3");
        QCOMPARE(contentPath("/x/", "a.txt"), std::string("/x/a.txt"));
    }

    void contentCheckReportsEveryFileAndEveryAnswer() {
        QTemporaryDir dir;
        const std::string d = dir.path().toStdString();
        std::string data, quiz;
        for (int i = 0; i < 38; ++i)
            data += (i == 4 ? std::string("x") : "0") + "\r\n";
        for (int k = 1; k <= 30; ++k)
            quiz += "Q\r\na\r\nb\r\nc\r\n" +
                    std::string(k == 2   ? "one"
                                : k == 3 ? "3"
                                : k == 4 ? " 2.0 "
                                : k == 5 ? "0.5"
                                         : "1") +
                    "\r\n-\r\n";
        writeFile(dir.filePath("mapdata.txt"), data);
        writeFile(dir.filePath("mapmsg.txt"), data);
        writeFile(dir.filePath("gm1_data.txt"), quiz);
        std::string why;
        for (int k = 1; k <= 30; ++k)
            why += "Because.\r\n";
        writeFile(dir.filePath("gm1_why.txt"), why);
        auto report = checkContent(d);
        QCOMPARE(report.errors,
                 (std::vector<std::string>{"mapdata.txt line 5: \"x\" is not a whole number",
                                           "gm1_data.txt line 11: \"one\" is not a number"}));
        QCOMPARE(report.warnings.size(), std::size_t(2));
        QVERIFY(
            report.warnings[0].starts_with("gm1_data.txt line 17: answer \"3\" matches no choice"));
        QVERIFY(report.warnings[1].starts_with(
            "gm1_data.txt line 29: answer \"0.5\" matches no choice"));

        for (const char* set : {"/zh-HK", "/zh-TW", "/en"}) {
            report = checkContent(qEnvironmentVariable("TAVRIN_DATA_DIR").toStdString() + set);
            QVERIFY2(report.errors.empty() && report.warnings.empty(), set);
        }
    }

    void utf8AndLinuxSavedFilesReadToo() {
        std::string messages = "\xEF\xBB\xBF";
        for (int i = 0; i < 38; ++i)
            messages += kUtf8Heart + "<b>x</b>\n";
        const auto lines = decodeLines(messages);
        QCOMPARE(lines.size(), std::size_t(38));
        QCOMPARE(lines[0], kUtf8Heart + "<b>x</b>");
    }
};

QTEST_APPLESS_MAIN(ContentReadingTest)
#include "test_content_reading.moc"
