// The host's catalogue: the lookup finds each entry in either language, a missing number shows itself,
// and the user's language code is read with or without its trailing blank.

#include "hostfw/Catalogue.h"
#include "hostfw/Translator.h"

#include <QtTest>

using namespace hostfw;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAreStrictlyAscendingSoEveryOneIsFound();
    void aMissingNumberShowsItselfInsteadOfAnEmptyText();
    void languageCodesWithOrWithoutTheTrailingBlank_data();
    void languageCodesWithOrWithoutTheTrailingBlank();
    void phrasesAreTranslatedOnlyForAnEnglishUser();
};

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
