#pragma once
// A combo box of (value, text) items. The value is read as text; a change of the selected item, by the
// user or by the program, raises ChangeRow. Items keep the order they were added in unless the field is
// set to sort them by text.

#include "controls/EditField.h"

class QComboBox;

namespace controls {

class ComboField : public EditField {
    Q_OBJECT
public:
    explicit ComboField(QWidget* parent = nullptr);

    // The selected item's value; "" when none is selected.
    QString Value() const override;
    // Selects the item of the value (ChangeRow when the selection changes); a value no item has selects
    // none.
    void setValue(const QString& value) override;

    // Emptying and filling the list raises no ChangeRow; the first item added is selected.
    void Clear();
    void AddItem(const QString& value, const QString& text);
    int ListCount() const;
    QString itemValue(int index) const;
    QString itemText(int index) const;
    int ListIndex() const;
    void setListIndex(int index);

    bool isSorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }
    // The width of the list in characters.
    void setWidthInCharacters(int characters);

    QComboBox* comboBox() const { return combo_; }

signals:
    void ChangeRow();

private:
    QComboBox* combo_;
    bool sorted_ = true;
    bool filling_ = false;
};

} // namespace controls
