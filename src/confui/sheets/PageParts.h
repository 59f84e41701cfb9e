#pragma once

// Small helpers for page data that several sheets share.
#include "confui/Catalogue.h"

#include <initializer_list>
#include <vector>

namespace morva::confui::sheets {

// Appends `more` to `controls`.
inline void append(std::vector<Control>& controls, std::initializer_list<Control> more)
{
    controls.insert(controls.end(), more.begin(), more.end());
}

// The usual tail of a filter: its inbound action combo and its "Exclude"
// button, both enabled by the filter's switch (when given).
inline std::vector<Control> actionAndExclude(const std::string& actionKey, const std::string& stem,
                                             const std::string& switchKey = {},
                                             ExclShape shape = ExclShape::All)
{
    Control action = actionCombo(actionKey, "confui.action.label");
    Control button = exclude(stem, shape).inSameRow();
    if (!switchKey.empty()) {
        action = action.enabledBy(switchKey);
        button = button.enabledBy(switchKey);
    }
    return {action, button};
}

inline PageDef page(std::string name, std::string anchor, std::vector<Control> controls,
                    std::string hook = {})
{
    std::string caption = "confui.page." + name;
    return PageDef(std::move(name), std::move(caption), std::move(anchor), std::move(controls),
                   std::move(hook));
}

} // namespace morva::confui::sheets
