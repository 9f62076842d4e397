// The check before processing as the window runs it: the refusal shown as a warning with the host's
// message, the focus on the field to correct or the ordering tab shown, and the range of validity the
// movement-type selector receives on the way.

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
    // Chooses groupable rows of the ordering grid as grouping levels.
    void groupBy(int levels)
    {
        OrderGrid* grid = c().ADVO_ORDINAMENTI;
        for (std::size_t i = 0; i < grid->offer().size() && int(grid->chosenRows().size()) < levels; ++i) {
            const OrderRowDefinition& row = grid->offer()[i];
            if (!row.groupable || row.column.contains(QStringLiteral("PROGETTO")) || row.column.contains("PD69")
                || row.column.contains("PD0C") || row.column.contains("PD0D") || row.column.contains("PD59")
                || row.column.contains("SCOMMESSA"))
                continue;
            grid->choose(int(i));
            grid->setGroup(int(grid->chosenRows().size()) - 1, true);
        }
    }
};

} // namespace

class SettingsCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theSelectorReceivesTheRangeOfTheDates_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("competence");
        QTest::addColumn<std::vector<int>>("offered");
        // Type 2 is valid from 2022, type 4 from 2023, type 6 until the end of 2022.
        QTest::newRow("no dates: every type") << "" << "" << false << std::vector<int>{1, 2, 3, 4, 6};
        QTest::newRow("only the end date 15/03/2024: 01/01/2024 on") << "" << "15/03/2024" << false
                                                                     << std::vector<int>{1, 2, 3, 4};
        QTest::newRow("2021 only") << "01/01/2021" << "31/12/2021" << false << std::vector<int>{1, 3, 6};
        QTest::newRow("competence February 2024") << "" << "" << true << std::vector<int>{1, 2, 3, 4};
    }
    void theSelectorReceivesTheRangeOfTheDates()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, competence);
        CheckedWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        c.TXT_DATAREGDA->setValue(from);
        c.TXT_DATAREGA->setValue(to);
        if (competence) {
            w.click(c.CHK_PERIODOCOMP);
            c.CBO_MESELI->setValue(QStringLiteral("2"));
            c.TXT_ANNOLI->setValue(QStringLiteral("2024"));
            c.CBO_MESELS->setValue(QStringLiteral("2"));
            c.TXT_ANNOLS->setValue(QStringLiteral("2024"));
        }
        QVERIFY(w.window->CheckImpostazioni());
        QTEST(c.USR_TIPOMOV->offeredCodes(), "offered");
    }

    void theRangeEndsOnTheLastDayOfTheEndMonth()
    {
        // A type that ends on 28/02/2024 is still offered for February 2024; one that starts on 01/03 is not.
        class Types : public MovementTypeSource {
        public:
            std::vector<MovementType> movementTypes() const override
            {
                return {{7, "Fine febbraio", "", "", 0, {}, QDate(2024, 2, 28)},
                        {8, "Dal 29 febbraio", "", "", 0, QDate(2024, 2, 29), {}},
                        {9, "Da marzo", "", "", 0, QDate(2024, 3, 1), {}}};
            }
        } types;
        CheckedWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
        c.USR_TIPOMOV->setSource(&types);
        c.USR_TIPOMOV->Load();
        w.click(c.CHK_PERIODOCOMP);
        c.CBO_MESELI->setValue(QStringLiteral("2"));
        c.TXT_ANNOLI->setValue(QStringLiteral("2024"));
        c.CBO_MESELS->setValue(QStringLiteral("2"));
        c.TXT_ANNOLS->setValue(QStringLiteral("2024"));
        QVERIFY(w.window->CheckImpostazioni());
        QCOMPARE(c.USR_TIPOMOV->offeredCodes(), (std::vector<int>{7, 8}));
        c.USR_TIPOMOV->setSource(nullptr);
    }

    void aRefusalShowsItsMessageAndTakesTheUserThere_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("dateFrom");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("focus");
        QTest::newRow("an account the chart lacks") << "0109999" << "" << "EURO" << 9638 << "TXT_CONTO";
        QTest::newRow("no account") << "" << "" << "EURO" << 9638 << "TXT_CONTO";
        QTest::newRow("a from-date that is no date") << "0101001" << "31/02/2024" << "EURO" << 9638 << "TXT_DATAREGDA";
        QTest::newRow("a currency without its exchange date") << "0101001" << "" << "USD" << 9638 << "TXT_DATACAMBIO";
        QTest::newRow("an unknown currency") << "0101001" << "" << "XYZ" << 9638 << "TXT_CODICEVALUTA";
    }
    void aRefusalShowsItsMessageAndTakesTheUserThere()
    {
        QFETCH(QString, account);
        QFETCH(QString, dateFrom);
        QFETCH(QString, currency);
        QFETCH(int, number);
        QFETCH(QString, focus);
        PanelWindow w;
        QVERIFY(w.active());
        const auto& c = w.c();
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

    void theAccountFilterNeedsNoAccount()
    {
        PanelWindow w;
        QVERIFY(w.active());
        w.choose(w.c().CBO_SELCONTOVDS, QStringLiteral("2"));
        QVERIFY(w.window->CheckImpostazioni());
        QVERIFY(w.answerer->requests.empty());
    }

    void groupingLevelsAtMostTen_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ten") << 10 << true;
        QTest::newRow("eleven") << 11 << false;
    }
    void groupingLevelsAtMostTen()
    {
        QFETCH(int, levels);
        QFETCH(bool, accepted);
        CheckedWindow w;
        QVERIFY(w.active());
        w.groupBy(levels);
        QCOMPARE(int(w.c().ADVO_ORDINAMENTI->chosenRows().size()), levels);
        QCOMPARE(w.window->CheckImpostazioni(), accepted);
        if (!accepted) {
            QCOMPARE(w.answerer->texts(), QStringList{message(7984)});
            QCOMPARE(w.c().TAB_QUORVANE->Tab(), 2);
        }
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
