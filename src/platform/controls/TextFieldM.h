#pragma once
// A text field: any characters up to its maximum length, optionally turned to upper case as typed. It has
// two looks: the ordinary editable one and a read-only one for a text the window shows (a description);
// a search look invites the user to type what to look for.

#include "controls/EditField.h"

class QLineEdit;

namespace controls {

class TextFieldM : public EditField {
    Q_OBJECT
public:
    explicit TextFieldM(QWidget* parent = nullptr);

    QString Value() const override;
    void setValue(const QString& value) override;

    void setMaxLength(int length);
    int maxLength() const;
    void setUpperCase(bool upper) { upperCase_ = upper; }

    // Read-only look: the text is shown, not typed. Search look: editable, with a hint of what to type.
    void setReadOnlyLook(bool readOnly);
    bool hasReadOnlyLook() const;
    void setSearchLook(const QString& hint);

    QLineEdit* lineEdit() const { return edit_; }

private:
    QLineEdit* edit_;
    bool upperCase_ = false;
};

} // namespace controls
