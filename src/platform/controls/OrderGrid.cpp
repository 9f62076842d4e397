#include "controls/OrderGrid.h"

#include "controls/ShownCaption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace controls {

namespace {

struct Period {
    int code;
    const char* caption;
};

// In the order a user thinks of them, from the shortest.
constexpr Period periods[] = {{PeriodNone, "Nessuno"},         {PeriodDay, "Giorno"},         {PeriodWeek, "Settimana"},
                              {PeriodFortnight, "Quindicina"}, {PeriodMonth, "Mese"},         {PeriodQuarter, "Trimestre"},
                              {PeriodFourMonths, "Quadrimestre"}, {PeriodHalfYear, "Semestre"}, {PeriodYear, "Anno"}};

bool knownPeriod(int code)
{
    return std::any_of(std::begin(periods), std::end(periods), [&](const Period& p) { return p.code == code; });
}

constexpr int offerRole = Qt::UserRole;   // an offered row's index in the offer

} // namespace

OrderGrid::OrderGrid(QWidget* parent)
    : QWidget(parent), offered_(new QTreeWidget(this)), table_(new QTableWidget(0, 5, this)),
      showAll_(new QCheckBox(tr("Mostra tutte le righe"), this))
{
    offered_->setHeaderLabels({tr("Campi disponibili")});
    offered_->setUniformRowHeights(true);
    table_->setHorizontalHeaderLabels({tr("Ordinamento"), tr("Direzione"), tr("Raggruppa"), tr("Periodo"),
                                       tr("Salto pagina")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
    offered_->installEventFilter(this);
    table_->installEventFilter(this);

    auto* add = new QPushButton(tr("Aggiungi >"), this);
    auto* remove = new QPushButton(tr("< Rimuovi"), this);
    auto* up = new QPushButton(tr("Su"), this);
    auto* down = new QPushButton(tr("Giù"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, remove, up, down})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(showAll_);
    left->addWidget(offered_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 2);
    layout->addLayout(buttons);
    layout->addWidget(table_, 3);

    auto currentOffered = [this] {
        QTreeWidgetItem* item = offered_->currentItem();
        return item && item->data(0, offerRole).isValid() ? item->data(0, offerRole).toInt() : -1;
    };
    connect(add, &QPushButton::clicked, this, [=, this] { choose(currentOffered()); });
    connect(offered_, &QTreeWidget::itemActivated, this, [=, this] { choose(currentOffered()); });
    connect(remove, &QPushButton::clicked, this, [this] { this->remove(table_->currentRow()); });
    connect(up, &QPushButton::clicked, this, [this] { move(table_->currentRow(), -1); });
    connect(down, &QPushButton::clicked, this, [this] { move(table_->currentRow(), +1); });
    connect(showAll_, &QCheckBox::toggled, this, &OrderGrid::updateVisibility);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            emit CurrentRecordChanged();
    });
}

void OrderGrid::setOffer(const OrderOffer& offer)
{
    offer_ = offer;
    chosen_.clear();
    offered_->clear();
    QTreeWidgetItem* section = nullptr;
    std::optional<int> sectionNumber;
    for (size_t i = 0; i < offer_.size(); ++i) {
        if (sectionNumber != offer_[i].section) {
            sectionNumber = offer_[i].section;
            section = new QTreeWidgetItem(offered_, {offer_[i].sectionTitle});
            section->setFlags(Qt::ItemIsEnabled);
            section->setExpanded(true);
        }
        auto* row = new QTreeWidgetItem(section, {shownCaption(offer_[i].caption)});
        row->setData(0, offerRole, int(i));
    }
    updateVisibility();
    showChosen(-1);
}

void OrderGrid::updateVisibility()
{
    for (int s = 0; s < offered_->topLevelItemCount(); ++s)
        for (int r = 0; r < offered_->topLevelItem(s)->childCount(); ++r) {
            QTreeWidgetItem* item = offered_->topLevelItem(s)->child(r);
            item->setHidden(!showAll_->isChecked() && !offer_[item->data(0, offerRole).toInt()].sectionFlag);
        }
}

void OrderGrid::setShowAllRows(bool show)
{
    showAll_->setChecked(show);
}

const OrderRowDefinition* OrderGrid::definition(const QString& caption) const
{
    auto it = std::find_if(offer_.begin(), offer_.end(), [&](const OrderRowDefinition& r) { return r.caption == caption; });
    return it == offer_.end() ? nullptr : &*it;
}

void OrderGrid::checkRow(const ChosenOrderRow& row) const
{
    const OrderRowDefinition* offered = definition(row.caption);
    auto refuse = [&](const char* why) {
        throw std::invalid_argument(QStringLiteral("\"%1\" %2").arg(row.caption, QLatin1String(why)).toStdString());
    };
    if (!offered)
        refuse("is not offered");
    if (row.group && !offered->groupable)
        refuse("cannot be a grouping level");
    if (row.period != PeriodNone && (!offered->dateRow || !knownPeriod(row.period)))
        refuse("takes no such period");
    if (row.direction != QLatin1String("ASC") && row.direction != QLatin1String("DESC"))
        refuse("is sorted ASC or DESC only");
}

void OrderGrid::setChosenRows(const std::vector<ChosenOrderRow>& rows)
{
    for (const ChosenOrderRow& row : rows)
        checkRow(row);
    chosen_ = rows;
    for (ChosenOrderRow& row : chosen_)
        row.column = definition(row.caption)->column;
    showChosen(chosen_.empty() ? -1 : 0);
}

void OrderGrid::choose(int offerRow)
{
    if (offerRow < 0 || offerRow >= int(offer_.size()))
        return;
    const OrderRowDefinition& row = offer_[offerRow];
    auto already = std::find_if(chosen_.begin(), chosen_.end(), [&](const ChosenOrderRow& c) { return c.caption == row.caption; });
    if (already != chosen_.end()) {
        table_->setCurrentCell(int(already - chosen_.begin()), CaptionColumn);
        return;
    }
    ChosenOrderRow chosen;
    chosen.caption = row.caption;
    chosen.column = row.column;
    chosen_.push_back(chosen);
    changed(int(chosen_.size()) - 1);
}

void OrderGrid::remove(int chosenRow)
{
    if (chosenRow < 0 || chosenRow >= int(chosen_.size()))
        return;
    chosen_.erase(chosen_.begin() + chosenRow);
    changed(std::min(chosenRow, int(chosen_.size()) - 1));
}

void OrderGrid::move(int chosenRow, int by)
{
    int target = chosenRow + by;
    if (chosenRow < 0 || target < 0 || chosenRow >= int(chosen_.size()) || target >= int(chosen_.size()))
        return;
    std::swap(chosen_[chosenRow], chosen_[target]);
    changed(target);
}

void OrderGrid::setDirection(int chosenRow, const QString& direction)
{
    ChosenOrderRow row = chosen_.at(chosenRow);
    row.direction = direction;
    update(chosenRow, row);
}

void OrderGrid::setGroup(int chosenRow, bool group)
{
    ChosenOrderRow row = chosen_.at(chosenRow);
    row.group = group;
    update(chosenRow, row);
}

void OrderGrid::setPeriod(int chosenRow, int period)
{
    ChosenOrderRow row = chosen_.at(chosenRow);
    row.period = period;
    update(chosenRow, row);
}

void OrderGrid::setPageBreak(int chosenRow, bool pageBreak)
{
    ChosenOrderRow row = chosen_.at(chosenRow);
    row.pageBreak = pageBreak;
    update(chosenRow, row);
}

// A mark set in the row's editors changes the row in place: the editor that reported it stays alive.
void OrderGrid::update(int chosenRow, const ChosenOrderRow& row)
{
    checkRow(row);
    chosen_[chosenRow] = row;
    auto* direction = static_cast<QComboBox*>(table_->cellWidget(chosenRow, DirectionColumn));
    auto* group = static_cast<QCheckBox*>(table_->cellWidget(chosenRow, GroupColumn));
    auto* period = static_cast<QComboBox*>(table_->cellWidget(chosenRow, PeriodColumn));
    auto* pageBreak = static_cast<QCheckBox*>(table_->cellWidget(chosenRow, PageBreakColumn));
    QSignalBlocker b1(direction), b2(group), b3(period), b4(pageBreak);
    direction->setCurrentText(row.direction);
    group->setChecked(row.group);
    period->setCurrentIndex(period->findData(row.period));
    pageBreak->setChecked(row.pageBreak);
    emit CurrentRecordChanged();
}

void OrderGrid::changed(int current)
{
    showChosen(current);
    emit CurrentRecordChanged();
}

// The chosen rows are few: the table is rebuilt with its editors after every change.
void OrderGrid::showChosen(int current)
{
    table_->setRowCount(0);
    table_->setRowCount(int(chosen_.size()));
    for (int r = 0; r < int(chosen_.size()); ++r) {
        const ChosenOrderRow& row = chosen_[r];
        const OrderRowDefinition* offered = definition(row.caption);
        table_->setItem(r, CaptionColumn, new QTableWidgetItem(shownCaption(row.caption)));

        auto* direction = new QComboBox;
        direction->addItems({QStringLiteral("ASC"), QStringLiteral("DESC")});
        direction->setCurrentText(row.direction);
        connect(direction, &QComboBox::currentTextChanged, this, [this, r](const QString& d) { setDirection(r, d); });
        table_->setCellWidget(r, DirectionColumn, direction);

        auto* group = new QCheckBox;
        group->setChecked(row.group);
        group->setEnabled(offered && offered->groupable);
        connect(group, &QCheckBox::toggled, this, [this, r](bool on) { setGroup(r, on); });
        table_->setCellWidget(r, GroupColumn, group);

        auto* period = new QComboBox;
        for (const Period& p : periods)
            period->addItem(tr(p.caption), p.code);
        period->setCurrentIndex(period->findData(row.period));
        period->setEnabled(offered && offered->dateRow);
        connect(period, &QComboBox::currentIndexChanged, this,
                [this, r, period](int index) { setPeriod(r, period->itemData(index).toInt()); });
        table_->setCellWidget(r, PeriodColumn, period);

        auto* pageBreak = new QCheckBox;
        pageBreak->setChecked(row.pageBreak);
        connect(pageBreak, &QCheckBox::toggled, this, [this, r](bool on) { setPageBreak(r, on); });
        table_->setCellWidget(r, PageBreakColumn, pageBreak);
    }
    QSignalBlocker quiet(table_);
    table_->setCurrentCell(current, CaptionColumn);
}

bool OrderGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    int current = table_->currentRow();
    if (watched == table_) {
        if (key->key() == Qt::Key_Delete) {
            remove(current);
            return true;
        }
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && key->modifiers() & Qt::ControlModifier) {
            move(current, key->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
        if (key->key() == Qt::Key_Tab && current == int(chosen_.size()) - 1) {
            emit AqLastTabReached();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace controls
