#pragma once
// The report document the report object hands its caller in BeforePrintReport, just before printing:
// the report's formula fields (name, settable text), its record sort fields and group areas (settable
// directions), its parameter fields (one current value each), and its subreports (their formula fields
// and the connection their tables read). Names are those of the report file; a name the file does not
// declare is simply not there (Areas and OpenSubReport answer null, a formula or parameter is absent
// from its collection), so a caller can offer more than a file asks for.

#include "report/ReportDefinition.h"

#include "db/Connection.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace report {

class FormulaFieldDefinition {
public:
    explicit FormulaFieldDefinition(FormulaField& field) : field_(&field) {}
    QString FormulaFieldName() const { return QString::fromStdString(field_->name); }
    QString Text() const { return QString::fromStdString(field_->text); }
    void setText(const QString& text) { field_->text = text.toStdString(); }

private:
    FormulaField* field_;
};

class RecordSortFieldDefinition {
public:
    explicit RecordSortFieldDefinition(SortField& field) : field_(&field) {}
    int SortDirection() const { return field_->sortDirection; }      // 0 ascending, 1 descending
    void setSortDirection(int direction) { field_->sortDirection = direction == 1 ? 1 : 0; }

private:
    SortField* field_;
};

class RecordSortFieldDefinitions {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The k-th sort field, from 1; null when the file declares fewer.
    RecordSortFieldDefinition* Item(int k);

private:
    friend class ReportDocument;
    std::vector<RecordSortFieldDefinition> items_;
};

// A group area (GH1 … GH10; GF n names the same area).
class AreaDefinition {
public:
    explicit AreaDefinition(GroupArea& area) : area_(&area) {}
    int SortDirection() const { return area_->sortDirection; }       // 0 ascending, 1 descending
    void setSortDirection(int direction) { area_->sortDirection = direction == 1 ? 1 : 0; }
    // Kept for callers that set it; paper has no drill-down, so it changes nothing printed.
    bool HideForDrillDown() const { return area_->hideForDrillDown; }
    void setHideForDrillDown(bool hide) { area_->hideForDrillDown = hide; }

private:
    GroupArea* area_;
};

class ParameterFieldDefinition {
public:
    ParameterFieldDefinition(ParameterField& field, QStringList& problems) : field_(&field), problems_(&problems) {}
    QString ParameterFieldName() const { return QString::fromStdString(field_->name); }
    formula::ValueType type() const { return field_->type; }
    // The parameter's current value: a text (QString), a Boolean, a date (QDate or QDateTime), or a
    // 16- or 32-bit integer. A value that does not suit the parameter's type is refused: the answer is
    // false and the print fails naming the parameter.
    bool AddCurrentValue(const QVariant& value);
    const formula::Value& currentValue() const { return field_->value; }

private:
    ParameterField* field_;
    QStringList* problems_;
};

class SubreportDocument {
public:
    explicit SubreportDocument(SubreportDefinition& sub);
    std::vector<FormulaFieldDefinition>& FormulaFields() { return formulas_; }
    // The connection the subreport's tables read (its logon and data source); the report's own when none.
    void setConnection(std::shared_ptr<db::Connection> connection) { connection_ = std::move(connection); }
    const std::shared_ptr<db::Connection>& connection() const { return connection_; }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::vector<FormulaFieldDefinition> formulas_;
    std::shared_ptr<db::Connection> connection_;
};

class ReportDocument {
public:
    explicit ReportDocument(ReportDefinition definition);
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    std::vector<FormulaFieldDefinition>& FormulaFields() { return formulas_; }
    RecordSortFieldDefinitions& RecordSortFields() { return sortFields_; }
    AreaDefinition* Areas(const QString& name);                      // "GH1" … "GH10", "GF1" … "GF10"
    std::vector<ParameterFieldDefinition>& ParameterFields() { return parameters_; }
    SubreportDocument* OpenSubReport(const QString& name);

    // The definition as the caller left it, and what it refused (values of the wrong type).
    const ReportDefinition& definition() const { return definition_; }
    const QStringList& problems() const { return problems_; }
    // The subreports given a connection of their own.
    std::map<std::string, db::Connection*> subreportConnections() const;

private:
    ReportDefinition definition_;
    std::vector<FormulaFieldDefinition> formulas_;
    RecordSortFieldDefinitions sortFields_;
    std::map<int, AreaDefinition> areas_;
    std::vector<ParameterFieldDefinition> parameters_;
    std::vector<std::unique_ptr<SubreportDocument>> subreports_;
    QStringList problems_;
};

} // namespace report
