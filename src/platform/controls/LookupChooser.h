#pragma once
// How an edit field lets the user choose a code from a list: the searchable lookup window unless the
// caller puts another chooser in its place (an unattended run answers without a window).

#include "controls/QueryGridEvents.h"

#include <functional>
#include <optional>

class QWidget;

namespace controls {

// The chosen code, or nothing when the user cancels; the filter is what the search box starts with.
using LookupChooser =
    std::function<std::optional<QString>(const LookupTarget& target, const QString& filter, QWidget* parent)>;

// The lookup window over the target's list, its search box already holding the filter.
std::optional<QString> chooseInLookupWindow(const LookupTarget& target, const QString& filter, QWidget* parent);

} // namespace controls
