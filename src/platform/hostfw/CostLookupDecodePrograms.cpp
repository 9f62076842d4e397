// The cost-accounting connector's programs: the movements program and the reconciliation program of one
// movement, each announcing its closing through the connector.

#include "hostfw/CostLookupDecode.h"

#include "hostfw/ClsGlobal.h"
#include "hostfw/SourcePrograms.h"

#include <stdexcept>

namespace hostfw {

template <class Open>
void CostLookupDecode::run(Open open)
{
    if (!session_)
        throw std::logic_error("the cost-accounting connector has no session to open its program in");
    SourceProgramArguments arguments;
    arguments.reason = reason_;
    arguments.company = programCompany_;
    arguments.registrationNumber = number_;
    program_ = openInSession(*session_, open, arguments);
    connect(program_, &SourceProgramWindow::closed, this, &CostLookupDecode::ChiusuraMovimentiContabilitaIndustriale);
}

void CostLookupDecode::EseguiMovimenti()
{
    run(&openMovementsProgram);
}

void CostLookupDecode::EseguiQuadratura()
{
    run(&openReconciliationProgram);
}

void CostLookupDecode::TerminaEsecuzione()
{
    reason_.clear();
    programCompany_ = 0;
    number_.clear();
}

void CostLookupDecode::Chiudi()
{
    if (program_)
        program_->closeProgram();
}

} // namespace hostfw
