#pragma once
// The phrase book as Qt's translator: every text a widget or a message passes through Qt's translation
// (tr, QCoreApplication::translate) comes out in the user's language, whichever language it was written in.

#include "Language.h"

#include <QTranslator>

namespace hostfw {

class PhraseTranslator final : public QTranslator {
public:
    explicit PhraseTranslator(Language language, QObject* parent = nullptr)
        : QTranslator(parent), language_(language) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    Language language_;
};

} // namespace hostfw
