// The events a window hears from its fields: entering, validating, accepting and the cancel that keeps the
// focus; combos that raise ChangeRow only on a real change; check boxes read "0" and "1"; the key button
// menu and F4.

#include "FieldTestSupport.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/TextFieldM.h"

#include <QComboBox>
#include <QMenu>

using namespace controls;

class EditFieldEventsTest : public QObject {
    Q_OBJECT
private slots:
    void enteringAndLeavingRaiseTheEventsInOrder()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<TextFieldM>();
        QStringList heard;
        connect(field, &EditField::BeforeItem, [&] { heard << "BeforeItem"; });
        connect(field, &EditField::Validate, [&](bool&) { heard << "Validate"; });
        connect(field, &EditField::StartDecode, [&] { heard << "StartDecode"; });
        connect(field, &EditField::AfterItem, [&](bool&) { heard << "AfterItem"; });
        QVERIFY(w.show());
        w.type(field, QStringLiteral("X"));
        QCOMPARE(heard, (QStringList{"BeforeItem", "Validate", "StartDecode", "AfterItem"}));
        heard.clear();
        w.enter(field);
        w.leave();
        QCOMPARE(heard, (QStringList{"BeforeItem", "Validate", "AfterItem"}));   // unchanged: nothing to decode
    }

    void cancellingAfterItemKeepsTheFocus()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<TextFieldM>();
        int entries = 0;
        connect(field, &EditField::BeforeItem, [&] { ++entries; });
        connect(field, &EditField::AfterItem, [&](bool& cancel) { cancel = field->Value().isEmpty(); });
        QVERIFY(w.show());
        w.enter(field);
        w.leave();
        QTRY_VERIFY(field->editor()->hasFocus());
        QCOMPARE(entries, 1);   // coming back is no new entry
        w.type(field, QStringLiteral("ok"));
        QVERIFY(w.elsewhere->hasFocus());
    }

    void aValidateCorrectionIsWhatTheFieldKeeps()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<TextFieldM>();
        connect(field, &EditField::Validate, [field](bool&) {
            if (field->Value().isEmpty())
                field->setValue(QStringLiteral("0"));
        });
        QVERIFY(w.show());
        w.type(field, QString());
        QCOMPARE(field->Value(), QStringLiteral("0"));
    }

    void aComboRaisesChangeRowOnlyWhenItsValueChanges()
    {
        ComboField combo;
        int changes = 0;
        connect(&combo, &ComboField::ChangeRow, [&] { ++changes; });
        combo.setSorted(false);
        combo.AddItem(QStringLiteral("0"), QStringLiteral("No"));
        combo.AddItem(QStringLiteral("1"), QStringLiteral("="));
        QCOMPARE(combo.Value(), QStringLiteral("0"));
        QCOMPARE(changes, 0);   // filling the list is no change of row
        combo.setValue(QStringLiteral("0"));
        QCOMPARE(changes, 0);
        combo.setValue(QStringLiteral("1"));
        QCOMPARE(changes, 1);
        combo.comboBox()->setCurrentIndex(0);   // the user picks another row
        QCOMPARE(changes, 2);
        combo.setValue(QStringLiteral("7"));
        QCOMPARE(combo.Value(), QString());
    }

    void aCheckBoxReadsZeroOrOneAndClicksOnEveryChange()
    {
        CheckField box(QStringLiteral("Gestione quantità"));
        int clicks = 0;
        connect(&box, &CheckField::Click, [&] { ++clicks; });
        QCOMPARE(box.Value(), QStringLiteral("0"));
        box.setValue(QStringLiteral("1"));
        QCOMPARE(box.Value(), QStringLiteral("1"));
        box.setValue(QStringLiteral("1"));
        QCOMPARE(clicks, 1);
        box.setValue(QStringLiteral("0"));
        QCOMPARE(clicks, 2);
    }

    void keyButtonAndF4()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<TextFieldM>();
        field->addKeyButtonItem(QStringLiteral("Kgestione"), QStringLiteral("Gestione…"));
        QStringList keys;
        int lookups = 0;
        connect(field, &EditField::KeyButtonMenuPress, [&](const QString& key) { keys << key; });
        connect(field, &EditField::StartLookup, [&] { ++lookups; });
        QVERIFY(w.show());
        field->keyButtonMenu()->actions().first()->trigger();
        QCOMPARE(keys, QStringList{"Kgestione"});
        w.enter(field);
        QTest::keyClick(field->editor(), Qt::Key_F4);
        QCOMPARE(lookups, 1);
    }

    void upperCaseTextCutToItsLength()
    {
        fieldtest::FieldWindow w;
        auto* field = w.add<TextFieldM>();
        field->setUpperCase(true);
        field->setMaxLength(4);
        QVERIFY(w.show());
        w.type(field, QStringLiteral("usdollar"));
        QCOMPARE(field->Value(), QStringLiteral("USDO"));
    }
};

QTEST_MAIN(EditFieldEventsTest)
#include "test_edit_field_events.moc"
