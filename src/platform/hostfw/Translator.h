#pragma once
// The session's translation service: the text of a catalogue number in the user's language, and the
// user-language form of a caption the component passes as Italian text (the ordering grid's
// descriptions, the words taken from the catalogue).

#include "Language.h"

#include <QString>

namespace hostfw {

class Translator {
public:
    explicit Translator(Language language) : language_(language) {}

    Language language() const { return language_; }

    QString text(int number) const;

    // An Italian caption in the user's language; a caption the phrase book does not know, or any
    // caption for an Italian user, comes back unchanged.
    QString phrase(const QString& italian) const;

private:
    Language language_;
};

} // namespace hostfw
