#pragma once
// The host's phrase book: every caption, label, button, grid header and message text that a program of the
// host or the component writes as words rather than as a catalogue number, each in Italian and in English.
// A program writes its words in one language (the window and the controls in Italian, the checks of a file
// or a grid in English); the book gives them in the user's.

#include "Language.h"

#include <QString>

#include <optional>
#include <span>

namespace hostfw {

struct Phrase {
    const char* italian; // UTF-8
    const char* english; // UTF-8
};

class Phrases {
public:
    static std::span<const Phrase> entries();

    // The text in the language when the book knows it in either language; nothing when it does not.
    static std::optional<QString> in(const QString& text, Language language);
};

} // namespace hostfw

namespace hostfw {

// A program's own words in the user's language, through the translators the application installed
// (installUserLanguage); unchanged when none is installed.
QString userText(const char* text);

} // namespace hostfw
