#pragma once
// Two panes one above the other with a bar between them that the user drags. The split is held as two
// values: the percentage of the height the upper pane takes (100 leaves the lower pane closed), and the
// position, the least height in twips the lower pane keeps while it is open (0: no least height). The split
// holds while the panel is resized; a drag sets a new percentage.

#include <QSplitter>

namespace controls {

class SplitterPanel : public QSplitter {
    Q_OBJECT
public:
    explicit SplitterPanel(QWidget* parent = nullptr);

    // The upper and lower panes; each takes the panel's width and its share of the height.
    void setPanes(QWidget* upper, QWidget* lower);

    int Position() const { return position_; }
    void setPosition(int twips);
    int Percentage() const { return percentage_; }
    void setPercentage(int percentage);          // kept within 0…100

    bool lowerPaneOpen() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applySplit();
    void takeDraggedSplit();

    int position_ = 0;
    int percentage_ = 60;
};

} // namespace controls
