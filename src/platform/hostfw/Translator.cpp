#include "Translator.h"

#include "Catalogue.h"
#include "Phrases.h"

namespace hostfw {

QString Translator::text(int number) const
{
    return Catalogue::text(number, language_);
}

QString Translator::phrase(const QString& italian) const
{
    if (language_ == Language::Italian)
        return italian;
    return Phrases::in(italian, language_).value_or(italian);
}

} // namespace hostfw
