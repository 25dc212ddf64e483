#include "rules/content_language.h"

#include <QtTest>

using namespace tavrin::rules;

class ContentLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void localeChoosesTheSet_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("set");
        // No language chosen plays the set the game has always played.
        for (const char* none : {"", "C", "POSIX", "C.UTF-8", "C.utf8"})
            QTest::newRow(none) << none << "zh-HK";
        for (const char* taiwan : {"zh_TW", "zh_TW.UTF-8", "zh_TW.Big5", "zh-TW"})
            QTest::newRow(taiwan) << taiwan << "zh-TW";
        for (const char* hongKong : {"zh_HK.UTF-8", "zh_HK.Big5-HKSCS", "zh_MO", "zh_Hant_HK"})
            QTest::newRow(hongKong) << hongKong << "zh-HK";
        for (const char* otherChinese : {"zh", "zh_CN.UTF-8", "zh_SG", "zh_Hant"})
            QTest::newRow(otherChinese) << otherChinese << "zh-TW";
        for (const char* other : {"en_US.UTF-8", "en_HK.UTF-8", "de_DE@euro", "fr", "ja_JP"})
            QTest::newRow(other) << other << "en";
    }
    void localeChoosesTheSet() {
        QFETCH(QString, locale);
        QFETCH(QString, set);
        QCOMPARE(QString::fromStdString(contentLanguageForLocale(locale.toStdString())), set);
    }

    void commandLineNamesASetExactly() {
        for (const ContentLanguage& set : kContentLanguages)
            QCOMPARE(contentLanguageNamed(set.code), std::optional<std::string>(set.code));
        QCOMPARE(contentLanguageChoices(), std::string("zh-TW, zh-HK or en"));
        for (const char* wrong : {"", "zh", "zh_TW", "zh-tw", "EN", "fr"})
            QCOMPARE(contentLanguageNamed(wrong), std::nullopt);
    }

    void messagesLocaleFollowsTheCLibraryOrder() {
        QCOMPARE(messagesLocale("zh_TW", "en_US", "de_DE"), std::string_view("zh_TW"));
        QCOMPARE(messagesLocale("", "en_US", "de_DE"), std::string_view("en_US"));
        QCOMPARE(messagesLocale(nullptr, nullptr, "de_DE"), std::string_view("de_DE"));
        QCOMPARE(messagesLocale(nullptr, "", nullptr), std::string_view());
    }
};

QTEST_APPLESS_MAIN(ContentLanguageTest)
#include "test_content_language.moc"
