#pragma once
// What the panel tests share: the ledger window opened by its plug-in class over the demo company, shown
// and active so that its fields take the focus, and ways to enter, type into and leave its fields as the
// user does with the Tab key.

#include "../../platform/controls/FieldTestSupport.h"
#include "../../platform/hostfw/HostTestSupport.h"

#include "host/CLSCI_QUORVANE.h"
#include "host/FRMCI_QUORVANE.h"

#include "controls/EditField.h"
#include "controls/LabelField.h"
#include "hostfw/HostStatusBar.h"
#include "hostfw/Navigator.h"

#include <QApplication>
#include <QStandardPaths>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace paneltest {

// The caption a label field of the window shows.
inline QString caption(const QWidget* window, const char* field)
{
    return window->findChild<controls::LabelField*>(QString::fromLatin1(field))->Value();
}

// Cost centres under "01" in 2023 and 2024 grouped by centre and month, with quantities.
inline quorvane::SelectionParameters groupedByCentreAndMonth()
{
    quorvane::SelectionParameters s;
    s.TXT_CONTO = "01";
    s.TXT_DATAREGDA = QDate(2023, 1, 1);
    s.TXT_DATAREGA = QDate(2024, 12, 31);
    s.CHK_QUANTITA = "1";
    s.ADVO_ORDINAMENTI = {{"C.d.C.", "ASC", true}, {"Data reg.", "ASC", true, 3}};
    s.company = 1;
    return s;
}

struct PanelWindow {
    explicit PanelWindow(int company = 1, const QString& language = QStringLiteral("ITA "))
        : session(hostfw::ClsGlobal::open(hosttest::demoLogin(company, language))),
          answerer(hosttest::answerDialogs(*session))
    {
        // The selections a window remembers go to the test's settings, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        program.setClsGlobal(session);
        program.setActiveNavigator(&navigator);
        program.setStatusBar(&statusBar);
        program.setIsActive(hostfw::hostTrue);
        program.ShowForm();
        window = program.window();
        QApplication::setActiveWindow(window);
    }
    bool active() { return window && QTest::qWaitForWindowActive(window); }

    const quorvane::host::FormControls& c() const { return window->controls(); }

    void enter(QWidget* field) { fieldtest::enter(field); }
    // The focus goes to the processing command, which takes part in no rule.
    void leave() { fieldtest::enter(c().CMD_ELABORA); }
    void type(controls::EditField* field, const QString& text) { fieldtest::type(field, text, c().CMD_ELABORA); }
    // Chooses the combo's item of the value as the user does: entering, picking the row, leaving.
    template <class Combo>
    void choose(Combo* combo, const QString& value)
    {
        enter(combo);
        combo->comboBox()->setCurrentIndex(combo->comboBox()->findData(value));
        leave();
    }
    template <class Check>
    void click(Check* box)
    {
        enter(box);
        QTest::keyClick(box->checkBox(), Qt::Key_Space);
        leave();
    }

    std::shared_ptr<hostfw::ClsGlobal> session;
    std::shared_ptr<hosttest::ScriptedAnswerer> answerer;
    hostfw::Navigator navigator;
    hostfw::HostStatusBar statusBar;
    quorvane::host::CLSCI_QUORVANE program;
    quorvane::host::FRMCI_QUORVANE* window = nullptr;
};

} // namespace paneltest
