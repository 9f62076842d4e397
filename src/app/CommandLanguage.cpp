#include "CommandLanguage.h"

#include "LedgerSession.h"

#include "hostfw/UserLanguage.h"

#include <QCoreApplication>

namespace {

hostfw::Language languageOption(const std::optional<std::string>& value)
{
    if (!value)
        return hostfw::Language::Italian;
    const QString code = QString::fromStdString(*value).trimmed().toUpper();
    if (code != QLatin1String("ITA") && code != QLatin1String("ENG"))
        throw CommandFailure(1, "--lang is ITA or ENG, not \"" + *value + "\"");
    return hostfw::languageFromCode(code);
}

} // namespace

int runInLanguage(const std::optional<std::string>& option, const std::function<int(hostfw::Language)>& body)
{
    const hostfw::Language language = languageOption(option);
    if (QCoreApplication::instance()) {
        hostfw::installUserLanguage(language);
        return body(language);
    }
    int argc = 1;
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    hostfw::installUserLanguage(language);
    return body(language);
}
