#pragma once
// The user's settings of the ledger inquiry: one store for the selections the window remembers and for
// the shape the user gave the window.

#include <QSettings>
#include <QString>

namespace quorvane::host {

inline const QString settingsOrganisation = QStringLiteral("Quorvane");
inline const QString settingsApplication = QStringLiteral("partitario");

} // namespace quorvane::host
