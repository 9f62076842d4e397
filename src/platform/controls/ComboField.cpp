#include "controls/ComboField.h"

#include <QComboBox>
#include <QScopedValueRollback>

namespace controls {

ComboField::ComboField(QWidget* parent) : EditField(parent), combo_(new QComboBox(this))
{
    setEditor(combo_);
    connect(combo_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            emit ChangeRow();
    });
}

QString ComboField::Value() const
{
    return combo_->currentIndex() < 0 ? QString() : combo_->currentData().toString();
}

void ComboField::setValue(const QString& value)
{
    combo_->setCurrentIndex(combo_->findData(value));
}

void ComboField::Clear()
{
    const QScopedValueRollback<bool> filling(filling_, true);
    combo_->clear();
}

void ComboField::AddItem(const QString& value, const QString& text)
{
    const QScopedValueRollback<bool> filling(filling_, true);
    int at = combo_->count();
    if (sorted_)
        for (at = 0; at < combo_->count() && combo_->itemText(at) <= text; ++at) {
        }
    combo_->insertItem(at, text, value);
    if (combo_->currentIndex() < 0)
        combo_->setCurrentIndex(0);
}

int ComboField::ListCount() const
{
    return combo_->count();
}

QString ComboField::itemValue(int index) const
{
    return combo_->itemData(index).toString();
}

QString ComboField::itemText(int index) const
{
    return combo_->itemText(index);
}

int ComboField::ListIndex() const
{
    return combo_->currentIndex();
}

void ComboField::setListIndex(int index)
{
    combo_->setCurrentIndex(index);
}

void ComboField::setWidthInCharacters(int characters)
{
    combo_->setMinimumContentsLength(characters);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

} // namespace controls
