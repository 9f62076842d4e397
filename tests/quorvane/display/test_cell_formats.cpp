// The cell formats of the two grids: which rule each column follows, the row's column it reads, the chart
// an account is written in, and the empty or null values that leave a cell as it is.

#include "display/CellFormats.h"

#include <QtTest>

using namespace quorvane::display;

namespace {

// Words that say which rule made them and from what, so a test sees the rule that applied.
class NamingTexts final : public CellTexts {
public:
    QString formatAccount(const QString& code, int chart) const override
    {
        return QStringLiteral("account %1 of chart %2").arg(code).arg(chart);
    }
    QString formatLedgerAccount(const QString& code) const override { return "ledger " + code; }
    QString documentType(int code) const override { return QStringLiteral("document type %1").arg(code); }
    QString movementType(int code) const override { return QStringLiteral("movement type %1").arg(code); }
    QString origin(int code) const override { return QStringLiteral("origin %1").arg(code); }
    QString costRevenueKind(int code) const override { return QStringLiteral("kind %1").arg(code); }
};

// One row with the coded columns the rules read from the row.
db::Recordset rowWith(const db::Value& origin, const db::Value& itemKind, const db::Value& natureKind)
{
    db::Recordset rows = db::Recordset::inMemory({{"CI12_INDPROVENIENZA", db::DataType::Integer},
                                                  {"PC04_INDCOSTORIC_VDS", db::DataType::Integer},
                                                  {"PC04_INDCOSTORIC", db::DataType::Integer}});
    rows.AddNew();
    rows.setValue("CI12_INDPROVENIENZA", origin);
    rows.setValue("PC04_INDCOSTORIC_VDS", itemKind);
    rows.setValue("PC04_INDCOSTORIC", natureKind);
    rows.Update();
    return rows;
}

} // namespace

class CellFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void eachColumnFollowsItsRule_data();
    void eachColumnFollowsItsRule();
};

void CellFormatsTest::eachColumnFollowsItsRule_data()
{
    QTest::addColumn<bool>("detail");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("emptyRow");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cost-centre account") << false << "CI13_CONTO_PC03" << "0102003" << false << "account 0102003 of chart 7";
    QTest::newRow("expense item") << true << "CI13_VDS_PC03" << "44" << false << "account 44 of chart 9";
    QTest::newRow("null or empty account unchanged") << false << "CI13_CONTO_PC03" << "" << false << "";
    QTest::newRow("general-ledger account") << true << "CG42_CONTOPAR_CG24" << "6010" << false << "ledger 6010";
    QTest::newRow("document type") << false << "CI12_TIPODOC" << "3" << false << "document type 3";
    QTest::newRow("no document type rule in the detail") << true << "CI12_TIPODOC" << "3" << false << "3";
    QTest::newRow("origin from the row") << false << "DES_CI12_INDPROVENIENZA" << "" << false << "origin 4";
    QTest::newRow("no origin in the row") << false << "DES_CI12_INDPROVENIENZA" << "x" << true << "x";
    QTest::newRow("kind of the expense item's nature") << false << "DES_PC04_INDCOSTORIC" << "" << false << "kind 2";
    QTest::newRow("kind of the detail row's nature") << true << "DES_PC04_INDCOSTORIC" << "" << false << "kind 3";
    QTest::newRow("other columns untouched") << false << "DESCRCONTO" << "Magazzino" << false << "Magazzino";
}

void CellFormatsTest::eachColumnFollowsItsRule()
{
    QFETCH(bool, detail);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(bool, emptyRow);
    QFETCH(QString, expected);
    const NamingTexts texts;
    const CellFormats formats{detail ? MovementGrid::Detail : MovementGrid::Movements, texts, 7, 9};
    const db::Recordset row = emptyRow ? rowWith({}, {}, {}) : rowWith(4, 2, 3);
    QString shown = text;
    formats.format(key, shown, controls::DataGridRow(row, 0));
    QCOMPARE(shown, expected);
}

QTEST_MAIN(CellFormatsTest)
#include "test_cell_formats.moc"
