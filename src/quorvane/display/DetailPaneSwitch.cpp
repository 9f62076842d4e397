#include "display/DetailPaneSwitch.h"

namespace quorvane::display {

void DetailPaneSwitch::CHK_VIEWRIGHE_Click(bool shown, controls::SplitterPanel& splitter)
{
    if (!shown) {
        savedPosition_ = splitter.Position();
        savedPercentage_ = static_cast<std::int16_t>(splitter.Percentage());
        splitter.setPosition(0);
        splitter.setPercentage(100);
        return;
    }
    splitter.setPosition(savedPosition_ != 0 ? savedPosition_ : firstPosition);
    splitter.setPercentage(savedPercentage_ != 0 ? savedPercentage_ : firstPercentage);
}

std::int16_t DetailPaneSwitch::openPercentage(const controls::SplitterPanel& splitter, bool shown) const
{
    if (shown)
        return static_cast<std::int16_t>(splitter.Percentage());
    return savedPercentage_ != 0 ? savedPercentage_ : firstPercentage;
}

void DetailPaneSwitch::startFrom(int percentage)
{
    if (percentage > 0 && percentage < 100)
        savedPercentage_ = static_cast<std::int16_t>(percentage);
}

} // namespace quorvane::display
