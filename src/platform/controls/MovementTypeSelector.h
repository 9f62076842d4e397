#pragma once
// A checkable list of the company's movement types. It offers the types of the kinds in its kind filter
// that are valid somewhere in its validity range (or, without a range, on its reference date); a new
// load ticks them all. It yields the condition on CGT0_CODICE of the ticked types, empty when none is
// ticked (the check before processing refuses that), and the caption of the choice for the summary.

#include "controls/MovementTypeSource.h"

#include <QVariant>
#include <QWidget>

#include <optional>

class QListWidget;

namespace controls {

class MovementTypeSelector : public QWidget {
    Q_OBJECT
public:
    explicit MovementTypeSelector(QWidget* parent = nullptr);

    // The source of the types; it must outlive the selector's loads.
    void setSource(const MovementTypeSource* source) { source_ = source; }
    // Settings: the rows the list shows, the date column whose dates the validity is compared with, the
    // separator of the caption, and which description the caption uses (1 long, 2 medium, 3 short).
    void setVisibleRows(int rows);
    void setDateColumn(const QString& column) { dateColumn_ = column; }
    QString dateColumn() const { return dateColumn_; }
    void setCaptionSeparator(const QString& separator) { captionSeparator_ = separator; }
    void setCaptionDescription(int which) { captionDescription_ = which; }

    // Reads the types from the source and ticks every type offered.
    void Load();
    // The kinds offered, as "0,1"; "" offers every kind.
    void setKindFilter(const QString& kinds);
    // The dates the offered types must be valid in; either end may be open.
    void setValidityRange(const std::optional<QDate>& from, const std::optional<QDate>& to);
    // The date the offered types must be valid on while no range is given; the integer 1 (or any value
    // that is no date) stands for none.
    void setReferenceDate(const QVariant& date);
    QVariant referenceDate() const { return referenceDate_; }

    std::vector<int> offeredCodes() const;
    std::vector<int> checkedCodes() const;
    // Ticks the codes among those offered; nothing ticks them all.
    void setCheckedCodes(const std::optional<std::vector<int>>& codes);
    void setChecked(int code, bool checked);

    // "CGT0_CODICE IN (1,2)"; empty when no type is ticked.
    QString SQLCondition() const;
    // The ticked types' descriptions joined by the separator.
    QString Caption() const;

    QListWidget* list() const { return list_; }

signals:
    // The user ticked or cleared a type.
    void Changed();

private:
    bool offered(const MovementType& type) const;
    void refresh();
    const MovementType* typeOf(int code) const;

    const MovementTypeSource* source_ = nullptr;
    QListWidget* list_;
    std::vector<MovementType> types_;
    std::vector<int> unchecked_;        // the user's choice survives a change of what is offered
    QString dateColumn_;
    QString captionSeparator_ = QStringLiteral(", ");
    int captionDescription_ = 1;
    std::optional<std::vector<int>> kinds_;
    std::optional<QDate> rangeFrom_, rangeTo_;
    bool hasRange_ = false;
    QVariant referenceDate_ = 1;
    bool refreshing_ = false;
};

} // namespace controls
