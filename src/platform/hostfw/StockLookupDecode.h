#pragma once
// The warehouse connector: it opens the host's warehouse document program on the document registered under
// a cost-accounting movement, and raises CloseForm with the program's code when the program closes. The
// host's program may change, add and delete documents; this host shell's program only shows them, so it
// opens only with all three options switched off.

#include "hostfw/SourceProgramWindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace hostfw {

class ClsGlobal;

class StockLookupDecode : public QObject {
    Q_OBJECT
public:
    static constexpr int documentProgramCode = 307;

    explicit StockLookupDecode(QObject* parent = nullptr) : QObject(parent) {}

    // The session's company, database and frame are the program's; needed while it opens.
    void setSession(std::shared_ptr<ClsGlobal> session) { session_ = std::move(session); }
    void setModifica(bool allowed) { editing_ = allowed; }
    void setInserimento(bool allowed) { inserting_ = allowed; }
    void setCancellazione(bool allowed) { deleting_ = allowed; }

    // Opens the document with that key registered under the movement's number. Throws std::logic_error
    // without a session or with an option still on, std::runtime_error or db::Error when it cannot open.
    void ApriDocumento(const QString& registrationNumber, const QString& documentKey);
    // Closes a document program still open.
    void Pulisci();
    // The three options back to the host's own: all on.
    void RipristinaOpzioni();
    // Forgets the program opened last.
    void TerminaEsecuzione() { program_ = nullptr; }
    SourceProgramWindow* program() const { return program_; }

signals:
    void CloseForm(int programCode);

private:
    std::shared_ptr<ClsGlobal> session_;
    bool editing_ = true;
    bool inserting_ = true;
    bool deleting_ = true;
    QPointer<SourceProgramWindow> program_;
};

} // namespace hostfw
