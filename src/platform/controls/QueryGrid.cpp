#include "controls/QueryGrid.h"

#include "controls/CodeLookupDialog.h"
#include "controls/QueryCondition.h"
#include "controls/ShownCaption.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace controls {

namespace {

const QString listSeparator = QStringLiteral(";");
constexpr int acceptedRole = Qt::UserRole;   // the cell's last accepted text, restored on a refusal

QStringList splitList(const QString& text)
{
    QStringList items;
    for (const QString& item : text.split(listSeparator))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

bool isValueColumn(int column)
{
    return column == QueryGrid::FromColumn || column == QueryGrid::ToColumn || column == QueryGrid::ListColumn;
}

} // namespace

QueryGrid::QueryGrid(QWidget* parent)
    : QWidget(parent), chooser_(&CodeLookupDialog::choose), table_(new QTableWidget(0, 6, this)),
      showAll_(new QCheckBox(tr("Mostra tutte le righe"), this)), message_(new QLabel(this))
{
    table_->setHorizontalHeaderLabels({tr("Riga"), tr("Da"), tr("A"), tr("Elenco"), tr("Descrizione da"),
                                       tr("Descrizione a")});
    table_->verticalHeader()->hide();
    // The two descriptions share what the codes leave, so "Descrizione da" reads as much as "Descrizione a".
    table_->horizontalHeader()->setSectionResizeMode(FromDescriptionColumn, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(ToDescriptionColumn, QHeaderView::Stretch);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->installEventFilter(this);
    message_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(showAll_);
    layout->addWidget(table_);
    layout->addWidget(message_);
    connect(showAll_, &QCheckBox::toggled, this, &QueryGrid::updateVisibility);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!writing_)
            valueAccepted(item->row(), item->column());
    });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            emit CurrentRecordChanged();
    });
}

void QueryGrid::setOffer(const QueryOffer& offer)
{
    writing_ = true;
    offer_ = offer;
    tableRows_.clear();
    table_->setRowCount(0);
    std::optional<int> section;
    for (const QueryRowDefinition& row : offer_) {
        int tableRow = table_->rowCount();
        if (section != row.section) {
            section = row.section;
            table_->insertRow(tableRow);
            auto* title = new QTableWidgetItem(row.sectionTitle);
            title->setFlags(Qt::ItemIsEnabled);
            QFont bold = title->font();
            bold.setBold(true);
            title->setFont(bold);
            table_->setItem(tableRow, CaptionColumn, title);
            table_->setSpan(tableRow, 0, 1, table_->columnCount());
            ++tableRow;
        }
        table_->insertRow(tableRow);
        tableRows_.push_back(tableRow);
        for (int column = 0; column < table_->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(column == CaptionColumn ? shownCaption(row.caption) : QString());
            if (!isValueColumn(column))
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table_->setItem(tableRow, column, item);
        }
    }
    writing_ = false;
    message_->clear();
    updateVisibility();
}

int QueryGrid::offerRowAt(int tableRow) const
{
    auto it = std::find(tableRows_.begin(), tableRows_.end(), tableRow);
    return it == tableRows_.end() ? -1 : int(it - tableRows_.begin());
}

int QueryGrid::tableRowOf(int offerRow) const
{
    if (offerRow < 0 || offerRow >= int(tableRows_.size()))
        throw QueryValueError("the grid has no row " + std::to_string(offerRow));
    return tableRows_[offerRow];
}

QString QueryGrid::cellText(int tableRow, int column) const
{
    QTableWidgetItem* item = table_->item(tableRow, column);
    return item ? item->text() : QString();
}

void QueryGrid::writeCell(int tableRow, int column, const QString& text)
{
    writing_ = true;
    QTableWidgetItem* item = table_->item(tableRow, column);
    item->setText(text);
    item->setData(acceptedRole, text);
    writing_ = false;
}

QueryValues QueryGrid::values(int offerRow) const
{
    int tableRow = tableRowOf(offerRow);
    return {cellText(tableRow, FromColumn).trimmed(), cellText(tableRow, ToColumn).trimmed(),
            splitList(cellText(tableRow, ListColumn))};
}

void QueryGrid::setValues(int offerRow, const QueryValues& values)
{
    int tableRow = tableRowOf(offerRow);
    queryCondition(offer_[offerRow], values);   // refuses what does not fit before anything is written
    writeCell(tableRow, FromColumn, values.from.trimmed());
    writeCell(tableRow, ToColumn, values.to.trimmed());
    writeCell(tableRow, ListColumn, values.list.join(listSeparator));
    decode(tableRow);
    updateVisibility();
}

QueryValues QueryGrid::valuesOfColumn(const QString& column) const
{
    for (size_t i = 0; i < offer_.size(); ++i)
        if (offer_[i].column == column)
            return values(int(i));
    return {};
}

std::vector<QueryConditionRow> QueryGrid::conditionRows() const
{
    std::vector<FilledRow> rows;
    for (size_t i = 0; i < offer_.size(); ++i)
        rows.push_back({int(i), values(int(i))});
    return controls::conditionRows(offer_, std::move(rows));
}

void QueryGrid::refuse(const QString& why)
{
    message_->setText(why);
}

QString QueryGrid::message() const
{
    return message_->text();
}

// A typed value is checked against its row; a refused one gives its cell back its last accepted text.
void QueryGrid::valueAccepted(int tableRow, int column)
{
    int offerRow = offerRowAt(tableRow);
    if (offerRow < 0 || !isValueColumn(column))
        return;
    const QueryRowDefinition& row = offer_[offerRow];
    QTableWidgetItem* item = table_->item(tableRow, column);
    QStringList typed = column == ListColumn ? splitList(item->text()) : QStringList{item->text()};
    for (const QString& value : typed)
        if (std::optional<QString> why = valueRefusal(row, value)) {
            refuse(QStringLiteral("%1: %2").arg(row.caption, *why));
            writeCell(tableRow, column, item->data(acceptedRole).toString());
            return;
        }
    QString text = column == ListColumn ? typed.join(listSeparator) : item->text().trimmed();
    writeCell(tableRow, column, text);
    message_->clear();
    if (events_ && column != ListColumn)
        events_->AqValidate(row.caption, column == FromColumn ? FromValue : ToValue, text);
    decode(tableRow);
}

void QueryGrid::decode(int tableRow)
{
    int offerRow = offerRowAt(tableRow);
    if (!events_ || offerRow < 0 || !offer_[offerRow].decodeLookup)
        return;
    QString fromDescription = cellText(tableRow, FromDescriptionColumn);
    QString toDescription = cellText(tableRow, ToDescriptionColumn);
    QString from = cellText(tableRow, FromColumn), to = cellText(tableRow, ToColumn);
    events_->StartDecode(offer_[offerRow].caption, from, to, fromDescription, toDescription,
                         [this](const QString& column) { return valuesOfColumn(column); });
    // A description belongs to a code: an emptied code takes its description with it.
    writeCell(tableRow, FromDescriptionColumn, from.isEmpty() ? QString() : fromDescription);
    writeCell(tableRow, ToDescriptionColumn, to.isEmpty() ? QString() : toDescription);
}

void QueryGrid::setShowAllRows(bool show)
{
    showAll_->setChecked(show);
}

void QueryGrid::updateVisibility()
{
    for (size_t i = 0; i < offer_.size(); ++i)
        table_->setRowHidden(tableRows_[i], !showAll_->isChecked() && !offer_[i].sectionFlag && values(int(i)).isEmpty());
}

void QueryGrid::setCurrentCell(int offerRow, Column column)
{
    table_->setCurrentCell(tableRowOf(offerRow), column);
}

void QueryGrid::lookupCurrentCell()
{
    int tableRow = table_->currentRow(), column = table_->currentColumn();
    int offerRow = offerRowAt(tableRow);
    if (!events_ || offerRow < 0 || !isValueColumn(column) || !offer_[offerRow].decodeLookup)
        return;
    std::optional<LookupTarget> target =
        events_->StartLookup(offer_[offerRow].caption, [this](const QString& c) { return valuesOfColumn(c); });
    if (!target || !target->service)
        return;
    std::optional<QString> code = chooser_(*target, this);
    if (!code)
        return;
    QString current = cellText(tableRow, column);
    QString text = column == ListColumn && !current.isEmpty() ? current + listSeparator + *code : *code;
    table_->item(tableRow, column)->setText(text);   // checked and accepted as if typed
}

void QueryGrid::pasteList(const QString& text)
{
    int offerRow = offerRowAt(table_->currentRow());
    if (offerRow < 0)
        return;
    QStringList codes;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n\t]+"))))
        if (!line.trimmed().isEmpty())
            codes << line.trimmed();
    for (const QString& code : codes)
        if (std::optional<QString> why = valueRefusal(offer_[offerRow], code)) {
            refuse(QStringLiteral("%1: %2").arg(offer_[offerRow].caption, *why));
            return;
        }
    setValues(offerRow, {{}, {}, codes});
    message_->clear();
}

bool QueryGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != table_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F4) {
        lookupCurrentCell();
        return true;
    }
    if (key->matches(QKeySequence::Paste) && QApplication::clipboard()->text().contains(QLatin1Char('\n'))) {
        pasteList(QApplication::clipboard()->text());
        return true;
    }
    bool lastVisibleRow = true;
    for (int r = table_->currentRow() + 1; r < table_->rowCount(); ++r)
        lastVisibleRow = lastVisibleRow && table_->isRowHidden(r);
    if (key->key() == Qt::Key_Tab && lastVisibleRow && table_->currentColumn() == ListColumn) {
        emit AqLastTabReached();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace controls
