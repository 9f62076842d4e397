// The account field cut into its chart's segments: complete and incomplete codes, codes the chart holds
// or not, the F4 lookup writing the chosen code back, and the general-ledger account under its mask.

#include "FieldTestSupport.h"

#include "controls/AccountMaskField.h"
#include "controls/CostAccountField.h"

#include <QLineEdit>

using namespace controls;

namespace {

const AccountSegments chart232({2, 2, 3});

fieldtest::ListLookup costCentres()
{
    return fieldtest::ListLookup({{"01", "Produzione"}, {"0101", "Reparto presse"}, {"0101001", "Pressa 1"}});
}

} // namespace

class CostAccountFieldTest : public QObject {
    Q_OBJECT
private slots:
    void segments_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << "0102003" << "01.02.003" << true;
        QTest::newRow("ledger only") << "01" << "01" << false;
        QTest::newRow("half a segment") << "010" << "01.0" << false;
        QTest::newRow("longer than the chart keeps its tail") << "01020034" << "01.02.0034" << false;
        QTest::newRow("typed with separators") << "01.02.003" << "01.02.003" << true;
    }
    void segments()
    {
        QFETCH(QString, code);
        QFETCH(QString, shown);
        QFETCH(bool, complete);
        const QString stored = AccountSegments::stripped(code);
        QCOMPARE(chart232.withSeparators(stored), shown);
        QCOMPARE(chart232.isComplete(stored), complete);
    }

    void theFieldReportsCompleteAndValid_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("valid");
        QTest::newRow("an account of the chart") << "0101001" << "0101001" << true << true;
        QTest::newRow("a ledger of the chart") << "01" << "01" << false << true;
        QTest::newRow("a complete code the chart lacks") << "0101009" << "0101009" << true << false;
        QTest::newRow("typed with its separators") << "01.01.001" << "0101001" << true << true;
        QTest::newRow("empty") << "" << "" << false << false;
    }
    void theFieldReportsCompleteAndValid()
    {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(bool, complete);
        QFETCH(bool, valid);
        const fieldtest::ListLookup chart = costCentres();
        fieldtest::FieldWindow w;
        auto* field = w.add<CostAccountField>();
        field->bind(&chart, {QStringLiteral("C.d.C."), 0, {}, {}}, chart232);
        QVERIFY(w.show());
        w.type(field, typed);
        QCOMPARE(field->Value(), value);
        QCOMPARE(field->isComplete(), complete);
        QCOMPARE(field->isValid(), valid);
        QCOMPARE(field->hasError(), !value.isEmpty() && !valid);
        QCOMPARE(field->lineEdit()->text(), chart232.withSeparators(value));
    }

    void f4LooksUpAndWritesTheChosenCodeBack()
    {
        const fieldtest::ListLookup chart = costCentres();
        fieldtest::FieldWindow w;
        auto* field = w.add<CostAccountField>();
        field->bind(&chart, {QStringLiteral("C.d.C."), 0, {}, {}}, chart232);
        QStringList offered;
        field->setLookupChooser([&](const LookupTarget& target, const QString& filter, QWidget*) {
            for (const CodeEntry& e : target.service->entries(target.request, filter, 100))
                offered << e.code;
            return std::optional<QString>(QStringLiteral("0101001"));
        });
        int decodes = 0;
        connect(field, &EditField::StartDecode, [&] { ++decodes; });
        connect(field, &EditField::StartLookup, [field] { field->lookup(); });
        QVERIFY(w.show());
        w.enter(field);
        QTest::keyClick(field->editor(), Qt::Key_F4);
        QCOMPARE(offered, (QStringList{"01", "0101", "0101001"}));
        QCOMPARE(field->Value(), QStringLiteral("0101001"));
        QCOMPARE(field->description(), QStringLiteral("Pressa 1"));
        QVERIFY(field->isValid());
        QCOMPARE(decodes, 1);
    }

    void bindingToAnotherChartChecksTheCodeAgain()
    {
        const fieldtest::ListLookup costs = costCentres();
        const fieldtest::ListLookup items(std::vector<CodeEntry>{{"05", "Materiali"}});
        CostAccountField field;
        field.bind(&costs, {QStringLiteral("C.d.C."), 0, {}, {}}, chart232);
        field.setValue(QStringLiteral("05"));
        QVERIFY(!field.isValid());
        field.bind(&items, {QStringLiteral("V.d.S."), 0, {}, {}}, AccountSegments({2, 3}));
        QVERIFY(field.isValid());
        QCOMPARE(field.description(), QStringLiteral("Materiali"));
    }

    void theLedgerAccountTakesTheMaskOfItsChart()
    {
        AccountMaskField field;
        field.setSegments(AccountSegments({1, 2, 4}));
        QCOMPARE(field.mask(), QStringLiteral("N.NN.NNNN"));
        field.setValue(QStringLiteral("2010010"));
        QCOMPARE(field.Value(), QStringLiteral("2010010"));
        QCOMPARE(field.lineEdit()->text(), QStringLiteral("2.01.0010"));
    }
};

QTEST_MAIN(CostAccountFieldTest)
#include "test_cost_account_field.moc"
