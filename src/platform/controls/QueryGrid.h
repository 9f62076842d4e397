#pragma once
// The query grid: the rows a window offers, in sections, each taking a from-value and a to-value or a list
// of values; it checks every value against its row's kind, length and mask in the cell, describes codes
// and looks them up through the window, and yields for each filled row its caption, column and condition.
//
// Keys: F4 looks up a code for the current cell; pasting a column of codes into a row fills its list;
// Tab past the last cell raises AqLastTabReached. A list is typed with ";" between the codes.

#include "controls/QueryGridEvents.h"
#include "controls/QueryRowDefinition.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace controls {

class QueryGrid : public QWidget {
    Q_OBJECT
public:
    enum Column { CaptionColumn, FromColumn, ToColumn, ListColumn, FromDescriptionColumn, ToDescriptionColumn };
    using LookupChooser = std::function<std::optional<QString>(const LookupTarget&, QWidget*)>;

    explicit QueryGrid(QWidget* parent = nullptr);

    // The text the grid's saved layouts are kept under, which tells two grids of one window apart.
    void setIdentification(const QString& text) { identification_ = text; }
    QString identification() const { return identification_; }

    // The window's handlers; none: no remembering, decoding or lookup.
    void setEvents(QueryGridEvents* events) { events_ = events; }
    // How a lookup lets the user choose; the lookup window unless replaced.
    void setLookupChooser(LookupChooser chooser) { chooser_ = std::move(chooser); }

    // Empties the grid and shows the offer; the values of the previous offer go with it.
    void setOffer(const QueryOffer& offer);
    const QueryOffer& offer() const { return offer_; }

    // The values of the offer's row; setValues throws QueryValueError when one does not fit the row.
    QueryValues values(int offerRow) const;
    void setValues(int offerRow, const QueryValues& values);
    // The first row on the column; empty values when no row is on it.
    QueryValues valuesOfColumn(const QString& column) const;

    // One condition row per filled row, in the offer's order.
    std::vector<QueryConditionRow> conditionRows() const;

    // Rows whose section flag is off are shown only on request, or when they hold values.
    void setShowAllRows(bool show);

    // Puts the current cell on the offer's row and column.
    void setCurrentCell(int offerRow, Column column);
    // Lookup of the current cell (F4) and paste of a column of codes into the current row (Ctrl+V).
    void lookupCurrentCell();
    void pasteList(const QString& text);

    QTableWidget* table() const { return table_; }
    // The last refusal or notice shown under the grid.
    QString message() const;

signals:
    void CurrentRecordChanged();
    void AqLastTabReached();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int offerRowAt(int tableRow) const;
    int tableRowOf(int offerRow) const;
    void writeCell(int tableRow, int column, const QString& text);
    QString cellText(int tableRow, int column) const;
    void refuse(const QString& why);
    void valueAccepted(int tableRow, int column);
    void decode(int tableRow);
    void updateVisibility();

    QString identification_;
    QueryGridEvents* events_ = nullptr;
    LookupChooser chooser_;
    QueryOffer offer_;
    std::vector<int> tableRows_;      // the table row of each offered row
    QTableWidget* table_;
    QCheckBox* showAll_;
    QLabel* message_;
    bool writing_ = false;            // the grid itself writes cells: no events
};

} // namespace controls
