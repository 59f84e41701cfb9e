#include "gui/Contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace morva::gui {

namespace {
double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}
} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDarkBase(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

} // namespace morva::gui
