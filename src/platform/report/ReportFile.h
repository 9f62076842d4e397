#pragma once
// Reads a report file (JSON, described in docs/report-files.md) into a ReportDefinition. Every formula
// text in it is parsed on the way, so that a file that loads can only fail later on what its caller
// writes into it or on its data.

#include "report/ReportDefinition.h"

#include <stdexcept>
#include <string>

namespace report {

// A file that does not load: the message names the file, the place in it (a JSON path such as
// "sections.GF2[0].objects[1]", with its line and column when they can be told) and the problem.
class ReportFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

ReportDefinition loadReportFile(const std::string& path);
ReportDefinition parseReportText(const std::string& fileName, const std::string& json);

} // namespace report
