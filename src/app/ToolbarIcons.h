#pragma once

#include <QIcon>
#include <QPalette>

namespace morva::app {

// The console's own icon set, drawn with QPainter so that it scales and
// needs no image files: one glyph per toolbar command in a common style
// (dark outline, one accent colour per group, 24 x 24 design grid). On a
// dark palette the glyphs carry a light rim.
QIcon toolbarIcon(int commandId, const QPalette& palette);

// The main window's icon.
QIcon applicationIcon();

} // namespace morva::app
