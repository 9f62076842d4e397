#pragma once
// The field of a general-ledger account under the mask of its chart: one place per character of each
// level, the separators fixed between them. The value is the code without separators.

#include "controls/AccountSegments.h"
#include "controls/EditField.h"

class QLineEdit;

namespace controls {

class AccountMaskField : public EditField {
    Q_OBJECT
public:
    explicit AccountMaskField(QWidget* parent = nullptr);

    QString Value() const override;
    void setValue(const QString& value) override;

    // The chart's levels; the mask follows them.
    void setSegments(const AccountSegments& segments);
    const AccountSegments& segments() const { return segments_; }
    QString mask() const;

    QLineEdit* lineEdit() const { return edit_; }

private:
    QLineEdit* edit_;
    AccountSegments segments_;
};

} // namespace controls
