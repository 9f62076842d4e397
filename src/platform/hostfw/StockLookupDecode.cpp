#include "hostfw/StockLookupDecode.h"

#include "hostfw/ClsGlobal.h"
#include "hostfw/SourcePrograms.h"

#include <stdexcept>

namespace hostfw {

void StockLookupDecode::ApriDocumento(const QString& registrationNumber, const QString& documentKey)
{
    if (!session_)
        throw std::logic_error("the warehouse connector has no session to open its program in");
    if (editing_ || inserting_ || deleting_)
        throw std::logic_error("the host shell's document program only shows documents: switch off changing, "
                               "adding and deleting");
    SourceProgramArguments arguments;
    arguments.company = session_->Company().company;
    arguments.registrationNumber = registrationNumber;
    arguments.documentKey = documentKey;
    program_ = openInSession(*session_, &openDocumentProgram, arguments);
    connect(program_, &SourceProgramWindow::closed, this, [this] { emit CloseForm(documentProgramCode); });
}

void StockLookupDecode::Pulisci()
{
    if (program_)
        program_->closeProgram();
}

void StockLookupDecode::RipristinaOpzioni()
{
    editing_ = inserting_ = deleting_ = true;
}

} // namespace hostfw
