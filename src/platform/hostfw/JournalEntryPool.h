#pragma once
// The pool through which general-ledger journal-entry programs are opened. When one of its programs
// closes it raises the closing event of that program, so that whoever opened it can take the focus back.

#include <QObject>

namespace hostfw {

class JournalEntryPool : public QObject {
    Q_OBJECT
public:
    explicit JournalEntryPool(QObject* parent = nullptr) : QObject(parent) {}

signals:
    void OnClosingCompensi();
    void OnClosingCorrG();
    void OnClosingCorrMens();
    void OnClosingMovBeniUs();
    void OnClosingMovIva();
    void OnClosingPagamento();
    void OnClosingPagFatEdit();
    void OnClosingPagFatSosp();
    void OnClosingPagRitAtt();
    void OnClosingRegMovCassa();
    void OnClosingRegMovCont();
    void OnClosingVersRitAcc();
};

} // namespace hostfw
