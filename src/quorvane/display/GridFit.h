#pragma once
// Each grid fills its frame when the splitter moves: placed just under the frame's top edge, as wide and as
// high as the frame (twips).

namespace quorvane::display {

struct GridPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const GridPlacement&) const = default;
};

GridPlacement fitGridInFrame(int frameWidth, int frameHeight);

} // namespace quorvane::display
