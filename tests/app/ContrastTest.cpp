// The colours the console picks itself stay readable on a light and on a
// dark palette: at least 4.5:1 against what they are drawn on.
#include "gui/Contrast.h"

#include "app/LogColors.h"
#include "gui/DarkPalette.h"
#include "stats/StatChartPanel.h"

#include <QPalette>
#include <gtest/gtest.h>

using namespace morva;
using gui::contrastRatio;
using gui::kMinimumTextContrast;

namespace {
QPalette lightPalette()
{
    QPalette palette(Qt::black, QColor(0xef, 0xef, 0xef), Qt::white, Qt::darkGray, Qt::gray,
                     Qt::black, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));
    return palette;
}

std::string name(const QColor& colour)
{
    return colour.name().toStdString();
}
} // namespace

TEST(Contrast, RatioFollowsTheLuminanceRule)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::red, Qt::blue), contrastRatio(Qt::blue, Qt::red));
}

TEST(Contrast, LogRowsAndTermMarksAreReadableOnLightAndDarkPalettes)
{
    for (const QPalette& palette : {lightPalette(), gui::darkPalette()}) {
        const bool dark = app::isDarkPalette(palette);
        EXPECT_EQ(dark, gui::isDarkBase(palette));
        const QColor text = palette.color(QPalette::Text);
        EXPECT_GE(contrastRatio(text, palette.color(QPalette::Base)), kMinimumTextContrast);
        for (int category = 1; category < log::kLogCategoryCount; ++category) {
            const QColor row = app::categoryColor(static_cast<log::LogCategory>(category), dark);
            EXPECT_GE(contrastRatio(text, row), kMinimumTextContrast)
                << "category " << category << " " << name(row) << " dark " << dark;
            // Some rows show their text in the link colour.
            EXPECT_GE(contrastRatio(palette.color(QPalette::Link), row), kMinimumTextContrast)
                << "link on category " << category << " dark " << dark;
        }
        for (int term = 0; term < 6; ++term)
            EXPECT_GE(contrastRatio(app::termTextColor(dark), app::termColor(term, dark)),
                      kMinimumTextContrast)
                << "term " << term << " dark " << dark;
    }
}

TEST(Contrast, ChartLinesStandOutFromTheChartOnLightAndDarkPalettes)
{
    for (const QPalette& palette : {lightPalette(), gui::darkPalette()}) {
        const bool dark = gui::isDarkBase(palette);
        for (int line = 0; line < 10; ++line) {
            const QColor colour = stats::chartLineColour(line, dark);
            EXPECT_GE(contrastRatio(colour, palette.color(QPalette::Base)), kMinimumTextContrast)
                << "line " << line << " " << name(colour) << " dark " << dark;
        }
        EXPECT_NE(stats::chartLineColour(0, dark), stats::chartLineColour(1, dark));
    }
}
