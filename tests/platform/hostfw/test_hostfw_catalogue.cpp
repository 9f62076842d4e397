// The host's catalogue: the lookup finds each entry in either language, a missing number shows itself,
// and the user's language code is read with or without its trailing blank. The phrase book holds each text
// once, and gives a text written in either language in the user's.

#include "hostfw/Catalogue.h"
#include "hostfw/PhraseTranslator.h"
#include "hostfw/Phrases.h"
#include "hostfw/Translator.h"

#include <QSet>
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
    void thePhraseBookHoldsEachTextOnce();
    void theTranslatorGivesEitherLanguageInTheUsers_data();
    void theTranslatorGivesEitherLanguageInTheUsers();
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

void CatalogueTest::thePhraseBookHoldsEachTextOnce()
{
    QSet<QString> italian;
    for (const Phrase& phrase : Phrases::entries()) {
        const QString text = QString::fromUtf8(phrase.italian);
        QVERIFY2(!italian.contains(text), phrase.italian);
        italian.insert(text);
    }
}

void CatalogueTest::theTranslatorGivesEitherLanguageInTheUsers_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("shown");   // null: the text as written
    QTest::newRow("an Italian caption for an English user") << "Saldo" << true << "Balance";
    QTest::newRow("an Italian caption for an Italian user") << "Saldo" << false << QString();
    QTest::newRow("an English refusal for an Italian user") << "unknown key" << false << "chiave sconosciuta";
    QTest::newRow("an English refusal for an English user") << "unknown key" << true << QString();
    QTest::newRow("a text the book does not know") << "Campo ignoto" << true << QString();
}

void CatalogueTest::theTranslatorGivesEitherLanguageInTheUsers()
{
    QFETCH(QString, written);
    QFETCH(bool, english);
    QFETCH(QString, shown);
    const PhraseTranslator translator(english ? Language::English : Language::Italian);
    QCOMPARE(translator.translate("any", written.toUtf8().constData()), shown);
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_hostfw_catalogue.moc"
