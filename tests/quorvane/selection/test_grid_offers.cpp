// The rows the window offers to its three grids follow the company's settings: which rows, in which order,
// in which section, with which flag and position, and the user's attributes when the company defines any.

#include "GridTestCompany.h"
#include "selection/AccountFilterOffer.h"
#include "selection/LimitsOffer.h"
#include "selection/OrderingOffer.h"
#include "selection/SectionCounter.h"

#include <QtTest>

using namespace quorvane;

namespace {

// "A3 Sez. doc. T": section letter, position, caption, flag.
template <typename Offer>
QStringList rendered(const Offer& offer, int section)
{
    QStringList rows;
    for (const auto& row : offer)
        if (row.section == section)
            rows << QStringLiteral("%1%2 %3 %4")
                        .arg(QChar('A' + row.section))
                        .arg(row.position)
                        .arg(row.caption, row.sectionFlag ? "T" : "F");
    return rows;
}

template <typename Offer>
QStringList captions(const Offer& offer, int section)
{
    QStringList result;
    for (const auto& row : offer)
        if (row.section == section)
            result << row.caption;
    return result;
}

template <typename Offer>
QStringList columnsStartingWith(const Offer& offer, int section, const QString& prefix)
{
    QStringList result;
    for (const auto& row : offer)
        if (row.section == section && row.column.startsWith(prefix))
            result << QStringLiteral("%1 %2").arg(row.column, row.sectionFlag ? "T" : "F");
    return result;
}

} // namespace

class GridOffersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GridTestCompanies> companies_;

    CompanyOffer company(int number) { return {companies_->settings(number), companies_->attributes(number)}; }

private slots:
    void initTestCase() { companies_ = std::make_unique<GridTestCompanies>(); }

    void plainCompanyGetsEveryAlwaysOfferedLimitRowInEachSection()
    {
        CompanyOffer plain = company(1);
        controls::QueryOffer offer = ConfigurazioneAdvancedQuery(plain.sources());
        const QStringList header{
            "A1 Causale T", "A2 Descr. causale T", "A3 Sez. doc. T", "A4 Data doc. T", "A5 Nr. doc. T",
            "A6 Nr. doc. orig. T", "A7 Codice cliente T", "A8 Codice fornitore T", "A9 Descr. agg. testata T",
            "A10 Conto contabile T", "A12 C.d.C. F", "A13 V.d.S. F", "A14 Conto contabile F",
            "A16 Data inizio competenza F", "A17 Data fine competenza F", "A18 Descr. agg. corpo F",
            "A19 Commessa F", "A20 Sottocommessa F", "A21 Progetto F", "A22 Sottoprogetto F",
            "A23 Tipo progetto F", "A24 Stato progetto F", "A25 Classe A progetto F", "A26 Classe B progetto F",
            "A27 Classe C progetto F", "A28 Nodo F", "A29 Nodo riferimento F", "A30 Attività progetto F",
            "A31 Spese progetto F", "A32 Reparto F", "A33 Dipendente F", "A34 Qualifica F", "A35 Articolo F",
            "A36 Variante F", "A37 Deposito F"};
        QCOMPARE(rendered(offer, 0), header);
        QStringList lines = rendered(offer, 1);
        QCOMPARE(lines.first(), QString("B1 Causale F"));
        QVERIFY(lines.contains("B10 Conto contabile F"));
        QVERIFY(lines.contains("B14 Conto contabile T"));
        const QStringList projectRows{"B24 Stato progetto T", "B25 Data chiusura progetto T",
                                      "B26 Classe A progetto T"};
        QCOMPARE(lines.mid(lines.indexOf("B24 Stato progetto T"), 3), projectRows);
        QCOMPARE(lines.last(), QString("B38 Deposito T"));
        QCOMPARE(offer.front().sectionTitle, italianText(headerSectionMessage));
        QCOMPARE(offer.back().sectionTitle, italianText(lineSectionMessage));
    }

    void limitRowsFollowTheCompanySettings_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<QStringList>("headerStart");
        QTest::addColumn<QStringList>("lineStart");
        QTest::addColumn<bool>("projectNodes");
        QTest::addColumn<QStringList>("lineEnd");
        QTest::newRow("plain") << 1 << QStringList{"Causale"} << QStringList{"Causale"} << true
                               << QStringList{"Variante", "Deposito"};
        QTest::newRow("everything on")
            << 2 << QStringList{"Codice Intercompany", "Sede", "Causale"}
            << QStringList{"Codice Intercompany", "Sede", "Causale"}
            << false
            << QStringList{"Nota tecnica", "Percentuale di ricarico", "Data di collaudo", "Riga verificata",
                           "Codice articolo EPU", "Codice attrezzatura"};
        QTest::newRow("edges") << 3 << QStringList{"Sede", "Causale"} << QStringList{"Sede", "Causale"} << true
                               << QStringList{"Variante", "Deposito"};
    }

    void limitRowsFollowTheCompanySettings()
    {
        QFETCH(int, company);
        QFETCH(QStringList, headerStart);
        QFETCH(QStringList, lineStart);
        QFETCH(bool, projectNodes);
        QFETCH(QStringList, lineEnd);
        CompanyOffer c = this->company(company);
        controls::QueryOffer offer = ConfigurazioneAdvancedQuery(c.sources());
        QStringList header = captions(offer, 0), lines = captions(offer, 1);
        QCOMPARE(header.mid(0, headerStart.size()), headerStart);
        QCOMPARE(lines.mid(0, lineStart.size()), lineStart);
        QCOMPARE(lines.mid(lines.size() - lineEnd.size()), lineEnd);
        for (const QStringList& section : {header, lines}) {
            QCOMPARE(section.contains("Nodo"), projectNodes);
            QCOMPARE(section.contains("Spese progetto"), projectNodes);
            QCOMPARE(section.count("Conto contabile"), 2);
            QVERIFY(!section.contains("Descrizione conto contabile"));
        }
    }

    void attributeRowsAreOnInTheSectionOfTheirEntity()
    {
        CompanyOffer withAttributes = company(2);
        controls::QueryOffer limits = ConfigurazioneAdvancedQuery(withAttributes.sources());
        const QStringList header{"CO5L_CI12.RIFCONTRATTO T", "CO5L_CI12.PRIORITA T", "CO5L_CI12.DATACONSEGNA T",
                                 "CO5L_CI12.URGENTE T"};
        QCOMPARE(columnsStartingWith(limits, 0, "CO5L_CI12."), header);
        QCOMPARE(columnsStartingWith(limits, 1, "CO5L_CI13.").first(), QString("CO5L_CI13.NOTATECNICA T"));
        QCOMPARE(columnsStartingWith(limits, 1, "CO5L_CI12.").first(), QString("CO5L_CI12.RIFCONTRATTO F"));
        controls::OrderOffer ordering = ConfigurazioneAdvancedOrder(withAttributes.sources());
        QCOMPARE(columnsStartingWith(ordering, 0, "CO5L_CI13.").size(), 4);
        QCOMPARE(columnsStartingWith(ordering, 0, "CO5L_CI13.").first(), QString("CO5L_CI13.NOTATECNICA F"));
        QCOMPARE(columnsStartingWith(ordering, 1, "CO5L_CI13.").first(), QString("CO5L_CI13.NOTATECNICA T"));
    }

    void attributeRowsTakeTheKindOfTheirDefinition()
    {
        CompanyOffer withAttributes = company(2);
        controls::QueryOffer limits = ConfigurazioneAdvancedQuery(withAttributes.sources());
        auto kindOf = [&](const QString& column) {
            return std::find_if(limits.begin(), limits.end(), [&](auto& r) { return r.column == column; })->kind;
        };
        QCOMPARE(kindOf("CO5L_CI12.RIFCONTRATTO"), controls::ValueKind::Text);
        QCOMPARE(kindOf("CO5L_CI12.PRIORITA"), controls::ValueKind::Number);
        QCOMPARE(kindOf("CO5L_CI12.DATACONSEGNA"), controls::ValueKind::Date);
        QCOMPARE(kindOf("CO5L_CI12.URGENTE"), controls::ValueKind::Number);
    }

    void noAttributeRowsWithoutDefinedAttributes()
    {
        CompanyOffer plain = company(1);
        for (int section : {0, 1}) {
            QVERIFY(columnsStartingWith(ConfigurazioneAdvancedQuery(plain.sources()), section, "CO5L_").isEmpty());
            QVERIFY(columnsStartingWith(ConfigurazioneAdvancedOrder(plain.sources()), section, "CO5L_").isEmpty());
        }
    }

    void accountFilterOffersTheLevelsOfEachChart_data()
    {
        QTest::addColumn<int>("costCentreLevels");
        QTest::addColumn<int>("expenseItemLevels");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("one level")
            << 1 << 1 << QStringList{"1 C.d.C.", "2 V.d.S.", "3 V.d.S. - Natura"};
        QTest::newRow("three and two levels")
            << 3 << 2
            << QStringList{"1 C.d.C. - Mastro", "2 C.d.C. - Intermedio1", "3 C.d.C.", "4 V.d.S. - Mastro",
                           "5 V.d.S.", "6 V.d.S. - Natura"};
        const QStringList allLevels{"1 C.d.C. - Mastro", "2 C.d.C. - Intermedio1", "3 C.d.C. - Intermedio2",
                                    "4 C.d.C. - Intermedio3", "5 C.d.C.", "6 V.d.S. - Mastro",
                                    "7 V.d.S. - Intermedio1", "8 V.d.S. - Intermedio2", "9 V.d.S. - Intermedio3",
                                    "10 V.d.S.", "11 V.d.S. - Natura"};
        QTest::newRow("five levels") << 5 << 5 << allLevels;
        QTest::newRow("deeper than five") << 7 << 6 << allLevels;
    }

    void accountFilterOffersTheLevelsOfEachChart()
    {
        QFETCH(int, costCentreLevels);
        QFETCH(int, expenseItemLevels);
        QFETCH(QStringList, rows);
        CompanyOffer c = company(1);
        c.settings.costCentreChartLevels = costCentreLevels;
        c.settings.expenseItemChartLevels = expenseItemLevels;
        controls::QueryOffer offer = ConfigurazioneAdvancedQuerySelConti(c.sources());
        QStringList offered;
        for (const controls::QueryRowDefinition& row : offer) {
            offered << QStringLiteral("%1 %2").arg(row.position).arg(row.caption);
            QVERIFY(row.sectionFlag);
            QCOMPARE(row.sectionTitle, italianText(accountFilterSectionMessage));
        }
        QCOMPARE(offered, rows);
    }

    void accountFilterFollowsTheDemoCharts_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<int>("rows");
        QTest::newRow("one-level charts") << 3 << 3;
        QTest::newRow("five-level charts") << 2 << 11;
    }

    void accountFilterFollowsTheDemoCharts()
    {
        QFETCH(int, company);
        QFETCH(int, rows);
        CompanyOffer c = this->company(company);
        controls::QueryOffer offer = ConfigurazioneAdvancedQuerySelConti(c.sources());
        QCOMPARE(int(offer.size()), rows);
        QCOMPARE(offer.back().caption, QString("V.d.S. - Natura"));
        QCOMPARE(offer.back().column, QString("VDS.PC03_NATURA_PC04"));
        QCOMPARE(offer[offer.size() - 2].caption, QString("V.d.S."));
    }

    void companyWithoutOptionsOrdersFromTheCausal()
    {
        CompanyOffer c = company(1);
        c.settings.projectStructure = 2;
        controls::OrderOffer offer = ConfigurazioneAdvancedOrder(c.sources());
        const QStringList header{
            "A1 Causale T", "A2 Descr. causale T", "A3 Sez. doc. T", "A4 Data reg. T", "A5 Data doc. T",
            "A6 Tipo movimento T", "A7 Nr. doc. T", "A8 Nr. doc. orig. T", "A9 Codice cliente T",
            "A10 Codice fornitore T", "A11 Descr. agg. testata T", "A12 C.d.C. F", "A13 V.d.S. F",
            "A14 Natura costo F", "A15 C/contabile T", "A16 Descr. c/contabile T", "A17 Descr. agg. corpo F",
            "A18 Commessa F", "A19 Sottocommessa F", "A20 Progetto F", "A21 Sottoprogetto F",
            "A22 Tipo progetto F", "A23 Stato progetto F", "A24 Classe A progetto F", "A25 Classe B progetto F",
            "A26 Classe C progetto F", "A27 Reparto F", "A28 Dipendente F", "A29 Qualifica F", "A30 Articolo F",
            "A31 Variante F", "A32 Deposito F"};
        QCOMPARE(rendered(offer, 0), header);
        QStringList lines = rendered(offer, 1);
        QCOMPARE(lines.size(), header.size() - 1);
        QCOMPARE(lines.first(), QString("B1 Causale F"));
        QCOMPARE(lines[11], QString("B12 C.d.C. T"));
        QCOMPARE(lines[16], QString("B17 Commessa F"));
        QCOMPARE(lines.last(), QString("B31 Deposito F"));
    }

    void orderingSectionsFollowTheCompanySettings()
    {
        CompanyOffer everything = company(2);
        controls::OrderOffer offer = ConfigurazioneAdvancedOrder(everything.sources());
        for (int section : {0, 1}) {
            QStringList rows = captions(offer, section);
            QCOMPARE(rows.mid(0, 3), (QStringList{"Codice Intercompany", "Sede", "Causale"}));
            QVERIFY(!rows.contains("Nodo"));
            QVERIFY(!rows.contains("Spesa progetto"));
            QCOMPARE(rows.contains("Descr. agg. corpo"), section == 0);
        }
    }

    void orderRowsKnowWhichMayGroupAndWhichTakeAPeriod()
    {
        CompanyOffer plain = company(1);
        for (const controls::OrderRowDefinition& row : ConfigurazioneAdvancedOrder(plain.sources())) {
            QCOMPARE(row.groupable, !row.caption.startsWith("Descr."));
            QCOMPARE(row.dateRow, row.caption == "Data reg." || row.caption == "Data doc.");
            QCOMPARE(QString::fromUtf8(orderingColumnOf(row.caption.toStdString())), row.column);
        }
    }

    void equalSectionTitlesKeepCounting()
    {
        CompanyOffer c = company(1);
        c.messageText = [](int) { return QStringLiteral("Movimenti"); };
        controls::OrderOffer ordering = ConfigurazioneAdvancedOrder(c.sources());
        QCOMPARE(rendered(ordering, 0).last(), QString("A36 Deposito F"));
        QCOMPARE(rendered(ordering, 1).first(), QString("B37 Causale F"));
        controls::QueryOffer limits = ConfigurazioneAdvancedQuery(c.sources());
        QCOMPARE(rendered(limits, 1).first(), QString("B38 Causale F"));
    }

    void theSectionCounterOverflowsPastSixteenBits()
    {
        SectionCounter counter("InserisciRigaOrdinamento");
        for (int i = 1; i < 32767; ++i)
            counter.next("Testata");
        QCOMPARE(counter.next("Testata"), qint16(32767));
        QCOMPARE(counter.next("Righe"), qint16(1));
        for (int i = 2; i <= 32767; ++i)
            counter.next("Righe");
        try {
            counter.next("Righe");
            QFAIL("the 32,768th row of a section was numbered");
        } catch (const GridOfferError& e) {
            QVERIFY(QString(e.what()).startsWith("InserisciRigaOrdinamento:"));
        }
    }
};

QTEST_GUILESS_MAIN(GridOffersTest)
#include "test_grid_offers.moc"
