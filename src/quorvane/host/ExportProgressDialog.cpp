#include "ExportProgressDialog.h"

#include "hostfw/Phrases.h"

#include <algorithm>
#include <climits>

namespace quorvane::host {

ExportProgressDialog::ExportProgressDialog(QWidget* window)
    : dialog_(hostfw::userText("Esportazione del partitario…"), hostfw::userText("Annulla"), 0, 0, window)
{
    dialog_.setObjectName(QStringLiteral("ExportProgress"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

bool ExportProgressDialog::linesWritten(long written, long total)
{
    const int maximum = static_cast<int>(std::clamp(total, 1L, long(INT_MAX)));
    if (dialog_.maximum() != maximum)
        dialog_.setMaximum(maximum);
    dialog_.setValue(static_cast<int>(std::min(written, long(maximum))));
    return !dialog_.wasCanceled();
}

} // namespace quorvane::host
