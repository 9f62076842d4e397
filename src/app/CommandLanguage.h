#pragma once
// "--lang ITA|ENG" on the commands that process, print or export, as the host shell takes it: the language
// of the ledger's words (captions, totals, the summary, the print's and the export's fixed words, the
// selection file's refusals) and of its numbers and dates. Italian when the option is not given.

#include "hostfw/Language.h"

#include <functional>
#include <optional>
#include <string>

// Runs the body with the application's words in the language the option names; Qt's translators need an
// application object, which is made here when the command has none yet. Throws CommandFailure for a value
// other than ITA or ENG (in any case).
int runInLanguage(const std::optional<std::string>& option, const std::function<int(hostfw::Language)>& body);
