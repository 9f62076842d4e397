#include "ProgramLoader.h"

#include "hostfw/ComponentFactory.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <stdexcept>

namespace hostshell {
namespace {

const QString pluginName = QStringLiteral("libquorvane.so");

QString findPlugin()
{
    for (const QString& path : ProgramLoader::searchPaths()) {
        if (QFileInfo::exists(path))
            return path;
    }
    return ProgramLoader::searchPaths().constFirst();
}

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

} // namespace

// Beside the executable first (an installed host), then the build tree's plug-in folder.
QStringList ProgramLoader::searchPaths()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/") + pluginName,
            QStringLiteral(QUORVANE_PLUGIN_DIR "/") + pluginName};
}

ProgramLoader::ProgramLoader(const QString& pluginFile) : file_(pluginFile.isEmpty() ? findPlugin() : pluginFile)
{
    loader_.setFileName(file_);
}

QObject* ProgramLoader::create(const QString& className)
{
    if (!loader_.load())
        fail(QStringLiteral("The plug-in %1 cannot be loaded: %2").arg(file_, loader_.errorString()));
    auto* factory = qobject_cast<hostfw::ComponentFactory*>(loader_.instance());
    if (!factory)
        fail(QStringLiteral("The plug-in %1 is not a program library of this host").arg(file_));
    QObject* program = factory->createInstance(className);
    if (!program)
        fail(QStringLiteral("The plug-in %1 does not serve the class %2").arg(file_, className));
    return program;
}

hostfw::Cinterface* contractOf(QObject* program)
{
    auto* contract = qobject_cast<hostfw::Cinterface*>(program);
    if (!contract)
        fail(QStringLiteral("The class %1 does not offer the host contract").arg(program->metaObject()->className()));
    return contract;
}

} // namespace hostshell
