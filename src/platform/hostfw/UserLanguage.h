#pragma once
// Puts the application in the user's language before any window is made: the host's phrase book for the
// words of the host and the component, and Qt's own translations (Debian's qt6-translations-l10n) for the
// words of Qt's dialogs and standard buttons ("Annulla", "Salva", the file dialog's labels). A second call
// replaces the first's language.

#include "Language.h"

namespace hostfw {

void installUserLanguage(Language language);

// The language installed last; Italian before any is, as the programs write their words.
Language userLanguage();

} // namespace hostfw
