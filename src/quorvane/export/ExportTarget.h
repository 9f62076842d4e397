#pragma once
// The file an export writes is the platform's output file: made beside the chosen one and renamed onto it
// only when complete, under the one rule for what an output may replace (files/OutputFile.h).

#include "files/OutputFile.h"

namespace quorvane::exporting {

// An export that could not be written; the message names the file and the cause.
using ExportError = files::OutputFileError;
using ExportTarget = files::OutputFile;

} // namespace quorvane::exporting
