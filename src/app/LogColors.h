#pragma once

#include "log/LogCategory.h"

#include <QColor>

class QPalette;

namespace morva::app {

// Colours of the log view, each with a variant for dark palettes: the row
// background of a category and the mark of the n-th filter term.
bool isDarkPalette(const QPalette& palette);
QColor categoryColor(log::LogCategory category, bool dark); // invalid for None
QColor termColor(int term, bool dark);
QColor termTextColor(bool dark);

} // namespace morva::app
