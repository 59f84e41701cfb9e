#include "confui/Cwm_ExclPropSheet.h"

#include "confui/QtTexts.h"

namespace morva::confui {

namespace {
constexpr int kExclusionSheetType = 200;
}

std::vector<PageDef> Cwm_ExclPropSheet::pagesFor(const std::string& stem, ExclShape shape)
{
    std::vector<PageDef> pages;
    pages.emplace_back(
        "ExclIP", "confui.page.ExclIP", "",
        std::vector<Control>{list(stem + "IP", "confui.ExclIP.list", "EditIP", ListKind::Ip)});
    pages.emplace_back(
        "ExclHost", "confui.page.ExclHost", "",
        std::vector<Control>{list(stem + "Host", "confui.ExclHost.list", "EditHost")});
    if (shape != ExclShape::HostIp)
        pages.emplace_back(
            "ExclFrom", "confui.page.ExclFrom", "",
            std::vector<Control>{list(stem + "FromAddress", "confui.ExclFrom.list", "EditAdr")});
    if (shape == ExclShape::All)
        pages.emplace_back(
            "ExclTo", "confui.page.ExclTo", "",
            std::vector<Control>{list(stem + "ToAddress", "confui.ExclTo.list", "EditAdr")});
    return pages;
}

Cwm_ExclPropSheet::Cwm_ExclPropSheet(const SheetEnvironment& environment, const std::string& stem,
                                     ExclShape shape, QWidget* parent)
    : Cwm_BasePropSheet(environment, uiText("confui.sheet.exclude", environment.language),
                        kExclusionSheetType, parent),
      m_stem(stem), m_shape(shape)
{
    for (const PageDef& definition : pagesFor(stem, shape))
        addPage(definition);
}

std::vector<std::string> Cwm_ExclPropSheet::keys() const
{
    std::vector<std::string> result;
    for (int index = 0; index < pageCount(); ++index)
        result.push_back(page(index)->definition().controls.front().key);
    return result;
}

} // namespace morva::confui
