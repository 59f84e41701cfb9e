#pragma once

#include <QColor>

class QPalette;

namespace morva::gui {

// The contrast ratio of two colours as accessibility rules define it: 1
// (same luminance) to 21 (black on white); text needs at least 4.5.
double contrastRatio(const QColor& first, const QColor& second);
inline constexpr double kMinimumTextContrast = 4.5;

// Whether the palette's base (the background of views and fields) is dark.
bool isDarkBase(const QPalette& palette);

} // namespace morva::gui
