#pragma once
// The host programs a window opens beside itself: the currency and exchange-rate program ("Valute e
// cambi") and the master-data programs of cost centres and expense items. Each opens non-modal and
// answers its window.

#include "db/Connection.h"

#include <QDate>
#include <QString>

#include <optional>

class QWidget;

namespace hostfw {

class HostListWindow;

// "Valute e cambi": every currency, or with a currency the rates of that currency (of the year and month
// when given), the latest first.
HostListWindow* openCurrencyProgram(db::Connection& connection, const QString& currency,
                                    const std::optional<QDate>& month, QWidget* parent);

// The accounts of a chart of the company, positioned on the code.
HostListWindow* openChartProgram(db::Connection& connection, int company, int chart, const QString& title,
                                 const QString& code, QWidget* parent);

} // namespace hostfw
