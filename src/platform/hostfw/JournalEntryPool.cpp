#include "hostfw/JournalEntryPool.h"

#include "hostfw/Cinterface.h"
#include "hostfw/ClsGlobal.h"
#include "hostfw/SourcePrograms.h"

#include "db/Connection.h"

#include <stdexcept>

namespace hostfw {

void JournalEntryPool::ExecutePNota()
{
    if (!PbolActiveQuery)
        throw std::logic_error("the host shell's journal-entry program only shows entries: set inquiry mode");
    if (!ActiveInterfaceQuery || !ActiveInterfaceQuery->ClsGlobal())
        throw std::logic_error("the journal-entry pool has no host contract with a session");
    const std::shared_ptr<db::Connection> connection = Connessione ? Connessione : ActiveInterfaceQuery->Connection();
    if (!connection)
        throw std::logic_error("the journal-entry pool has no connection to read the entry on");
    const ClsGlobal& session = *ActiveInterfaceQuery->ClsGlobal();
    SourceProgramArguments arguments;
    arguments.ledgerReason = Causale;
    arguments.filter = Filtro;
    program_ = openJournalEntryProgram({*connection, session.Company().amountDecimals,
                                        session.Company().quantityDecimals, session.ProgramFrame()},
                                       arguments);
    connect(program_, &SourceProgramWindow::closed, this, &JournalEntryPool::OnClosingRegMovCont);
}

} // namespace hostfw
