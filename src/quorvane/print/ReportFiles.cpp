#include "print/ReportFiles.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace quorvane::print {

QString reportFileName(bool noLedgerLink, bool quantities)
{
    const QString base = QStringLiteral("CRCI_QUORVANE");
    if (noLedgerLink)
        return base + (quantities ? QStringLiteral("QTA.rpt") : QStringLiteral(".rpt"));
    return base + (quantities ? QStringLiteral("QTA_XR.rpt") : QStringLiteral("_XR.rpt"));
}

QString componentFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&componentFolder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace quorvane::print
