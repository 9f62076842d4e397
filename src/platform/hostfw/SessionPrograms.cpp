#include "hostfw/SourcePrograms.h"

#include "hostfw/ClsGlobal.h"

namespace hostfw {

SourceProgramWindow* openInSession(const ClsGlobal& session, ProgramOpener open, const SourceProgramArguments& arguments)
{
    const std::unique_ptr<db::Connection> connection = db::Connection::open(session.ConnectionString().toStdString());
    const company::CompanySettings& company = session.Company();
    SourceProgramWindow* window =
        open({*connection, company.amountDecimals, company.quantityDecimals, session.ProgramFrame()}, arguments);
    connection->Close();
    return window;
}

} // namespace hostfw
