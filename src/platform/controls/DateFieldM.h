#pragma once
// A date field in the short Italian form dd/mm/yyyy. The user may type the date the quick way (see
// ItalianDate.h); leaving the field writes it out in full. Text that is no date stays as typed and makes
// the field not valid; an empty field is valid.

#include "controls/EditField.h"

#include <QDate>

#include <functional>
#include <optional>

class QLineEdit;

namespace controls {

class DateFieldM : public EditField {
    Q_OBJECT
public:
    explicit DateFieldM(QWidget* parent = nullptr);

    // "dd/mm/yyyy", the typed text when it is no date, "" when empty.
    QString Value() const override;
    // Takes dd/mm/yyyy, the quick forms and ISO yyyy-mm-dd.
    void setValue(const QString& value) override;
    bool isValid() const override;

    std::optional<QDate> date() const;
    void setDate(const std::optional<QDate>& date);

    // Where "today" comes from when a typed date leaves out its month or year: the machine's date
    // unless replaced.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }

    QLineEdit* lineEdit() const { return edit_; }

protected:
    void acceptValue() override;

private:
    std::optional<QDate> parse(const QString& text) const;

    QLineEdit* edit_;
    std::function<QDate()> today_ = [] { return QDate::currentDate(); };
};

} // namespace controls
