#pragma once
// The pool through which general-ledger journal-entry programs are opened. A program that wants a journal
// entry sets the pool's properties (inquiry mode, connection, its host contract, the entry's reason and the
// filter that selects it) and calls ExecutePNota. When a program of the pool closes, the pool raises that
// program's closing event, so that whoever opened it can take the focus back; the journal-entry program
// raises OnClosingRegMovCont.

#include "hostfw/SourceProgramWindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace db {
class Connection;
}

namespace hostfw {

class Cinterface;

class JournalEntryPool : public QObject {
    Q_OBJECT
public:
    explicit JournalEntryPool(QObject* parent = nullptr) : QObject(parent) {}

    // Inquiry mode: the entry is shown, not changed. The host shell's program works only so.
    bool PbolActiveQuery = false;
    // Where the program reads; without one, the connection of the calling program's host contract.
    std::shared_ptr<db::Connection> Connessione;
    // The calling program's host contract: its session gives the decimals and the frame.
    Cinterface* ActiveInterfaceQuery = nullptr;
    QString Causale;
    QString Filtro;

    // Opens the journal-entry program on the entry the filter selects. Throws std::logic_error outside
    // inquiry mode or without a host contract, std::runtime_error or db::Error when it cannot open.
    void ExecutePNota();
    SourceProgramWindow* program() const { return program_; }

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

private:
    QPointer<SourceProgramWindow> program_;
};

} // namespace hostfw
