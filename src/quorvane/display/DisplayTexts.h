#pragma once
// The host text numbers the result display shows.

namespace quorvane::display {

// On the status panel when the movement grid takes the focus: how to open the selected movement.
inline constexpr int textMovementGridFocus = 38529;

} // namespace quorvane::display
