#pragma once

#include <QIcon>

/// The icon of the program's windows: images drawn at the sizes a window manager asks for
/// (16 to 256 pixels), and the SVG for every other size.
QIcon AppIcon();
