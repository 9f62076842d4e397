#pragma once
// A small host program window that lists rows of the company database (a registry, a rate table), with
// the row of a code made current. It stays open beside the program that opened it and goes when closed.

#include <QDialog>
#include <QStringList>

#include <vector>

class QTreeWidget;

namespace hostfw {

class HostListWindow : public QDialog {
    Q_OBJECT
public:
    HostListWindow(const QString& title, const QStringList& headers, QWidget* parent);

    void addRow(const QStringList& cells);
    // Makes the first row whose first cell is the code the current one.
    void positionOn(const QString& code);
    QTreeWidget* list() const { return list_; }

private:
    QTreeWidget* list_;
};

} // namespace hostfw
