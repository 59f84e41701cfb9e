#include "app/Cwm_AboutDlg.h"
#include "platform/UrlOpener.h"
#include "resources/Texts.h"

#include <QLabel>
#include <gtest/gtest.h>

using morva::app::Cwm_AboutDlg;

// The About box names the version the build was configured with, the same
// that `morvactl --version` prints, in every language.
TEST(AboutBox, ShowsTheProjectVersion)
{
    morva::platform::FakeUrlOpener opener;
    for (int language = 0; language < morva::kLanguageCount; ++language) {
        Cwm_AboutDlg dialog(nullptr, language, opener);
        const auto* product = dialog.findChild<QLabel*>(QStringLiteral("product"));
        ASSERT_NE(product, nullptr);
        EXPECT_EQ(product->text(), QStringLiteral("Morva v" MORVA_PROJECT_VERSION)) << language;
        EXPECT_EQ(product->textFormat(), Qt::PlainText);
    }
}
