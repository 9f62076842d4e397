#include "display/GridFit.h"

namespace quorvane::display {

GridPlacement fitGridInFrame(int frameWidth, int frameHeight)
{
    return {0, 30, frameWidth, frameHeight};
}

} // namespace quorvane::display
