#pragma once
// A label: the caption of the field beside it (its mnemonic gives that field the focus), or a text the
// window shows, such as a decoded description.

#include <QLabel>

namespace controls {

class EditField;

class LabelField : public QLabel {
    Q_OBJECT
public:
    explicit LabelField(const QString& caption = {}, QWidget* parent = nullptr);

    QString Value() const { return text(); }
    void setValue(const QString& value) { setText(value); }

    // The field the label names: the label's mnemonic moves the focus there.
    void setField(EditField* field);
};

} // namespace controls
