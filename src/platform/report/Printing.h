#pragma once
// The two ways a prepared report leaves the service besides the preview: to a PDF file, or to the
// printer the user picks in the print dialog.

#include "report/PreparedReport.h"
#include "report/Renderer.h"

#include <QString>

#include <optional>

class QWidget;

namespace report {

// Answers the number of pages. The file replaces what is at `path` only when the print succeeded, and only
// what an output may replace (files/OutputFile.h); throws files::OutputFileError, a std::runtime_error,
// when the file cannot be written, and whatever the print throws.
int printToPdf(const PreparedReport& report, const PrintContext& context, const QString& path);

// Draws the report into a file the caller owns and has made (the preview's temporary file), as it is;
// answers the number of pages, or nothing when the file could not be completed.
std::optional<int> drawPdf(const PreparedReport& report, const PrintContext& context, const QString& path);

// Shows the print dialog and prints; answers 0 when the user cancels, else the number of pages.
int printWithDialog(const PreparedReport& report, const PrintContext& context, int copies, QWidget* parent);

} // namespace report
