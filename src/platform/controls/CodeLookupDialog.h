#pragma once
// The lookup window of a grid's codes: a filter box over the list's codes and descriptions; Enter or a
// double click chooses the current code.

#include "controls/QueryGridEvents.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace controls {

class CodeLookupDialog : public QDialog {
    Q_OBJECT
public:
    CodeLookupDialog(const LookupTarget& target, QWidget* parent = nullptr);

    QString chosenCode() const;
    QLineEdit* filterBox() const { return filter_; }
    QTreeWidget* list() const { return list_; }

    // Opens the window modally; the chosen code, or nothing when the user cancels.
    static std::optional<QString> choose(const LookupTarget& target, QWidget* parent);

private:
    void refresh();

    LookupTarget target_;
    QLineEdit* filter_;
    QTreeWidget* list_;
};

} // namespace controls
