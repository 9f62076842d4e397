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

} // namespace quorvane::display
