#include "controls/MovementTypeSelector.h"

#include "controls/MovementTypeChoice.h"

#include <QListWidget>
#include <QScopedValueRollback>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace controls {

namespace {

bool contains(const std::vector<int>& codes, int code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

} // namespace

MovementTypeSelector::MovementTypeSelector(QWidget* parent) : QWidget(parent), list_(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    setFocusProxy(list_);
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (refreshing_)
            return;
        const int code = item->data(Qt::UserRole).toInt();
        std::erase(unchecked_, code);
        if (item->checkState() != Qt::Checked)
            unchecked_.push_back(code);
        emit Changed();
    });
}

void MovementTypeSelector::setVisibleRows(int rows)
{
    list_->setMinimumHeight(rows * list_->fontMetrics().height() + 2 * list_->frameWidth() + 4);
}

void MovementTypeSelector::Load()
{
    types_ = source_ ? source_->movementTypes() : std::vector<MovementType>{};
    unchecked_.clear();
    refresh();
}

void MovementTypeSelector::setKindFilter(const QString& kinds)
{
    kinds_ = kindsOf(kinds);
    refresh();
}

void MovementTypeSelector::setValidityRange(const std::optional<QDate>& from, const std::optional<QDate>& to)
{
    rangeFrom_ = from;
    rangeTo_ = to;
    hasRange_ = true;
    refresh();
}

void MovementTypeSelector::setReferenceDate(const QVariant& date)
{
    referenceDate_ = date;
    hasRange_ = false;
    refresh();
}

bool MovementTypeSelector::offered(const MovementType& type) const
{
    if (hasRange_)
        return isOffered(type, kinds_, rangeFrom_, rangeTo_);
    const QDate reference = referenceDate_.typeId() == QMetaType::QDate ? referenceDate_.toDate() : QDate();
    return reference.isValid() ? isOffered(type, kinds_, reference, reference)
                               : isOffered(type, kinds_, std::nullopt, std::nullopt);
}

void MovementTypeSelector::refresh()
{
    const QScopedValueRollback<bool> refreshing(refreshing_, true);
    list_->clear();
    for (const MovementType& type : types_) {
        if (!offered(type))
            continue;
        auto* item = new QListWidgetItem(QStringLiteral("%1 - %2").arg(type.code).arg(type.description), list_);
        item->setData(Qt::UserRole, type.code);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(contains(unchecked_, type.code) ? Qt::Unchecked : Qt::Checked);
    }
}

std::vector<int> MovementTypeSelector::offeredCodes() const
{
    std::vector<int> codes;
    for (int row = 0; row < list_->count(); ++row)
        codes.push_back(list_->item(row)->data(Qt::UserRole).toInt());
    return codes;
}

std::vector<int> MovementTypeSelector::checkedCodes() const
{
    std::vector<int> codes;
    for (int code : offeredCodes())
        if (!contains(unchecked_, code))
            codes.push_back(code);
    return codes;
}

void MovementTypeSelector::setCheckedCodes(const std::optional<std::vector<int>>& codes)
{
    unchecked_.clear();
    if (codes)
        for (const MovementType& type : types_)
            if (!contains(*codes, type.code))
                unchecked_.push_back(type.code);
    refresh();
}

void MovementTypeSelector::setChecked(int code, bool checked)
{
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(Qt::UserRole).toInt() == code)
            list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QString MovementTypeSelector::SQLCondition() const
{
    return movementTypeCondition(checkedCodes());
}

const MovementType* MovementTypeSelector::typeOf(int code) const
{
    auto it = std::find_if(types_.begin(), types_.end(), [code](const MovementType& t) { return t.code == code; });
    return it == types_.end() ? nullptr : &*it;
}

QString MovementTypeSelector::Caption() const
{
    std::vector<MovementType> checked;
    for (int code : checkedCodes())
        checked.push_back(*typeOf(code));
    return movementTypeCaption(checked, captionDescription_, captionSeparator_);
}

} // namespace controls
