#pragma once
// The one place where the company's settings become the processing engine's settings, with the captions
// the statements carry translated into the user's language.

#include "company/CompanySettings.h"
#include "engine/EngineSettings.h"
#include "hostfw/Language.h"

quorvane::EngineSettings engineSettingsOf(const company::CompanySettings& company, hostfw::Language language);
