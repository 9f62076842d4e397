#include "hostfw/HostListWindow.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace hostfw {

HostListWindow::HostListWindow(const QString& title, const QStringList& headers, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(640, 420);
}

void HostListWindow::addRow(const QStringList& cells)
{
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
}

void HostListWindow::positionOn(const QString& code)
{
    const QList<QTreeWidgetItem*> found = list_->findItems(code, Qt::MatchExactly, 0);
    if (!found.isEmpty()) {
        list_->setCurrentItem(found.first());
        list_->scrollToItem(found.first());
    }
}

} // namespace hostfw
