// Totals of the group shown, the countervalue in another currency, and the captions of the summary panel.

#include "LedgerFixture.h"
#include "MovementSetBuilder.h"

#include "engine/Countervalue.h"
#include "engine/GroupTotals.h"
#include "engine/NumberFormat.h"
#include "engine/SummaryPanel.h"

#include <QTest>

namespace {

using hostfw::Language;

quorvane::TotalsFormats formats(bool quantities)
{
    return {quorvane::amountFormat(2), quorvane::quantityFormat(3), Language::Italian, quantities};
}

// DARE, AVERE, QUANTITA and a group column, as the movement set has them.
db::Recordset ledgerRows(const std::vector<std::vector<db::Value>>& rows)
{
    return movementSet({textField("G"), numberField("DARE", 2), numberField("AVERE", 2), numberField("QUANTITA", 3)},
                       rows);
}

// A company whose base currency is the euro, with currencies quoted "certain" and one quoted "uncertain".
class CurrencyCompany {
public:
    CurrencyCompany()
    {
        fixture.connection().Execute("INSERT INTO CG08_VALUTE VALUES ('EURO', 'Euro', 'EUR', 2, 0)");
        fixture.connection().Execute("INSERT INTO CG08_VALUTE VALUES ('USD', 'Dollaro', 'USD', 2, 0)");
        fixture.connection().Execute("INSERT INTO CG08_VALUTE VALUES ('JPY', 'Yen', 'JPY', 0, 0)");
        fixture.connection().Execute("INSERT INTO CG08_VALUTE VALUES ('XAU', 'Oro', 'XAU', 4, 1)");
    }

    quorvane::Countervalue countervalue(const std::string& currency, const std::string& rate, int* converters = nullptr)
    {
        selection.TXT_CODICEVALUTA = currency;
        selection.TXT_CAMBIO = rate;
        return quorvane::Countervalue(selection, "EURO", fixture.connection(), LedgerFixture::company, [converters] {
            if (converters)
                ++*converters;
            return std::make_unique<hostfw::CurrencyConverter>();
        });
    }

    LedgerFixture fixture;
    quorvane::SelectionParameters selection;
};

} // namespace

class GroupTotalsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { company_ = std::make_unique<CurrencyCompany>(); }
    void numbersFollowTheFormatAndTheLanguage_data();
    void numbersFollowTheFormatAndTheLanguage();
    void groupTotalsFollowTheFilter_data();
    void groupTotalsFollowTheFilter();
    void countervalueAtTheRate_data();
    void countervalueAtTheRate();
    void unknownCurrencyIsRefused();
    void accountSummaryIsCutTo49Characters_data();
    void accountSummaryIsCutTo49Characters();
    void summaryDescribesTheSelection_data();
    void summaryDescribesTheSelection();

private:
    // The company database is made once per test program; each use starts from a fresh selection.
    CurrencyCompany& freshCompany()
    {
        company_->selection = {};
        return *company_;
    }

    std::unique_ptr<CurrencyCompany> company_;
};

void GroupTotalsTest::numbersFollowTheFormatAndTheLanguage_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("quantityDecimals");   // -1: the amount format with 2 decimals
    QTest::addColumn<QString>("italian");
    QTest::addColumn<QString>("english");
    QTest::newRow("amount") << -1234567.891 << -1 << "-1.234.567,89" << "-1,234,567.89";
    QTest::newRow("a quantity without decimals has no separator") << 121465.0 << 0 << "121.465" << "121,465";
    QTest::newRow("a quantity with three decimals") << 2.5 << 3 << "2,500" << "2.500";
    QTest::newRow("rounds to zero without a sign") << -0.004 << -1 << "0,00" << "0.00";
}

void GroupTotalsTest::numbersFollowTheFormatAndTheLanguage()
{
    QFETCH(double, value);
    QFETCH(int, quantityDecimals);
    QFETCH(QString, italian);
    QFETCH(QString, english);
    const std::string format = quantityDecimals < 0 ? quorvane::amountFormat(2) : quorvane::quantityFormat(quantityDecimals);
    QCOMPARE(QString::fromStdString(quorvane::formatNumber(value, format, Language::Italian)), italian);
    QCOMPARE(QString::fromStdString(quorvane::formatNumber(value, format, Language::English)), english);
}

void GroupTotalsTest::groupTotalsFollowTheFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("captions");   // debit, credit, balance
    QTest::addColumn<long>("rows");
    QTest::newRow("one movement of debit 100") << "G='a'" << QStringList{"100,00 ", "0,00 ", "-100,00 "} << 1L;
    QTest::newRow("NULL amounts count as 0") << "G='b'" << QStringList{"0,00 ", "2.500,25 ", "2.500,25 "} << 2L;
    QTest::newRow("no filter: the whole selection")
        << "" << QStringList{"100,10 ", "2.500,25 ", "2.400,15 "} << 4L;
    QTest::newRow("a group without rows") << "G='z'" << QStringList{"0,00 ", "0,00 ", "0,00 "} << 0L;
}

void GroupTotalsTest::groupTotalsFollowTheFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, captions);
    QFETCH(long, rows);
    db::Recordset set = ledgerRows({{"a", db::Decimal{10000, 2}, db::Decimal{0, 2}, db::Decimal{1000, 3}},
                                    {"b", db::Value(), db::Decimal{250025, 2}, db::Value()},
                                    {"b", db::Decimal{0, 2}, db::Value(), db::Decimal{500, 3}},
                                    {"c", db::Decimal{10, 2}, db::Decimal{0, 2}, db::Decimal{1, 3}}});
    set.Sort("G");
    set.Filter(filter.toStdString());
    set.MoveLast();
    CurrencyCompany& company = freshCompany();
    const quorvane::ControlCaptions shown = quorvane::AggiornamentoTotali(set, formats(true), company.countervalue("", ""));
    QCOMPARE((QStringList{QString::fromStdString(shown.at("TXT_TOTDARE")), QString::fromStdString(shown.at("TXT_TOTAVERE")),
                          QString::fromStdString(shown.at("TXT_TOTSALDO"))}),
             captions);
    QCOMPARE(quorvane::sumShownRows(set).rows, rows);
    QCOMPARE(set.AbsolutePosition(), rows ? 1L : db::Recordset::PositionUnknown);
    QCOMPARE(QString::fromStdString(set.filter()), filter);
}

void GroupTotalsTest::countervalueAtTheRate_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("countervalue");
    QTest::addColumn<int>("converters");
    QTest::newRow("no rate leaves the amount") << "USD" << "" << 1234.567 << 1234.567 << 0;
    QTest::newRow("rate 1 leaves the amount") << "USD" << "1" << 1234.567 << 1234.567 << 0;
    QTest::newRow("certain quotation multiplies") << "USD" << "1.1" << 100.0 << 110.0 << 1;
    QTest::newRow("rounded to the currency's decimals") << "JPY" << "130.5" << 10.01 << 1306.0 << 1;
    QTest::newRow("uncertain quotation divides") << "XAU" << "2000" << 500.0 << 0.25 << 1;
    QTest::newRow("the base currency is never converted") << "EURO" << "2" << 100.0 << 100.0 << 1;
    QTest::newRow("an empty currency is the window's own") << "" << "2" << 100.0 << 100.0 << 1;
}

void GroupTotalsTest::countervalueAtTheRate()
{
    QFETCH(QString, currency);
    QFETCH(QString, rate);
    QFETCH(double, amount);
    QFETCH(double, countervalue);
    QFETCH(int, converters);
    CurrencyCompany& company = freshCompany();
    int created = 0;
    const quorvane::Countervalue converter = company.countervalue(currency.toStdString(), rate.toStdString(), &created);
    QCOMPARE(converter.GetControvalore(amount), countervalue);
    QCOMPARE(created, converters);
}

void GroupTotalsTest::unknownCurrencyIsRefused()
{
    CurrencyCompany& company = freshCompany();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, company.countervalue("ABC", "2").GetControvalore(1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, company.countervalue("USD", "0").GetControvalore(1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, company.countervalue("USD", "1,5"));
}

void GroupTotalsTest::accountSummaryIsCutTo49Characters_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("summary");
    QTest::newRow("short") << "0101" << "Taglio" << "\"0101\" - Taglio";
    QTest::newRow("50 is cut with a mark") << "01" << QString(43, 'x') << "\"01\" - " + QString(38, 'x') + " ...";
    QTest::newRow("accented letters count as one") << "01" << QString(42, QChar(0xE0)) << "\"01\" - " + QString(42, QChar(0xE0));
}

void GroupTotalsTest::accountSummaryIsCutTo49Characters()
{
    QFETCH(QString, code);
    QFETCH(QString, description);
    QFETCH(QString, summary);
    const QString cut = QString::fromStdString(quorvane::accountSummary(code.toStdString(), description.toStdString()));
    QCOMPARE(cut, summary);
    QVERIFY(cut.size() <= 49);
}

void GroupTotalsTest::summaryDescribesTheSelection_data()
{
    QTest::addColumn<QString>("field");     // "key=value" settings of the selection, ";"-separated
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");   // "(absent)" when the control keeps its caption
    QTest::newRow("account by cost centre") << "CBO_SELCONTOVDS=0;TXT_CONTO=0101" << "TXT_RIEPCONTO"
                                            << "\"0101\" - Taglio laser ";
    QTest::newRow("account filter grid") << "CBO_SELCONTOVDS=2" << "TXT_RIEPCONTO" << "Selezione avanzata dei conti";
    QTest::newRow("another account choice keeps the caption") << "CBO_SELCONTOVDS=3" << "TXT_RIEPCONTO" << "(absent)";
    QTest::newRow("no dates") << "" << "TXT_RIEPDATAREG" << "Nessun limite ";
    QTest::newRow("from a date") << "TXT_DATAREGDA=2024-01-01" << "TXT_RIEPDATAREG" << "Da 01/01/2024 ";
    QTest::newRow("between dates") << "TXT_DATAREGDA=2024-01-01;TXT_DATAREGA=2024-03-31" << "TXT_RIEPDATAREG"
                                   << "Compreso tra 01/01/2024 / 31/03/2024 ";
    QTest::newRow("equal amount") << "CBO_SELPERIMP=1;TXT_IMPORTO=1500" << "TXT_RIEPIMPORTO" << "Uguale a 1.500,00 ";
    QTest::newRow("amount band") << "CBO_SELPERIMP=4;TXT_IMPORTO=1000;TXT_PERC=10" << "TXT_RIEPIMPORTO"
                                 << "1.000,00 +/- 10% ";
    QTest::newRow("quantity band in the quantity format") << "CBO_SELPERQTA=4;TXT_QUANTITA=2.5;TXT_PERCQTA=5"
                                                          << "TXT_RIEPQTA" << "2,500 +/- 5% ";
    QTest::newRow("competence period")
        << "CHK_PERIODOCOMP=1;CBO_MESELI=11;TXT_ANNOLI=2023;CBO_MESELS=2;TXT_ANNOLS=2024" << "TXT_RIEPCOMP"
        << "Compreso tra novembre 2023 / febbraio 2024 ";
    QTest::newRow("movement types as the selector shows them") << "" << "TXT_RIEPMOV" << "Effettivo";
    QTest::newRow("the window's own currency when none is given") << "TXT_CODICEVALUTA=" << "LBL_PARTVAL" << "EURO";
}

void GroupTotalsTest::summaryDescribesTheSelection()
{
    QFETCH(QString, field);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    CurrencyCompany& company = freshCompany();
    quorvane::SelectionParameters& p = company.selection;
    for (const QString& setting : field.split(';', Qt::SkipEmptyParts)) {
        const QString key = setting.section('=', 0, 0);
        const std::string value = setting.section('=', 1).toStdString();
        std::map<QString, std::string*> texts{
            {"CBO_SELCONTOVDS", &p.CBO_SELCONTOVDS}, {"TXT_CONTO", &p.TXT_CONTO},     {"CBO_SELPERIMP", &p.CBO_SELPERIMP},
            {"TXT_IMPORTO", &p.TXT_IMPORTO},         {"TXT_PERC", &p.TXT_PERC},       {"CBO_SELPERQTA", &p.CBO_SELPERQTA},
            {"TXT_QUANTITA", &p.TXT_QUANTITA},       {"TXT_PERCQTA", &p.TXT_PERCQTA}, {"CHK_PERIODOCOMP", &p.CHK_PERIODOCOMP},
            {"CBO_MESELI", &p.CBO_MESELI},           {"TXT_ANNOLI", &p.TXT_ANNOLI},   {"CBO_MESELS", &p.CBO_MESELS},
            {"TXT_ANNOLS", &p.TXT_ANNOLS},           {"TXT_CODICEVALUTA", &p.TXT_CODICEVALUTA}};
        if (key == "TXT_DATAREGDA" || key == "TXT_DATAREGA")
            (key == "TXT_DATAREGDA" ? p.TXT_DATAREGDA : p.TXT_DATAREGA) = QDate::fromString(QString::fromStdString(value), Qt::ISODate);
        else
            *texts.at(key) = value;
    }
    const quorvane::Countervalue countervalue(p, "EURO", company.fixture.connection(), LedgerFixture::company);
    const hostfw::Translator translator(Language::Italian);
    const quorvane::SelectionTotals totals;
    const quorvane::ControlCaptions captions = quorvane::AggiornamentoSpecchiettoRiepilogativo(
        {p, "Taglio laser", "Effettivo", quorvane::SummaryWords::of(translator),
         translator.text(quorvane::textAdvancedAccountSelection).toStdString(), totals, true, formats(true), countervalue});
    const auto found = captions.find(control.toStdString());
    QCOMPARE(found == captions.end() ? QString("(absent)") : QString::fromStdString(found->second), caption);
}

QTEST_GUILESS_MAIN(GroupTotalsTest)
#include "test_group_totals.moc"
