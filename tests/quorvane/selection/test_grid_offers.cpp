// The rows the window offers to its three grids follow the company's settings: which rows, in which order,
// in which section, with which flag and position, and the user's attributes when the company defines any.

#include "GridTestCompany.h"
#include "selection/AccountFilterOffer.h"
#include "selection/LimitsOffer.h"
#include "selection/OrderingOffer.h"

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
        const QStringList allLevels{"1 C.d.C. - Mastro", "2 C.d.C. - Intermedio1", "3 C.d.C. - Intermedio2",
                                    "4 C.d.C. - Intermedio3", "5 C.d.C.", "6 V.d.S. - Mastro",
                                    "7 V.d.S. - Intermedio1", "8 V.d.S. - Intermedio2", "9 V.d.S. - Intermedio3",
                                    "10 V.d.S.", "11 V.d.S. - Natura"};
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

};

QTEST_GUILESS_MAIN(GridOffersTest)
#include "test_grid_offers.moc"
