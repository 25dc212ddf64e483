#include "rules/content_check.h"
#include "rules/content_file.h"
#include "rules/content_rules.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

using namespace tavrin::rules;
using Lines = std::vector<std::string>;

namespace {

// A folder holding a copy of one shipped set, whose lines a test then changes.
class SetCopy {
public:
    explicit SetCopy(const char* set) {
        const QDir shipped(qEnvironmentVariable("TAVRIN_DATA_DIR") + "/" + set);
        for (const char* name : {"mapdata.txt", "mapmsg.txt", "gm1_data.txt", "gm1_why.txt"})
            QFile::copy(shipped.filePath(name), dir_.filePath(name));
    }

    std::string path() const { return dir_.path().toStdString(); }

    // Replaces line `number` (from 1), keeping the file's bytes elsewhere.
    void setLine(const char* file, int number, const std::string& text) {
        Lines lines = read(file);
        lines[number - 1] = text;
        write(file, lines);
    }
    void keepLines(const char* file, int count) {
        Lines lines = read(file);
        lines.resize(count);
        write(file, lines);
    }

private:
    // Rewritten as UTF-8, which the game reads as well as Big5.
    Lines read(const char* file) const { return readContentLines(path(), file); }
    void write(const char* file, const Lines& lines) const {
        std::ofstream out(dir_.filePath(file).toStdString(), std::ios::binary);
        for (const std::string& line : lines)
            out << line << "\r\n";
    }

    QTemporaryDir dir_;
};

using Findings = std::vector<std::string>;

} // namespace

class ContentCheckTest : public QObject {
    Q_OBJECT
private slots:
    void shippedSetsAreClean() {
        for (const char* set : {"zh-HK", "zh-TW", "en"}) {
            const ContentReport report = checkContent(SetCopy(set).path());
            QVERIFY2(report.errors.empty() && report.warnings.empty(), set);
        }
    }

    // A broken mapdata.txt must not hide a short mapmsg.txt, nor a broken question file.
    void everyFileReportsItsFirstErrorOnItsOwn() {
        SetCopy copy("en");
        copy.setLine("mapdata.txt", 3, "ten");
        copy.setLine("mapdata.txt", 9, "nine");
        copy.keepLines("mapmsg.txt", 20);
        copy.keepLines("gm1_data.txt", 100);
        const ContentReport report = checkContent(copy.path());
        QCOMPARE(report.errors,
                 (Findings{"mapdata.txt line 3: \"ten\" is not a whole number",
                           "mapmsg.txt line 21: the file ends after 20 lines; 38 are needed, one "
                           "per square",
                           "gm1_data.txt line 101: the file ends after 100 lines; 180 are "
                           "needed, 6 per question"}));
        QVERIFY(report.warnings.empty()); // the rules wait for files that can be read
    }

    void messagesSayWhatTheirSquareDoesInTheSetsLanguage() {
        struct Case {
            const char* set;
            int square;
            const char* value;
            std::string message, finding;
        };
        const Case cases[] = {
            {"zh-HK", 2, "-200", "吸煙令血管收窄！扣300分",
             "square 2 takes away 200 points but its message does not say \"扣200分\""},
            {"zh-TW", 4, "0", "冠狀動脈狹窄！扣100分",
             "square 4 says \"扣100分\" but changes no points"},
            {"en", 2, "-200", "Smoking hardens arteries. -300 points",
             "square 2 takes away 200 points but its message does not say \"-200 points\""},
            {"en", 3, "33301", "Heart questions!",
             "square 3 opens a game but its message does not say \"quiz\""},
            {"zh-HK", 7, "33302", "射下誘因！",
             "square 7 opens a game but its message does not say \"射擊\""},
            {"en", 5, "100", "", "square 5 has no message"},
        };
        for (const Case& c : cases) {
            SetCopy copy(c.set);
            copy.setLine("mapdata.txt", c.square + 1, c.value);
            copy.setLine("mapmsg.txt", c.square + 1, c.message);
            const std::string where = "mapmsg.txt line " + std::to_string(c.square + 1) + ": ";
            QCOMPARE(checkContent(copy.path()).warnings, Findings{where + c.finding});
        }
    }

    void valuesThatDoNothingAndTooFewGameSquaresAreWarned() {
        SetCopy copy("en");
        copy.setLine("mapdata.txt", 4, "33303");
        copy.setLine("mapdata.txt", 13, "0");
        copy.setLine("mapmsg.txt", 13, "A plain square");
        const Findings warnings = checkContent(copy.path()).warnings;
        QCOMPARE(warnings.size(), std::size_t(2));
        QVERIFY(warnings[0].starts_with("mapdata.txt line 4: square 3 value 33303 does nothing"));
        QCOMPARE(warnings[1], std::string("mapdata.txt: 2 quiz squares; a board needs at least 3"));
    }

    void textsTooWideForTheirBoxesAreWarned() {
        QCOMPARE(estimatedWidth("冠心病", 6, 12), 36);
        QCOMPARE(estimatedWidth("1) CHD", 7, 13), 42);
        SetCopy copy("zh-TW");
        copy.setLine("mapmsg.txt", 1, std::string("加100分") + std::string(81, 'x'));
        copy.setLine("gm1_data.txt", 3, std::string(18, 'y') + "很很很很很很很很很很很很很很");
        QCOMPARE(checkContent(copy.path()).warnings,
                 (Findings{"mapmsg.txt line 1: square 0 message is about 528 px wide; its box "
                           "holds 340 px",
                           "gm1_data.txt line 3: question 1 choice 2 is about 329 px wide; its "
                           "box holds 253 px"}));
    }

    void answersGatheredOnOneButtonAreWarned() {
        for (const char* first : {"0", "0.0"}) { // an answer counts as the quiz reads it
            SetCopy copy("en");
            for (int k = 0; k < 5; ++k)
                copy.setLine("gm1_data.txt", 6 * k + 5, first);
            const Findings warnings = checkContent(copy.path()).warnings;
            QCOMPARE(warnings.size(), std::size_t(1));
            QVERIFY(warnings[0].starts_with("gm1_data.txt: the right answers are unevenly spread"));
        }
    }

    // The game plays without explanations, so each problem is a warning.
    void missingShortEmptyOrTooWideExplanationsAreWarned() {
        SetCopy copy("en");
        copy.setLine("gm1_why.txt", 2, " ");
        copy.setLine("gm1_why.txt", 3, std::string(170, 'w'));
        copy.keepLines("gm1_why.txt", 29);
        QCOMPARE(checkContent(copy.path()).warnings,
                 (Findings{"gm1_why.txt has 29 lines, not one for each of the 30 questions",
                           "gm1_why.txt line 2: the explanation is empty",
                           "gm1_why.txt line 3: the explanation is about 1020 px wide; the quiz "
                           "window shows 1012 px"}));
        QVERIFY(QFile::remove(QString::fromStdString(copy.path()) + "/gm1_why.txt"));
        QCOMPARE(checkContent(copy.path()).warnings,
                 Findings{"gm1_why.txt is missing: learning mode shows the right answers without "
                          "a reason"});
    }
};

QTEST_APPLESS_MAIN(ContentCheckTest)
#include "test_content_check.moc"
