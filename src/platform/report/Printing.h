#pragma once
// The two ways a prepared report leaves the service besides the preview: to a PDF file, or to the
// printer the user picks in the print dialog.

#include "report/PreparedReport.h"
#include "report/Renderer.h"

#include <QString>

class QWidget;

namespace report {

// Answers the number of pages. Throws std::runtime_error when the file cannot be written.
int printToPdf(const PreparedReport& report, const PrintContext& context, const QString& path);

// Shows the print dialog and prints; answers 0 when the user cancels, else the number of pages.
int printWithDialog(const PreparedReport& report, const PrintContext& context, int copies, QWidget* parent);

} // namespace report
