#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// First sizes and restored places of top-level windows, kept within the
// available area of the screen they open on: a size chosen for a large
// screen must not push a status bar or a dialog's buttons below the edge
// of a small one.
namespace WindowSize {

// The wanted size where it fits; otherwise as much of it as the available
// area holds once the frame is around it. A null available area (no
// screen) keeps the wanted size.
QSize fitted(const QSize &wanted, const QRect &available, const QMargins &frame = QMargins());

// A window geometry (without frame) shrunk as fitted() does and moved so
// that its frame lies within the available area.
QRect fittedGeometry(const QRect &geometry, const QRect &available, const QMargins &frame = QMargins());

// The available area of the screen the window opens on: its parent's screen
// for a window that has one, else its own.
QRect availableGeometry(const QWidget *window);

// The frame the window system puts around the window: known once the
// window or its parent has been shown, estimated before.
QMargins frameAllowance(const QWidget *window);

// Gives a top-level window its first size, or less where its screen is smaller.
void resizeToFit(QWidget *window, const QSize &wanted);

// Shrinks and moves a window whose geometry was restored from an earlier
// run onto the available area of its screen (a maximised or full-screen
// window is left to the window system).
void keepOnScreen(QWidget *window);

} // namespace WindowSize
