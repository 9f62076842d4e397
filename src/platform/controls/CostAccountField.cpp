#include "controls/CostAccountField.h"

#include <QLineEdit>

namespace controls {

namespace {
constexpr int codeLength = 15;   // PC03_CONTO
}

CostAccountField::CostAccountField(QWidget* parent) : EditField(parent), edit_(new QLineEdit(this))
{
    edit_->setMaxLength(2 * codeLength);   // room for the separators
    setEditor(edit_);
}

QString CostAccountField::Value() const
{
    return AccountSegments::stripped(edit_->text()).left(codeLength);
}

void CostAccountField::setValue(const QString& value)
{
    edit_->setText(segments_.withSeparators(AccountSegments::stripped(value)));
    check();
}

void CostAccountField::bind(const CodeLookup* service, const CodeRequest& chart, const AccountSegments& segments)
{
    service_ = service;
    chart_ = chart;
    segments_ = segments;
    setValue(Value());
}

bool CostAccountField::isComplete() const
{
    return segments_.isComplete(Value());
}

bool CostAccountField::lookup()
{
    return service_ && lookupIn(*service_, chart_, {});
}

void CostAccountField::acceptValue()
{
    setValue(Value());
}

void CostAccountField::check()
{
    std::optional<QString> description;
    if (service_ && !Value().isEmpty())
        description = service_->describe(chart_, Value());
    valid_ = description.has_value();
    description_ = description.value_or(QString());
    setError(!Value().isEmpty() && !valid_);
}

} // namespace controls
