#pragma once
// A number field: at most so many digits before the decimals, whole numbers only when its mask says so
// ("####": four digits). While the user types, the number shows as typed; once left it shows in the
// field's display format. The value is passed on with a point before the decimals and no separators, and
// keeps every decimal it was given even when the format shows fewer.

#include "controls/EditField.h"

class QLineEdit;

namespace controls {

class NumberField : public EditField {
    Q_OBJECT
    Q_PROPERTY(QString Format READ format WRITE setFormat)
    Q_PROPERTY(QString Currency READ currency WRITE setCurrency)
public:
    explicit NumberField(QWidget* parent = nullptr);

    // The number as "1234.5"; "" when empty; the typed text itself when it is no number.
    QString Value() const override;
    void setValue(const QString& value) override;
    bool isValid() const override;

    // The digits before the decimals; with a mask of "#" only whole numbers of at most that many digits.
    void setDigits(int digits);
    int digits() const { return digits_; }
    void setMask(const QString& mask);
    QString mask() const { return mask_; }

    QString format() const { return format_; }
    void setFormat(const QString& pattern);
    // The currency whose amounts the field holds (its decimals come with the display format).
    QString currency() const { return currency_; }
    void setCurrency(const QString& code) { currency_ = code; }

    QLineEdit* lineEdit() const { return edit_; }

protected:
    void enterValue() override;
    void acceptValue() override;

private:
    void updateValidator();
    void show(const QString& value, bool typing);

    QLineEdit* edit_;
    QString value_;        // the value behind the text shown
    bool typed_ = false;   // the user has typed since: the text is the value
    int digits_ = 15;
    QString mask_;
    QString format_;
    QString currency_;
};

} // namespace controls
