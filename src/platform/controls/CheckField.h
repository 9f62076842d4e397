#pragma once
// A check box whose value reads "1" when ticked and "0" when not. Click follows every change of the
// tick, by the user or by the program.

#include "controls/EditField.h"

class QCheckBox;

namespace controls {

class CheckField : public EditField {
    Q_OBJECT
public:
    explicit CheckField(const QString& text = {}, QWidget* parent = nullptr);

    QString Value() const override;
    // "1" ticks the box, anything else clears it.
    void setValue(const QString& value) override;

    // A text kept with the box for the host (the status-bar hint).
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    QCheckBox* checkBox() const { return box_; }

signals:
    void Click();

private:
    QCheckBox* box_;
    QString tag_;
};

} // namespace controls
