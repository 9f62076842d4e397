#pragma once
// The sub-commands of the `quorvane` command line. Each takes the arguments after its own name and
// returns the process exit status; errors are written to standard error.

#include <string>
#include <vector>

int runTsqlCommand(const std::vector<std::string>& args);
int runDemoDbCommand(const std::vector<std::string>& args);
int runSqlCommand(const std::vector<std::string>& args);
int runRunCommand(const std::vector<std::string>& args);
int runSourceCommand(const std::vector<std::string>& args);
int runReportRenderCommand(const std::vector<std::string>& args);
int runExportCommand(const std::vector<std::string>& args);
int runPrintCommand(const std::vector<std::string>& args);
int runChartCommand(const std::vector<std::string>& args);
