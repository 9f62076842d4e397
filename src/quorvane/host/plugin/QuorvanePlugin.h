#pragma once
// The plug-in library's root object: the host's object broker asks it for the ledger inquiry's
// public class by its registered name.

#include "hostfw/ComponentFactory.h"

#include <QObject>

namespace quorvane::host {

class QuorvanePlugin : public QObject, public hostfw::ComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID hostfw_ComponentFactory_iid FILE "quorvane.json")
    Q_INTERFACES(hostfw::ComponentFactory)
public:
    QStringList classNames() const override;
    QObject* createInstance(const QString& className) override;
};

} // namespace quorvane::host
