#pragma once
// Placing a program window in the host's frame. Program windows measure in twips (1/1440 inch, 15 to
// a pixel on a 96-dpi screen); a frame that is an MDI area takes the window as one of its sub-windows,
// any other frame (or none) leaves it a top-level window.

#include <QRect>

class QObject;
class QWidget;

namespace hostfw {

inline constexpr int twipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) { return twips / twipsPerPixel; }

// Puts the form in the frame at the given position and size (twips); answers the window that now
// carries the form's frame (the MDI sub-window, or the form itself).
QWidget* placeInHostFrame(QWidget* form, QObject* frame, const QRect& twips);

// Takes the form out of the window placeInHostFrame answered, which goes; the form stays, hidden.
void removeFromHostFrame(QWidget* form, QWidget* frameWindow);

} // namespace hostfw
