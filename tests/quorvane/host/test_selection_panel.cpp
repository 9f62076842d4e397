// The selection panel in the real window over the demo company: its combos and initial state, the
// operators, the competence period, the corrections on leaving a field, the stale-result rule, the
// account kind and the account field, the currency with its exchange rate, and the grids it rebuilds.

#include "PanelTestSupport.h"

#include "host/SelectionPanel.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/LabelField.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberFieldM.h"
#include "controls/OrderGrid.h"
#include "controls/QueryGrid.h"
#include "controls/TabStrip.h"
#include "controls/TextFieldM.h"


using namespace controls;
using paneltest::PanelWindow;

namespace {

QStringList items(const ComboField* combo)
{
    QStringList all;
    for (int i = 0; i < combo->ListCount(); ++i)
        all << combo->itemValue(i) + QLatin1Char('=') + combo->itemText(i);
    return all;
}

} // namespace

class SelectionPanelTest : public QObject {
    Q_OBJECT
private slots:
    void theInitialState()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        QCOMPARE(items(c.CBO_MESELI), QStringList{"-1="});
        for (const ComboField* combo : {c.CBO_SELCONTOVDS, c.CBO_SELPERIMP, c.CBO_SELPERQTA, c.CBO_INDOPERAZIONE})
            QCOMPARE(combo->Value(), QStringLiteral("0"));
        for (QWidget* off : std::initializer_list<QWidget*>{c.CBO_MESELI, c.TXT_ANNOLI, c.CBO_MESELS, c.TXT_ANNOLS,
                                                           c.CBO_SELPERQTA, c.TXT_IMPORTO, c.TXT_PERC,
                                                           c.TXT_DATACAMBIO, c.TXT_CAMBIO, c.CMD_MOVIMENTI})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        QCOMPARE(c.TXT_CODICEVALUTA->Value(), QStringLiteral("EURO"));
        QCOMPARE(c.TXT_IMPORTO->currency(), QStringLiteral("EURO"));
        QCOMPARE(c.TXT_CONTO->chart().list, QStringLiteral("C.d.C."));
        QCOMPARE(c.USR_TIPOMOV->offeredCodes(), (std::vector<int>{1, 2, 3, 4, 6}));   // kinds 0 and 1
        QCOMPARE(c.TAB_QUORVANE->Tab(), 1);
        QVERIFY(c.CBO_SELCONTOVDS->editor()->hasFocus());
        QCOMPARE(c.ADVQ_SELCONTI->identification(), QStringLiteral("FRMCI_QUORVANE_AVANZATA"));
        QCOMPARE(c.ADVQ_LIMITI->identification(), QStringLiteral("FRMCI_QUORVANE"));
    }

    // A company keeping its books in lire shows its amounts in lire: no exchange rate is asked for.
    void aCompanyStartsInItsOwnCurrency()
    {
        PanelWindow w(3);
        QVERIFY(w.active());
        const auto& c = w.c();
        QCOMPARE(c.TXT_CODICEVALUTA->Value(), QStringLiteral("LIT"));
        QVERIFY(!c.TXT_CAMBIO->isEnabled());
        QVERIFY(!c.TXT_DATACAMBIO->isEnabled());
        w.choose(c.CBO_SELCONTOVDS, QStringLiteral("2"));
        QVERIFY(w.window->CheckImpostazioni());
    }

    void leavingTheAmountOperatorBringsItsFieldsInLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("amountAfter");
        QTest::addColumn<QString>("bandAfter");
        QTest::addColumn<bool>("amountEnabled");
        QTest::addColumn<bool>("bandEnabled");
        QTest::newRow("= to No empties the amount") << "1" << "150" << "" << "0" << "" << "" << false << false;
        QTest::newRow("No to % puts 0 into both") << "0" << "" << "" << "4" << "0" << "0" << true << true;
        QTest::newRow("% keeps values already there") << "1" << "150" << "" << "4" << "150" << "0" << true << true;
    }
    void leavingTheAmountOperatorBringsItsFieldsInLine()
    {
        QFETCH(QString, before);
        QFETCH(QString, amount);
        QFETCH(QString, band);
        QFETCH(QString, after);
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.choose(c.CBO_SELPERIMP, before);
        c.TXT_IMPORTO->setValue(amount);
        c.TXT_PERC->setValue(band);
        w.choose(c.CBO_SELPERIMP, after);
        QTEST(c.TXT_IMPORTO->Value(), "amountAfter");
        QTEST(c.TXT_PERC->Value(), "bandAfter");
        QTEST(c.TXT_IMPORTO->isEnabled(), "amountEnabled");
        QTEST(c.TXT_PERC->isEnabled(), "bandEnabled");
    }

    void theQuantityOperatorFollowsItsBox()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.click(c.CHK_QUANTITA);
        QCOMPARE(c.CHK_QUANTITA->Value(), QStringLiteral("1"));
        QVERIFY(c.CBO_SELPERQTA->isEnabled());
        w.choose(c.CBO_SELPERQTA, QStringLiteral("1"));
        QCOMPARE(c.TXT_QUANTITA->Value(), QStringLiteral("0"));
        QVERIFY(c.TXT_QUANTITA->isEnabled());
        w.click(c.CHK_QUANTITA);
        QVERIFY(!c.CBO_SELPERQTA->isEnabled());
        QCOMPARE(c.CBO_SELPERQTA->Value(), QStringLiteral("0"));
        QVERIFY(!c.TXT_QUANTITA->isEnabled());
    }

    void theCompetencePeriodOnAndOff()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.window->panel()->setToday([] { return QDate(2024, 5, 20); });
        w.click(c.CHK_PERIODOCOMP);
        QCOMPARE(c.CBO_MESELI->ListCount(), 12);
        QCOMPARE(c.CBO_MESELI->itemText(0), QStringLiteral("Gennaio"));
        QCOMPARE(c.CBO_MESELS->itemText(11), QStringLiteral("Dicembre"));
        QCOMPARE(c.CBO_MESELI->Value(), QStringLiteral("1"));
        QCOMPARE(c.TXT_ANNOLI->Value(), QStringLiteral("2024"));
        QCOMPARE(c.CBO_MESELS->Value(), QStringLiteral("5"));
        QCOMPARE(c.TXT_ANNOLS->Value(), QStringLiteral("2024"));
        for (EditField* f : std::initializer_list<EditField*>{c.CBO_MESELI, c.TXT_ANNOLI, c.CBO_MESELS, c.TXT_ANNOLS})
            QVERIFY(f->isEnabled() && f->secondFlag());
        QVERIFY(!c.CMD_MOVIMENTI->isEnabled());
        w.click(c.CHK_PERIODOCOMP);
        QCOMPARE(items(c.CBO_MESELI), QStringList{"-1="});
        QCOMPARE(c.CBO_MESELS->Value(), QStringLiteral("-1"));
        QCOMPARE(c.TXT_ANNOLI->Value(), QString());
        QCOMPARE(c.TXT_ANNOLS->Value(), QString());
        for (EditField* f : std::initializer_list<EditField*>{c.CBO_MESELI, c.TXT_ANNOLI, c.CBO_MESELS, c.TXT_ANNOLS})
            QVERIFY(!f->isEnabled() && !f->secondFlag());
    }

    void leavingACompetenceFieldAlignsThePeriods_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");   // from month, from year, to month, to year
        QTest::newRow("a three-digit from-year corrects nothing")
            << "TXT_ANNOLI" << "202" << QStringList{"3", "202", "12", "2024"};
        QTest::newRow("from-year 2025 raises the to-period")
            << "TXT_ANNOLI" << "2025" << QStringList{"3", "2025", "3", "2025"};
        QTest::newRow("to-year 2023 lowers the from-period")
            << "TXT_ANNOLS" << "2023" << QStringList{"12", "2023", "12", "2023"};
        QTest::newRow("a later from-month raises the to-period")
            << "CBO_MESELI" << "12" << QStringList{"12", "2024", "12", "2024"};
    }
    void leavingACompetenceFieldAlignsThePeriods()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.click(c.CHK_PERIODOCOMP);
        c.CBO_MESELI->setValue(QStringLiteral("3"));
        c.TXT_ANNOLI->setValue(QStringLiteral("2024"));
        c.CBO_MESELS->setValue(QStringLiteral("12"));
        c.TXT_ANNOLS->setValue(QStringLiteral("2024"));
        if (auto* combo = w.window->findChild<ComboField*>(field))
            w.choose(combo, typed);
        else
            w.type(w.window->findChild<NumberField*>(field), typed);
        QTEST((QStringList{c.CBO_MESELI->Value(), c.TXT_ANNOLI->Value(), c.CBO_MESELS->Value(), c.TXT_ANNOLS->Value()}),
              "expected");
    }

    void invertedDatesAlignOnTheFieldLeft_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("leaving the from-date raises the to-date") << "TXT_DATAREGDA" << "15/03/2024" << "15/03/2024";
        QTest::newRow("leaving the to-date lowers the from-date") << "TXT_DATAREGA" << "10/01/2024" << "10/01/2024";
    }
    void invertedDatesAlignOnTheFieldLeft()
    {
        QFETCH(QString, left);
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        c.TXT_DATAREGDA->setValue(QStringLiteral("15/03/2024"));
        c.TXT_DATAREGA->setValue(QStringLiteral("10/01/2024"));
        w.enter(w.window->findChild<DateFieldM*>(left));
        w.leave();
        QTEST(c.TXT_DATAREGDA->Value(), "from");
        QTEST(c.TXT_DATAREGA->Value(), "to");
    }

    void onlyARealChangeMakesTheResultStale_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stale");
        QTest::newRow("from-date changed") << "TXT_DATAREGDA" << "150324" << true;
        QTest::newRow("operation kind changed") << "CBO_INDOPERAZIONE" << "1" << false;
        QTest::newRow("amount operator left unchanged") << "CBO_SELPERIMP" << "0" << false;
        QTest::newRow("account kind changed") << "CBO_SELCONTOVDS" << "1" << true;
        QTest::newRow("currency changed") << "TXT_CODICEVALUTA" << "USD" << false;
    }
    void onlyARealChangeMakesTheResultStale()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        PanelWindow w;
        QVERIFY(w.active());
        w.c().CMD_MOVIMENTI->setEnabled(true);   // as after a processing
        if (auto* combo = w.window->findChild<ComboField*>(field))
            w.choose(combo, typed);
        else if (typed.isEmpty()) {
            w.enter(w.window->findChild<EditField*>(field));
            w.leave();
        } else
            w.type(w.window->findChild<EditField*>(field), typed);
        QTEST(!w.c().CMD_MOVIMENTI->isEnabled(), "stale");
    }

    void aChangeOfMovementTypesMakesTheResultStale()
    {
        PanelWindow w;
        QVERIFY(w.active());
        w.c().CMD_MOVIMENTI->setEnabled(true);
        w.c().USR_TIPOMOV->setChecked(3, false);
        QVERIFY(!w.c().CMD_MOVIMENTI->isEnabled());
    }

    void theAccountKindShowsTheAccountOrTheFilter()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        c.TXT_CONTO->setValue(QStringLiteral("0101001"));
        c.TXT_DESCRCONTO->setValue(QStringLiteral("Taglio lamiere"));
        w.choose(c.CBO_SELCONTOVDS, QStringLiteral("2"));
        QVERIFY(!c.TXT_CONTO->isVisible());
        QVERIFY(!c.TXT_DESCRCONTO->isVisible());
        QVERIFY(!c.TXT_CONTO->secondFlag());
        QVERIFY(c.TAB_QUORVANE->isTabAvailable(0));
        QCOMPARE(c.TAB_QUORVANE->Tab(), 0);
        QCOMPARE(c.TXT_CONTO->Value(), QString());
        QCOMPARE(c.TXT_DESCRCONTO->Value(), QString());   // the description goes with its code
        w.choose(c.CBO_SELCONTOVDS, QStringLiteral("1"));
        QVERIFY(c.TXT_CONTO->isVisible());
        QVERIFY(c.TXT_CONTO->secondFlag());
        QCOMPARE(c.TAB_QUORVANE->Tab(), 1);
        QCOMPARE(c.TXT_CONTO->chart().list, QStringLiteral("V.d.S."));
        QCOMPARE(c.TXT_CONTO->segments().sizes(), (std::vector<int>{2, 2, 3}));   // the expense-item chart
    }

    void theAccountKindRebuildsTheGridsFromEmpty()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        QVERIFY(!c.ADVQ_LIMITI->offer().empty());
        QVERIFY(!c.ADVQ_SELCONTI->offer().empty());
        QVERIFY(!c.ADVO_ORDINAMENTI->offer().empty());
        c.ADVO_ORDINAMENTI->choose(0);
        QCOMPARE(c.ADVO_ORDINAMENTI->chosenRows().size(), std::size_t(1));
        w.choose(c.CBO_SELCONTOVDS, QStringLiteral("1"));
        QVERIFY(c.ADVO_ORDINAMENTI->chosenRows().empty());
        QVERIFY(!c.ADVO_ORDINAMENTI->offer().empty());
    }

    void leavingTheAccountShowsItsDescriptionOrTheSearch()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.type(c.TXT_CONTO, QStringLiteral("0101001"));
        QVERIFY(c.TXT_CONTO->isComplete() && c.TXT_CONTO->isValid());
        QVERIFY(!c.TXT_DESCRCONTO->Value().isEmpty());
        QVERIFY(!c.TXT_DESCRCONTO->isEnabled());
        QVERIFY(c.TXT_DESCRCONTO->hasReadOnlyLook());
        w.type(c.TXT_CONTO, QStringLiteral("01"));
        QVERIFY(!c.TXT_CONTO->isComplete() && c.TXT_CONTO->isValid());
        QVERIFY(c.TXT_DESCRCONTO->isEnabled());
        QVERIFY(!c.TXT_DESCRCONTO->hasReadOnlyLook());
        QCOMPARE(c.TXT_DESCRCONTO->Value(), QString());
        QTRY_VERIFY(c.TXT_DESCRCONTO->editor()->hasFocus());
    }

    void theDescriptionSearchWritesTheAccountFound()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        QString searched;
        w.window->setLookupChooser([&](const LookupTarget& target, const QString& filter, QWidget*) {
            searched = filter;
            const std::vector<CodeEntry> found = target.service->entries(target.request, filter, 10);
            return found.empty() ? std::nullopt : std::optional<QString>(found.back().code);
        });
        w.type(c.TXT_CONTO, QString());
        QTRY_VERIFY(c.TXT_DESCRCONTO->editor()->hasFocus());
        QTest::keyClicks(c.TXT_DESCRCONTO->editor(), QStringLiteral("0102"));
        QTest::keyClick(c.TXT_DESCRCONTO->editor(), Qt::Key_Return);
        QCOMPARE(searched, QStringLiteral("0102"));
        QVERIFY(c.TXT_CONTO->Value().startsWith(QStringLiteral("0102")));
        QVERIFY(c.TXT_CONTO->isValid());
        QCOMPARE(c.TXT_DESCRCONTO->Value(), QString());
        QVERIFY(!c.TXT_DESCRCONTO->isEnabled());
    }

    void theRateIsTheRateOfTheDay()
    {
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        w.type(c.TXT_CODICEVALUTA, QStringLiteral("usd"));
        QCOMPARE(c.TXT_CODICEVALUTA->Value(), QStringLiteral("USD"));
        QCOMPARE(c.LBL_SIGLAVALUTA->Value(), QStringLiteral("Dollaro statunitense"));
        w.type(c.TXT_DATACAMBIO, QStringLiteral("150324"));
        auto db = db::Connection::open(hosttest::demoConnectionString().toStdString());
        db::Recordset rate = db->Open("SELECT TOP 1 CG09_CAMBIO FROM CG09_CAMBI WHERE CG09_CODICE_CG08 = 'USD'"
                                      " AND CG09_DATACAMBIO <= '20240315' ORDER BY CG09_DATACAMBIO DESC, CG09_TIPOCAMBIO");
        QCOMPARE(rate.RecordCount(), 1L);
        QCOMPARE(c.TXT_CAMBIO->Value().toDouble(), rate.valueAt(0, 0).toDouble());
        QCOMPARE(c.TXT_CAMBIO->format(), QStringLiteral("###,###,###,##0.00"));   // the dollar's two decimals
        w.type(c.TXT_CODICEVALUTA, QStringLiteral("XYZ"));
        QVERIFY(c.TXT_CODICEVALUTA->hasError());
        QCOMPARE(c.LBL_SIGLAVALUTA->Value(), QString());
    }
};

QTEST_MAIN(SelectionPanelTest)
#include "test_selection_panel.moc"
