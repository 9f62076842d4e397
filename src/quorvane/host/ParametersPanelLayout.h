#pragma once
// The parameters panel of the window, laid out in the order the user reads and fills it.

class QWidget;

namespace quorvane::host {

struct FormControls;

// Creates the panel's controls as children of the window, with their captions, lengths and masks, lays
// them out and chains the Tab key through them in reading order.
void buildParametersPanel(FormControls& c, QWidget* window);

} // namespace quorvane::host
