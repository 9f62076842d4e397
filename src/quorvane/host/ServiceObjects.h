#pragma once
// The sibling objects the window makes at its first activation and releases when it unloads. The
// three made by class name belong to an optional vertical module: when it is not installed they
// stay empty and the window goes on without them.

#include "hostfw/FormManager.h"
#include "hostfw/StockLookupDecode.h"

#include <QObject>

#include <memory>

namespace quorvane::host {

struct ServiceObjects {
    std::unique_ptr<hostfw::FormManager> formManager;
    std::unique_ptr<QObject> siteDecode;
    std::unique_ptr<QObject> siteLookup;
    std::unique_ptr<QObject> qevGlobal;
    std::unique_ptr<hostfw::StockLookupDecode> warehouseConnector; // opens the warehouse document program
};

} // namespace quorvane::host
