#pragma once
// Loads a program's plug-in library and creates its public class by name, as the host's object
// broker does for the programs on its menu.

#include "hostfw/Cinterface.h"

#include <QPluginLoader>
#include <QString>
#include <QStringList>

#include <memory>

namespace hostshell {

class ProgramLoader {
public:
    // The plug-in file: the given one, or the first that exists among `searchPaths()`.
    explicit ProgramLoader(const QString& pluginFile = {});

    static QStringList searchPaths();
    const QString& pluginFile() const { return file_; }

    // A new object of the class, seen through its host contract; throws std::runtime_error naming
    // the file or the class when the library cannot be loaded or does not serve the class.
    QObject* create(const QString& className);

private:
    QString file_;
    QPluginLoader loader_;
};

// The object's host contract; throws std::runtime_error when the object does not offer one.
hostfw::Cinterface* contractOf(QObject* program);

} // namespace hostshell
