#pragma once
// The ordering grid: on the left the rows a window offers, in sections; on the right the rows the user
// chose, in order, each with its direction, grouping mark, period (date rows only) and page break. Rows
// that cannot group take no grouping mark.
//
// Keys: Enter or a double click on an offered row chooses it; Delete removes the current chosen row;
// Ctrl+Up and Ctrl+Down move it; Tab past the last chosen row raises AqLastTabReached.

#include "controls/OrderRowDefinition.h"

#include <QWidget>

class QCheckBox;
class QTableWidget;
class QTreeWidget;

namespace controls {

class OrderGrid : public QWidget {
    Q_OBJECT
public:
    enum Column { CaptionColumn, DirectionColumn, GroupColumn, PeriodColumn, PageBreakColumn };

    explicit OrderGrid(QWidget* parent = nullptr);

    // Empties the grid, the user's choice included, and shows the offer.
    void setOffer(const OrderOffer& offer);
    const OrderOffer& offer() const { return offer_; }

    // The chosen rows in the user's order.
    const std::vector<ChosenOrderRow>& chosenRows() const { return chosen_; }
    // Replaces the choice; throws std::invalid_argument naming a row the offer lacks or a mark it refuses.
    void setChosenRows(const std::vector<ChosenOrderRow>& rows);

    // Chooses the offered row (appended at the end); a row already chosen is not chosen twice.
    void choose(int offerRow);
    void remove(int chosenRow);
    void move(int chosenRow, int by);   // -1 up, +1 down
    void setDirection(int chosenRow, const QString& direction);
    void setGroup(int chosenRow, bool group);
    void setPeriod(int chosenRow, int period);
    void setPageBreak(int chosenRow, bool pageBreak);

    void setShowAllRows(bool show);

    QTreeWidget* offered() const { return offered_; }
    QTableWidget* chosenTable() const { return table_; }

signals:
    void CurrentRecordChanged();
    void AqLastTabReached();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const OrderRowDefinition* definition(const QString& caption) const;
    void checkRow(const ChosenOrderRow& row) const;
    void update(int chosenRow, const ChosenOrderRow& row);
    void showChosen(int current);
    void changed(int current);
    void updateVisibility();

    OrderOffer offer_;
    std::vector<ChosenOrderRow> chosen_;
    QTreeWidget* offered_;
    QTableWidget* table_;
    QCheckBox* showAll_;
};

} // namespace controls
