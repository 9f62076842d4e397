// The account field's F4 lookup writing the chosen code back, and the general-ledger account under its
// chart's mask.

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
