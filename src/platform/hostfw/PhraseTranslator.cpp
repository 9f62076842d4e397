#include "PhraseTranslator.h"

#include "Phrases.h"

namespace hostfw {

// The context is not needed: a phrase reads the same wherever it stands.
QString PhraseTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    if (!sourceText)
        return {};
    return Phrases::in(QString::fromUtf8(sourceText), language_).value_or(QString());
}

} // namespace hostfw
