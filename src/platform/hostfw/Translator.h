#pragma once
// The session's translation service: the text of a catalogue number in the user's language, and the
// user-language form of a caption the component passes as Italian text (the ordering grid's
// descriptions, the words of the tree's captions), from the host's phrase book.

#include "Language.h"

#include <QString>

namespace hostfw {

class Translator {
public:
    explicit Translator(Language language) : language_(language) {}

    Language language() const { return language_; }

    QString text(int number) const;

    // An Italian caption in the user's language; a caption the phrase book does not know, or any
    // caption for an Italian user, comes back unchanged. Unlike userText it needs no translator installed
    // in the application, so the headless engine and the command line use it.
    QString phrase(const QString& italian) const;

private:
    Language language_;
};

} // namespace hostfw
