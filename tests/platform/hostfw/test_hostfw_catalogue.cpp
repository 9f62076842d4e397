// The host's catalogue: every number the component shows or translates has a text in both languages,
// and the lookup finds each entry.

#include "hostfw/Catalogue.h"
#include "hostfw/Translator.h"

#include <QtTest>

using namespace hostfw;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void everyNumberTheComponentNamesHasBothTexts_data();
    void everyNumberTheComponentNamesHasBothTexts();
    void entriesAreStrictlyAscendingSoEveryOneIsFound();
    void aMissingNumberShowsItselfInsteadOfAnEmptyText();
    void languageCodesWithOrWithoutTheTrailingBlank_data();
    void languageCodesWithOrWithoutTheTrailingBlank();
    void phrasesAreTranslatedOnlyForAnEnglishUser();
};

void CatalogueTest::everyNumberTheComponentNamesHasBothTexts_data()
{
    QTest::addColumn<int>("number");
    // Messages and captions the ledger inquiry shows, from the window's set-up to printing.
    const int numbers[] = {6029,  7984,  8826,  9638,  11180, 16506, 25017, 27554, 30179, 35169,
                           36651, 37421, 38529, 38984, 39037, 43650, 43681, 45614, 48924, 51677,
                           58966, 59387, 64809, 64810, 64811, 69054, 71671, 71672, 71673, 71674,
                           71675, 76372, 77311, 78233, 86946, 86958, 90479};
    for (int n : numbers)
        QTest::addRow("%d", n) << n;
}

void CatalogueTest::everyNumberTheComponentNamesHasBothTexts()
{
    QFETCH(int, number);
    QVERIFY(Catalogue::contains(number));
    QVERIFY(!Catalogue::text(number, Language::Italian).trimmed().isEmpty());
    QVERIFY(!Catalogue::text(number, Language::English).trimmed().isEmpty());
}

void CatalogueTest::entriesAreStrictlyAscendingSoEveryOneIsFound()
{
    const auto entries = Catalogue::entries();
    for (std::size_t i = 1; i < entries.size(); ++i)
        QVERIFY2(entries[i - 1].number < entries[i].number, qPrintable(QString::number(entries[i].number)));
    for (const CatalogueEntry& entry : entries)
        QCOMPARE(Catalogue::text(entry.number, Language::English), QString::fromUtf8(entry.english));
}

void CatalogueTest::aMissingNumberShowsItselfInsteadOfAnEmptyText()
{
    QVERIFY(!Catalogue::contains(1));
    QCOMPARE(Catalogue::text(1, Language::Italian), QStringLiteral("[1]"));
}

void CatalogueTest::languageCodesWithOrWithoutTheTrailingBlank_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("english");
    QTest::newRow("ITA with blank") << "ITA " << false;
    QTest::newRow("ENG with blank") << "ENG " << true;
    QTest::newRow("eng lower case") << "eng" << true;
    QTest::newRow("empty reads Italian") << "" << false;
    QTest::newRow("unknown reads Italian") << "DEU " << false;
}

void CatalogueTest::languageCodesWithOrWithoutTheTrailingBlank()
{
    QFETCH(QString, code);
    QFETCH(bool, english);
    QCOMPARE(languageFromCode(code) == Language::English, english);
    QCOMPARE(languageCode(languageFromCode(code)).size(), 4);
}

void CatalogueTest::phrasesAreTranslatedOnlyForAnEnglishUser()
{
    QCOMPARE(Translator(Language::English).phrase(QStringLiteral("Commessa")), QStringLiteral("Job order"));
    QCOMPARE(Translator(Language::Italian).phrase(QStringLiteral("Commessa")), QStringLiteral("Commessa"));
    QCOMPARE(Translator(Language::English).phrase(QStringLiteral("Campo ignoto")), QStringLiteral("Campo ignoto"));
    QCOMPARE(Translator(Language::English).text(11180), QStringLiteral("Customer"));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_hostfw_catalogue.moc"
