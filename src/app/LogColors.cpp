#include "app/LogColors.h"

#include <QPalette>
#include <array>

namespace morva::app {

namespace {

struct Pair
{
    QRgb light;
    QRgb dark;
};

// By log::LogCategory, None first.
constexpr std::array<Pair, log::kLogCategoryCount> kCategories = {{
    {0, 0},
    {0xFDDCDC, 0x4D2427}, // rejections and blocks
    {0xDDF2DA, 0x1F3D24}, // deliveries
    {0xEFD9F7, 0x40264C}, // virus findings
    {0xFFEBC7, 0x4D3B17}, // errors and warnings
    {0xDCEBFB, 0x1C3350}, // connections
}};

constexpr std::array<Pair, 6> kTerms = {{
    {0xFFD84D, 0x8C6D00},
    {0x7FE3F0, 0x006A78},
    {0xA6E88A, 0x2F6E12},
    {0xFFA3C8, 0x8A2452},
    {0xFFB870, 0x8A4A00},
    {0xC4B5FF, 0x4B3A9C},
}};

} // namespace

bool isDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor categoryColor(log::LogCategory category, bool dark)
{
    const auto at = static_cast<std::size_t>(category);
    if (category == log::LogCategory::None || at >= kCategories.size())
        return {};
    return QColor::fromRgb(dark ? kCategories[at].dark : kCategories[at].light);
}

QColor termColor(int term, bool dark)
{
    const Pair& pair = kTerms[static_cast<std::size_t>(std::max(term, 0)) % kTerms.size()];
    return QColor::fromRgb(dark ? pair.dark : pair.light);
}

QColor termTextColor(bool dark)
{
    return dark ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace morva::app
