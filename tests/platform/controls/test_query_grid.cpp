// The query grid as a user meets it: sections of offered rows, values checked in the cell, codes described
// and looked up through the window, a pasted column of codes filling a row's list, and the filled rows'
// conditions in the offer's order.

#include "FieldTestSupport.h"

#include "controls/QueryGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

using namespace controls;

namespace {

QueryRowDefinition row(int section, const QString& caption, const QString& column, bool flag, ValueKind kind,
                       int maxLength = 0, const QString& mask = {})
{
    QueryRowDefinition r;
    r.section = section;
    r.sectionTitle = section == 0 ? QStringLiteral("Testata movimento") : QStringLiteral("Righe movimento");
    r.caption = caption;
    r.column = column;
    r.sectionFlag = flag;
    r.decodeLookup = kind != ValueKind::Date;
    r.kind = kind;
    r.maxLength = maxLength;
    r.mask = mask;
    return r;
}

const QueryOffer offer{row(0, "Causale", "CI12_CODCAUS_CI03", true, ValueKind::Text, 4),
                       row(0, "Nr. doc.", "CI12_NUMDOC", true, ValueKind::Number, 7, "#"),
                       row(1, "Data doc.", "CI12_DATADOC", false, ValueKind::Date),
                       row(1, "Commessa", "CI13_COMMESSA_PD25", true, ValueKind::Text, 25)};

class WindowHandlers final : public QueryGridEvents {
public:
    void AqValidate(const QString& caption, ValueBox box, const QString& value) override
    {
        validated << QStringLiteral("%1 %2 %3").arg(caption).arg(box).arg(value);
    }
    void StartDecode(const QString&, const QString& from, const QString& to, QString& fromDescription,
                     QString& toDescription, const GridValues&) override
    {
        describeInto(causals, {}, from, fromDescription);
        describeInto(causals, {}, to, toDescription);
    }
    std::optional<LookupTarget> StartLookup(const QString& caption, const GridValues&) override
    {
        return LookupTarget{&causals, {caption, 0, {}, {}}};
    }
    fieldtest::ListLookup causals{{{"ACQ", "Acquisti"}, {"VEN", "Vendite"}}};   // as the host would give them
    QStringList validated;
};

int visibleRows(const QTableWidget* table)
{
    int visible = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        visible += table->isRowHidden(r) ? 0 : 1;
    return visible;
}

} // namespace

class QueryGridTest : public QObject {
    Q_OBJECT

    QueryGrid grid_;
    WindowHandlers handlers_;

    void typeInto(int offerRow, QueryGrid::Column column, const QString& text)
    {
        grid_.setCurrentCell(offerRow, column);
        grid_.table()->currentItem()->setText(text);
    }

private slots:
    void init()
    {
        grid_.setEvents(&handlers_);
        grid_.setOffer(offer);
        grid_.setShowAllRows(false);
        handlers_.validated.clear();
    }

    void sectionsShowTheirRowsAndRebuildingKeepsNoDuplicates()
    {
        QCOMPARE(grid_.table()->rowCount(), 6);   // two titles and four rows
        QCOMPARE(visibleRows(grid_.table()), 5);  // the date row's flag is off
        grid_.setShowAllRows(true);
        QCOMPARE(visibleRows(grid_.table()), 6);
        typeInto(0, QueryGrid::FromColumn, "VEN");
        grid_.setOffer(offer);
        grid_.setOffer(offer);
        QCOMPARE(grid_.table()->rowCount(), 6);
        QVERIFY(grid_.conditionRows().empty());
    }

    void aValueThatDoesNotFitIsRefusedInItsCell_data()
    {
        QTest::addColumn<int>("offerRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("typed");
        QTest::newRow("longer than four") << 0 << int(QueryGrid::FromColumn) << "VEN" << "VENDI";
        QTest::newRow("letters in a number") << 1 << int(QueryGrid::ToColumn) << "12" << "12a";
        QTest::newRow("no such date") << 2 << int(QueryGrid::FromColumn) << "01/02/2024" << "30/02/2024";
        QTest::newRow("one bad code in a list") << 0 << int(QueryGrid::ListColumn) << "ACQ" << "ACQ;TOOLONG";
    }

    void aValueThatDoesNotFitIsRefusedInItsCell()
    {
        QFETCH(int, offerRow);
        QFETCH(int, column);
        QFETCH(QString, accepted);
        QFETCH(QString, typed);
        typeInto(offerRow, QueryGrid::Column(column), accepted);
        QVERIFY(grid_.message().isEmpty());
        typeInto(offerRow, QueryGrid::Column(column), typed);
        QCOMPARE(grid_.table()->currentItem()->text(), accepted);
        QVERIFY2(grid_.message().startsWith(offer[offerRow].caption + ":"), qPrintable(grid_.message()));
    }

    void acceptedValuesAreRememberedAndDescribed()
    {
        typeInto(3, QueryGrid::FromColumn, " 100 ");
        typeInto(0, QueryGrid::ToColumn, "VEN");
        QCOMPARE(handlers_.validated, (QStringList{"Commessa 1 100", "Causale 2 VEN"}));
        int tableRow = grid_.table()->currentRow();
        QCOMPARE(grid_.table()->item(tableRow, QueryGrid::ToDescriptionColumn)->text(), QString("Vendite"));
        typeInto(0, QueryGrid::ToColumn, "");
        QCOMPARE(grid_.table()->item(tableRow, QueryGrid::ToDescriptionColumn)->text(), QString());
        QVERIFY(grid_.message().isEmpty());
        grid_.resize(900, 300);
        grid_.show();
        const QHeaderView* header = grid_.table()->horizontalHeader();
        QVERIFY(qAbs(header->sectionSize(QueryGrid::FromDescriptionColumn)
                     - header->sectionSize(QueryGrid::ToDescriptionColumn)) <= 1);
        QVERIFY(header->sectionSize(QueryGrid::FromDescriptionColumn) > header->sectionSize(QueryGrid::FromColumn));
    }

    void filledRowsYieldTheirConditionsInOfferOrder()
    {
        typeInto(3, QueryGrid::ListColumn, "C1; O'2 ;");
        typeInto(1, QueryGrid::FromColumn, "10");
        typeInto(1, QueryGrid::ToColumn, "20");
        std::vector<QueryConditionRow> expected{
            {"Nr. doc.", "CI12_NUMDOC", "CI12_NUMDOC BETWEEN 10 AND 20"},
            {"Commessa", "CI13_COMMESSA_PD25", "CI13_COMMESSA_PD25 IN ('C1', 'O''2')"}};
        QVERIFY(grid_.conditionRows() == expected);
    }

    void aPastedColumnOfCodesFillsTheList()
    {
        grid_.setCurrentCell(0, QueryGrid::FromColumn);
        QApplication::clipboard()->setText("ACQ\r\nVEN\n\nRES\n");
        QTest::keySequence(grid_.table(), QKeySequence::Paste);
        QCOMPARE(grid_.values(0).list, (QStringList{"ACQ", "VEN", "RES"}));
        grid_.pasteList("ACQ\nTROPPOLUNGO\n");
        QCOMPARE(grid_.values(0).list, (QStringList{"ACQ", "VEN", "RES"}));
        QVERIFY(grid_.message().contains("TROPPOLUNGO"));
    }

    void lookupWritesTheChosenCodeIntoTheCurrentCell()
    {
        grid_.setLookupChooser([](const LookupTarget& target, QWidget*) {
            return std::optional<QString>(target.service->entries(target.request, {}, 10).back().code);
        });
        grid_.setCurrentCell(0, QueryGrid::FromColumn);
        QTest::keyClick(grid_.table(), Qt::Key_F4);
        QCOMPARE(grid_.values(0).from, QString("VEN"));
        grid_.setCurrentCell(2, QueryGrid::FromColumn);   // dates have no lookup
        QTest::keyClick(grid_.table(), Qt::Key_F4);
        QCOMPARE(grid_.values(2).from, QString());
    }

    void gridReportsRowChangesAndTheLastTab()
    {
        QSignalSpy rowChanges(&grid_, &QueryGrid::CurrentRecordChanged);
        QSignalSpy lastTab(&grid_, &QueryGrid::AqLastTabReached);
        grid_.setCurrentCell(0, QueryGrid::FromColumn);
        grid_.setCurrentCell(1, QueryGrid::FromColumn);
        QCOMPARE(rowChanges.count(), 2);
        grid_.setCurrentCell(3, QueryGrid::ListColumn);
        QTest::keyClick(grid_.table(), Qt::Key_Tab);
        QCOMPARE(lastTab.count(), 1);
    }
};

QTEST_MAIN(QueryGridTest)
#include "test_query_grid.moc"
