#include "Language.h"

namespace hostfw {

Language languageFromCode(const QString& code)
{
    return code.trimmed().compare(QLatin1String("ENG"), Qt::CaseInsensitive) == 0 ? Language::English
                                                                                  : Language::Italian;
}

QString languageCode(Language language)
{
    return QString::fromLatin1(language == Language::English ? englishCode : italianCode);
}

} // namespace hostfw
