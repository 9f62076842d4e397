#pragma once
// CHK_VIEWRIGHE: the detail pane under the movement grid closed and opened again where the user left it.
// Closing remembers the splitter's position and percentage; opening restores them, or the first split
// (position 750, percentage 60) when nothing was remembered yet.

#include "controls/SplitterPanel.h"

#include <cstdint>

namespace quorvane::display {

class DetailPaneSwitch {
public:
    static constexpr int firstPosition = 750;
    static constexpr std::int16_t firstPercentage = 60;

    // The check box's new state: false closes the pane, true opens it.
    void CHK_VIEWRIGHE_Click(bool shown, controls::SplitterPanel& splitter);
    // The movement grid's share of the height while the pane is open: the split the user left, or the first.
    std::int16_t openPercentage(const controls::SplitterPanel& splitter, bool shown) const;
    // The split a new window takes from the user's last one; a share that closes either pane is ignored.
    void startFrom(int percentage);

private:
    int savedPosition_ = 0;               // 0: not saved yet
    std::int16_t savedPercentage_ = 0;
};

} // namespace quorvane::display
