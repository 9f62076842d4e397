#pragma once
// The company's settings as the processing engine reads them, with the captions the statements carry
// translated into the user's language: what the command line processes with, and what the window derives
// at its first activation from the same company objects.

#include "company/CompanySettings.h"
#include "engine/EngineSettings.h"
#include "hostfw/Language.h"

namespace quorvane {

EngineSettings engineSettingsOf(const company::CompanySettings& company, hostfw::Language language);

} // namespace quorvane
