#pragma once
// The global object of the unit-price-list vertical module (QEV), created by class name. It tells a
// program whether the module is integrated with the company's cost accounting.

#include "Cinterface.h"

#include <QObject>
#include <QVariant>

namespace hostfw {

class ClassRegistry;

inline constexpr const char* qevGlobalClassName = "QevGlobal.Global";

class QevGlobal : public QObject {
    Q_OBJECT
    Q_PROPERTY(hostfw::Cinterface* ActiveInterface MEMBER activeInterface_)
    Q_PROPERTY(QVariant CodiceAzienda MEMBER codiceAzienda_)
public:
    explicit QevGlobal(QObject* parent = nullptr) : QObject(parent) {}

    // True when the session's company is the one asked for and has the module integrated.
    Q_INVOKABLE bool IsIntegrazioneQEVAttiva() const;

private:
    hostfw::Cinterface* activeInterface_ = nullptr;
    QVariant codiceAzienda_;
};

void registerQevGlobal(ClassRegistry& registry);

} // namespace hostfw
