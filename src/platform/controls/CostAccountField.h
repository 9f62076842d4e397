#pragma once
// The field of a cost-accounting account code (a cost centre or an expense item). It knows the chart's
// segment sizes: the code shows with the chart's separators and is passed on without them. It reports
// whether the code fills every level of the chart (complete) and whether the chart holds it (valid). The
// window binds it to a chart: the service that knows the chart's codes and the request naming the chart.

#include "controls/AccountSegments.h"
#include "controls/EditField.h"

class QLineEdit;

namespace controls {

class CostAccountField : public EditField {
    Q_OBJECT
public:
    explicit CostAccountField(QWidget* parent = nullptr);

    // The code without separators; "" when empty.
    QString Value() const override;
    // Shows the code with the chart's separators and finds out whether the chart holds it.
    void setValue(const QString& value) override;
    // A code the bound chart holds (at any level).
    bool isValid() const override { return valid_; }

    // Binds the field to a chart; the service must outlive the binding. The value is checked again.
    void bind(const CodeLookup* service, const CodeRequest& chart, const AccountSegments& segments);
    const CodeLookup* service() const { return service_; }
    const CodeRequest& chart() const { return chart_; }
    const AccountSegments& segments() const { return segments_; }

    // The code fills every level of the chart: it designates one account, not a group of them.
    bool isComplete() const;
    // The description the chart gives the code; "" when it holds none.
    QString description() const { return description_; }

    // Opens the lookup over the bound chart; answers whether a code was chosen.
    bool lookup();

    QLineEdit* lineEdit() const { return edit_; }

protected:
    void acceptValue() override;

private:
    void check();

    QLineEdit* edit_;
    const CodeLookup* service_ = nullptr;
    CodeRequest chart_;
    AccountSegments segments_;
    QString description_;
    bool valid_ = false;
};

} // namespace controls
