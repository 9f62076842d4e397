#pragma once
// The selections the window remembers in the user's settings, beside the selection files: the last ten
// processed, newest first, and those the user gave a name. Each is kept as the selection file's JSON, so an
// entry reads back, and is refused, as a file would be.

#include "selection/SelectionParameters.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <vector>

namespace quorvane::host {

struct RememberedSelection {
    QString caption;       // the name given, or for a recent one the account, the dates and the groupings
    QByteArray json;
};

class RememberedSelections {
public:
    static constexpr int recentCount = 10;

    // The user's settings of the ledger inquiry.
    RememberedSelections();

    std::vector<RememberedSelection> recent() const;
    std::vector<RememberedSelection> named() const;

    // Puts the selection first among the recent ones; the same selection processed again moves up.
    void rememberProcessed(const SelectionParameters& selection);
    // Keeps the selection under the name, replacing one of the same name.
    void keepNamed(const QString& name, const SelectionParameters& selection);

private:
    mutable QSettings settings_;
};

// How a recent selection reads in the menu: "01 · 01/01/2024–30/06/2024 · C.d.C. / Data reg.".
QString recentCaption(const SelectionParameters& selection);

} // namespace quorvane::host
