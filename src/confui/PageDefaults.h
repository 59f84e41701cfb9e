#pragma once

// What a page shows about defaults: a control whose value differs from its
// key's default has a bold label, each control's tooltip names the default,
// and each control's context menu offers "Reset to default". The page
// engine asks; this part knows the defaults and the marks.

#include "config/ConfigEntry.h"
#include "confui/Catalogue.h"

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

class PageDefaults
{
public:
    PageDefaults(const config::ConfigStore& store, int language);

    // The value a control shows for its key's default, as the page's
    // setValue takes it (PurgeDays: `flag` whether the box is ticked).
    FieldValue defaultValue(const Control& control) const;

    // Whether `current` (the control's value as the page reads it) differs
    // from the default; `items` are a list control's entries.
    bool differs(const Control& control, const FieldValue& current,
                 const std::vector<std::string>& items) const;

    // "Default: 300" in the page's language; a combo names the item shown
    // for the default. Empty for a control that binds no key.
    QString defaultTip(const Control& control, const QComboBox* combo) const;

    // Bold or normal text for the widget that carries a control's label.
    static void markChanged(QWidget* labelWidget, bool changed);

    // Gives `widget` a context menu with "Reset to default" (behind the
    // usual entries of a line edit) that calls `reset`, and, when `show` is
    // given, "Show in All Settings" that calls it.
    void addResetAction(QWidget* widget, std::function<void()> reset,
                        std::function<void()> show = {}) const;

    static const char* const kResetTextId;
    static const char* const kShowInBrowserTextId;

private:
    // The default of a key the store registers (kept: the marks are
    // brought up to date on every edit); nullptr for any other key.
    const config::ConfigValue* defaultOf(const Control& control) const;

    const config::ConfigStore& m_store;
    int m_language;
    mutable std::map<std::string, config::ConfigValue, std::less<>> m_defaults;
};

} // namespace morva::confui
