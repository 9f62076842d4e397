#pragma once
// A grid row's caption as the user reads it. The caption itself stays the row's name, in the language the
// offer writes it, since a saved selection names its rows by it; only what the grid shows is translated.

#include <QCoreApplication>
#include <QString>

namespace controls {

inline QString shownCaption(const QString& caption)
{
    return QCoreApplication::translate("captions", caption.toUtf8().constData());
}

} // namespace controls
