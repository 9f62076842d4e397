#include "controls/CodeLookupDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace controls {

namespace {
constexpr int shownCodes = 500;   // a lookup is for finding, not for listing a whole registry
}

CodeLookupDialog::CodeLookupDialog(const LookupTarget& target, QWidget* parent)
    : QDialog(parent), target_(target), filter_(new QLineEdit(this)), list_(new QTreeWidget(this))
{
    // The list's name is the grid row's Italian caption: the title shows it in the user's language.
    setWindowTitle(tr(target.request.list.toUtf8().constData()));
    filter_->setPlaceholderText(tr("Codice o descrizione"));
    filter_->setClearButtonEnabled(true);
    list_->setHeaderLabels({tr("Codice"), tr("Descrizione")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(filter_, &QLineEdit::textChanged, this, &CodeLookupDialog::refresh);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

void CodeLookupDialog::refresh()
{
    list_->clear();
    if (!target_.service)
        return;
    for (const CodeEntry& entry : target_.service->entries(target_.request, filter_->text().trimmed(), shownCodes))
        list_->addTopLevelItem(new QTreeWidgetItem({entry.code, entry.description}));
    list_->setCurrentItem(list_->topLevelItem(0));
}

QString CodeLookupDialog::chosenCode() const
{
    return list_->currentItem() ? list_->currentItem()->text(0) : QString();
}

std::optional<QString> CodeLookupDialog::choose(const LookupTarget& target, QWidget* parent)
{
    CodeLookupDialog dialog(target, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenCode().isEmpty())
        return std::nullopt;
    return dialog.chosenCode();
}

} // namespace controls
