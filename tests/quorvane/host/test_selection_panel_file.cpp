// "Salva selezione…" and "Apri selezione…": a selection written by the window comes back into a fresh
// window as the user left it, grids included, a level code with its description; a file the window cannot
// take is refused in the user's language with a message naming its key once, and the window keeps its values.

#include "PanelTestSupport.h"

#include "controls/CheckField.h"
#include "controls/ComboField.h"
#include "controls/CostAccountField.h"
#include "controls/DateFieldM.h"
#include "controls/MovementTypeSelector.h"
#include "controls/NumberFieldM.h"
#include "controls/OrderGrid.h"
#include "controls/QueryGrid.h"
#include "controls/TextFieldM.h"
#include "hostfw/UserLanguage.h"
#include "selection/SelectionFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace controls;
using paneltest::PanelWindow;

namespace {

int offeredRow(const QueryOffer& offer, const QString& caption)
{
    for (std::size_t i = 0; i < offer.size(); ++i)
        if (offer[i].caption == caption)
            return int(i);
    return -1;
}

void writeFile(const QString& path, const QByteArray& json)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(json);
}

} // namespace

class SelectionPanelFileTest : public QObject {
    Q_OBJECT
private slots:
    void aSavedSelectionOpensAsItWasLeft()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("selezione.json"));
        quorvane::SelectionParameters saved;
        {
            PanelWindow w;
            QVERIFY(w.active());
            const auto& c = w.c();
            w.choose(c.CBO_SELCONTOVDS, QStringLiteral("1"));
            w.type(c.TXT_CONTO, QStringLiteral("01"));
            w.type(c.TXT_DATAREGDA, QStringLiteral("010124"));
            w.type(c.TXT_DATAREGA, QStringLiteral("310324"));
            w.click(c.CHK_PERIODOCOMP);
            w.choose(c.CBO_SELPERIMP, QStringLiteral("4"));
            w.type(c.TXT_IMPORTO, QStringLiteral("1500,5"));
            w.type(c.TXT_PERC, QStringLiteral("10"));
            w.choose(c.CBO_INDOPERAZIONE, QStringLiteral("1"));
            c.USR_TIPOMOV->setChecked(2, false);
            w.type(c.TXT_CODICEVALUTA, QStringLiteral("USD"));
            w.type(c.TXT_DATACAMBIO, QStringLiteral("150324"));
            w.click(c.CHK_NO_COMMESSE);
            const int causal = offeredRow(c.ADVQ_LIMITI->offer(), QStringLiteral("Causale"));
            QVERIFY(causal >= 0);
            c.ADVQ_LIMITI->setValues(causal, {QStringLiteral("A"), QStringLiteral("M"), {}});
            c.ADVO_ORDINAMENTI->choose(0);
            c.ADVO_ORDINAMENTI->setGroup(0, true);
            QVERIFY(w.window->SalvaSelezione(path));
            saved = w.window->selection();
            QCOMPARE(saved.TXT_IMPORTO, std::string("1500.5"));
            QVERIFY(saved.USR_TIPOMOV && !saved.USR_TIPOMOV->empty());
            QCOMPARE(std::count(saved.USR_TIPOMOV->begin(), saved.USR_TIPOMOV->end(), "2"), 0);
            QCOMPARE(saved.ADVQ_LIMITI.size(), std::size_t(1));
        }
        PanelWindow w;
        QVERIFY(w.active());
        w.c().CMD_MOVIMENTI->setEnabled(true);
        QVERIFY(w.window->ApriSelezione(path));
        QVERIFY(w.answerer->requests.empty());
        QCOMPARE(w.window->selection(), saved);
        QVERIFY(!w.c().CMD_MOVIMENTI->isEnabled());   // the last result no longer matches
        QVERIFY(w.c().TXT_DATACAMBIO->isEnabled());
        QVERIFY(w.c().CBO_MESELI->isEnabled());
        // The level code "01" is a finished choice: its description shows, read-only.
        QVERIFY(!w.c().TXT_CONTO->isComplete());
        QVERIFY(!w.c().TXT_DESCRCONTO->Value().isEmpty());
        QVERIFY(w.c().TXT_DESCRCONTO->hasReadOnlyLook());
    }

    void aFileTheWindowCannotTakeIsRefusedNamingItsKey_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("key");
        QTest::newRow("a caption the grid lacks") << QByteArray(R"({"ADVQ_LIMITI": [{"caption": "Nessuna"}]})")
                                                  << "ADVQ_LIMITI[0]";
        QTest::newRow("a value its row refuses")
            << QByteArray(R"({"ADVQ_LIMITI": [{"caption": "Nr. doc.", "section": "A", "from": "abc"}]})")
            << "ADVQ_LIMITI[0]";
        QTest::newRow("a movement type that is no code") << QByteArray(R"({"USR_TIPOMOV": ["CO"]})") << "USR_TIPOMOV[0]";
        QTest::newRow("an ordering caption the grid lacks")
            << QByteArray(R"({"ADVO_ORDINAMENTI": [{"caption": "Nessuna"}]})") << "ADVO_ORDINAMENTI";
    }
    void aFileTheWindowCannotTakeIsRefusedNamingItsKey()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, key);
        hostfw::installUserLanguage(hostfw::Language::Italian);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.json"));
        writeFile(path, json);
        PanelWindow w;
        QVERIFY(w.active());
        w.type(w.c().TXT_CONTO, QStringLiteral("0102001"));
        w.type(w.c().TXT_DATAREGDA, QStringLiteral("010224"));
        const quorvane::SelectionParameters before = w.window->selection();
        QVERIFY(!w.window->ApriSelezione(path));
        QCOMPARE(w.answerer->requests.size(), std::size_t(1));
        const QString refusal = w.answerer->requests.front().text;
        QVERIFY2(refusal.startsWith(QStringLiteral("File di selezione: chiave \"") + key + QLatin1Char('"')),
                 qPrintable(refusal));
        QCOMPARE(refusal.count(key.section(QLatin1Char('['), 0, 0)), 1);
        QCOMPARE(w.window->selection(), before);
    }
};

QTEST_MAIN(SelectionPanelFileTest)
#include "test_selection_panel_file.moc"
