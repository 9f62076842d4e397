#include "UserLanguage.h"

#include "PhraseTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <memory>

namespace hostfw {
namespace {

struct Installed {
    Language language = Language::Italian;
    std::unique_ptr<PhraseTranslator> phrases;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed translators;
    return translators;
}

} // namespace

void installUserLanguage(Language language)
{
    Installed& current = installed();
    for (QTranslator* translator : {static_cast<QTranslator*>(current.phrases.get()), current.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    current.language = language;
    current.phrases = std::make_unique<PhraseTranslator>(language);
    QCoreApplication::installTranslator(current.phrases.get());
    // Qt writes its own words in English: only Italian needs its file. A machine without the package keeps
    // Qt's English words and the host's in the user's language.
    current.qt = std::make_unique<QTranslator>();
    // Qt's own widgets (the file dialog's dates and sizes) follow the user's language too.
    const QLocale locale(language == Language::English ? QLocale::English : QLocale::Italian);
    QLocale::setDefault(locale);
    if (language == Language::Italian
        && current.qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(current.qt.get());
}

Language userLanguage()
{
    return installed().language;
}

} // namespace hostfw
