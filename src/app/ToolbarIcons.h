#pragma once

#include <QIcon>

namespace morva::app {

// The console's own icon set, drawn with QPainter so that it scales and
// needs no image files: one glyph per toolbar command in a common style
// (dark outline, one accent colour per group, 24 x 24 design grid).
QIcon toolbarIcon(int commandId);

// The main window's icon.
QIcon applicationIcon();

} // namespace morva::app
