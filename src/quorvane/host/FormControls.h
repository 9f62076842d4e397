#pragma once
// The controls of the ledger inquiry window, laid out in its two panels: the parameters panel (the
// selection fields, the three configuration grids on a tab control, the processing commands) and
// the results panel (the group tree beside the movement and detail grids, the totals, the result
// commands). The selection fields and the grids' contents are filled by their own parts of the window.

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QCheckBox;
class QWidget;

namespace quorvane::host {

struct FormControls {
    // Parameters panel
    QFrame* FRAME_PARAMETRI = nullptr;
    QFrame* FRAME_TESTATA = nullptr;
    QFrame* FRAME_TESTATA_TIPOMOV = nullptr;
    QWidget* USR_TIPOMOV = nullptr;
    QFrame* FRAME_TESTATA_IMPORTO = nullptr;
    QFrame* FRAME_TESTATA_DATAREG = nullptr;
    QFrame* FRA_VALUTA = nullptr;
    QFrame* FRA_ESCLUDI = nullptr;
    QLineEdit* TXT_QUANTITA = nullptr;
    QTabWidget* TAB_QUORVANE = nullptr;
    QWidget* ADVQ_SELCONTI = nullptr;
    QWidget* ADVQ_LIMITI = nullptr;
    QWidget* ADVO_ORDINAMENTI = nullptr;
    QPushButton* CMD_MOVIMENTI = nullptr;
    QPushButton* CMD_ELABORA = nullptr;
    QProgressBar* PBARSELEZIONE = nullptr;

    // Results panel
    QFrame* FRA_RISULTATI = nullptr;
    QSplitter* ARQ_SPLIT = nullptr;
    QTreeWidget* TRE_GRUPPI = nullptr;
    QFrame* FRA_MOVIMENTI = nullptr;
    QFrame* FRA_DETTAGLIO = nullptr;
    QFrame* FME_TOTALIGEN = nullptr;
    QFrame* FME_TOTALINOGRUPPO = nullptr;
    QLabel* LBL_COSTI = nullptr;
    QLabel* LBL_RICAVI = nullptr;
    QLabel* LBL_TOTNOGRUPPO_COSTI = nullptr;
    QLabel* LBL_TOTNOGRUPPO_RICAVI = nullptr;
    QPushButton* CMD_LEFT = nullptr;
    QPushButton* CMD_RIGHT = nullptr;
    QCheckBox* CHK_VIEWRIGHE = nullptr;
    QPushButton* CMD_ESPANDI = nullptr;
    QPushButton* CMD_CHIUDI = nullptr;
    QToolButton* CMD_STAMPA = nullptr;
    QPushButton* CMD_MODIFICA = nullptr;
    QPushButton* CMD_PARAMETRI = nullptr;

    // Creates the controls as children of the window and lays them out.
    static FormControls build(QWidget* window);
};

} // namespace quorvane::host
