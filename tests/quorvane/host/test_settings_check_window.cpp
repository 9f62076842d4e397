// The check before processing as the window runs it: the refusal shown as a warning with the host's
// message, the focus on the field to correct or the ordering tab shown, and the range of validity the
// movement-type selector receives on the way (its end the last day of the end month).

#include "PanelTestSupport.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberField.h"
#include "controls/OrderGrid.h"
#include "controls/TabStrip.h"
#include "controls/TextFieldM.h"
#include "hostfw/Catalogue.h"

using namespace controls;
using paneltest::PanelWindow;

namespace {

QString message(int number)
{
    return hostfw::Catalogue::text(number, hostfw::Language::Italian);
}

// A window whose account is a proper one, so that only the case under test is refused.
struct CheckedWindow : PanelWindow {
    CheckedWindow() { c().TXT_CONTO->setValue(QStringLiteral("0101001")); }
    int offered(const QString& caption) const
    {
        const OrderOffer& offer = c().ADVO_ORDINAMENTI->offer();
        for (std::size_t i = 0; i < offer.size(); ++i)
            if (offer[i].caption == caption)
                return int(i);
        return -1;
    }
};

} // namespace

class SettingsCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aRefusalShowsItsMessageAndTakesTheUserThere_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("dateFrom");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<bool>("anyType");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("focus");
        QTest::newRow("an account the chart lacks") << "0109999" << "" << "EURO" << true << 9638 << "TXT_CONTO";
        QTest::newRow("no account") << "" << "" << "EURO" << true << 9638 << "TXT_CONTO";
        QTest::newRow("no movement type ticked") << "0101001" << "" << "EURO" << false << 9638 << "USR_TIPOMOV";
        QTest::newRow("a currency without its exchange date") << "0101001" << "" << "USD" << true << 9638
                                                              << "TXT_DATACAMBIO";
    }
    void aRefusalShowsItsMessageAndTakesTheUserThere()
    {
        QFETCH(QString, account);
        QFETCH(QString, dateFrom);
        QFETCH(QString, currency);
        QFETCH(bool, anyType);
        QFETCH(int, number);
        QFETCH(QString, focus);
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        if (!anyType)
            for (int code : c.USR_TIPOMOV->offeredCodes())
                c.USR_TIPOMOV->setChecked(code, false);
        c.TXT_CONTO->setValue(account);
        c.TXT_DATAREGDA->setValue(dateFrom);
        w.type(c.TXT_CODICEVALUTA, currency);
        c.TXT_DATACAMBIO->setValue(QString());
        QVERIFY(!w.window->CheckImpostazioni());
        QCOMPARE(w.answerer->texts(), QStringList{message(number)});
        QCOMPARE(w.answerer->requests.front().icon, hostfw::DialogIcon::Warning);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->parentWidget()->objectName(), focus);
    }

    void orderingOnAnExcludedDimensionShowsTheOrderingTab()
    {
        CheckedWindow w;
        QVERIFY(w.active());
        const int project = w.offered(QStringLiteral("Progetto"));
        QVERIFY(project >= 0);
        w.c().ADVO_ORDINAMENTI->choose(project);
        w.c().ADVO_ORDINAMENTI->setGroup(0, true);
        w.click(w.c().CHK_NO_PROGETTI);
        QVERIFY(!w.window->CheckImpostazioni());
        QCOMPARE(w.answerer->texts(), QStringList{message(64809)});
        QCOMPARE(w.c().TAB_QUORVANE->Tab(), 2);
    }
};

QTEST_MAIN(SettingsCheckWindowTest)
#include "test_settings_check_window.moc"
