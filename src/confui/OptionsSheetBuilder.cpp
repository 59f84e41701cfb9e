#include "confui/OptionsSheetBuilder.h"

#include "config/ConfigStore.h"
#include "confui/Cwm_ConfPropSheet.h"
#include "confui/Cwm_MVFPropSheet.h"
#include "confui/Messages.h"
#include "confui/OptionsPresets.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace morva::confui {

namespace {
// A dialog gives the focus to its first control when it shows and when it
// becomes active: the control a sheet was opened for takes it back.
class FocusWhenShown : public QObject
{
public:
    FocusWhenShown(QWidget* control, QObject* parent) : QObject(parent), m_control(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::WindowActivate) {
            QPointer<QWidget> control = m_control;
            QTimer::singleShot(0, this, [control] {
                if (control)
                    control->setFocus(Qt::OtherFocusReason);
            });
            if (type == QEvent::WindowActivate)
                watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_control;
};

void addPagesOf(Cwm_BasePropSheet& sheet, const SheetDef& definition)
{
    for (const SheetPage& entry : definition.pages)
        if (const PageDef* page = catalogue().page(entry.page))
            sheet.addPage(*page, entry.caption);
    if (definition.preloadPages)
        sheet.loadAllPages();
}

std::unique_ptr<Cwm_BasePropSheet> makeSheet(SheetKind kind, const SheetEnvironment& environment,
                                             const QString& caption, int type, QWidget* parent)
{
    switch (kind) {
    case SheetKind::Advanced:
        return std::make_unique<Cwm_ConfPropSheet>(environment, caption, type, parent);
    case SheetKind::AddOn:
        return std::make_unique<Cwm_MVFPropSheet>(environment, caption, type, parent);
    case SheetKind::Options:
        break;
    }
    return std::make_unique<Cwm_IniPropSheet>(environment, caption, type, parent);
}
} // namespace

std::unique_ptr<Cwm_IniPropSheet> buildOptionsSheet(int type, const SheetEnvironment& environment,
                                                    QWidget* parent)
{
    const Catalogue& pages = catalogue();
    const SheetDef* definition = pages.sheet(type);
    if (!definition || type == kFallbackSheetType || definition->kind != SheetKind::Options)
        definition = pages.sheet(kFallbackSheetType);
    const std::string caption = definition && definition->type == type
                                    ? definition->caption
                                    : std::string("confui.sheet.fallback");
    auto sheet = std::make_unique<Cwm_IniPropSheet>(
        environment, uiText(caption, environment.language), type, parent);
    if (!definition)
        return sheet;
    addPagesOf(*sheet, *definition);
    sheet->setWizardMode(definition->wizard && definition->type == type);
    return sheet;
}

std::unique_ptr<Cwm_BasePropSheet>
buildCatalogueSheet(int type, const SheetEnvironment& environment, QWidget* parent)
{
    const SheetDef* definition = catalogue().sheet(type);
    if (!definition || definition->kind == SheetKind::Options)
        return buildOptionsSheet(type, environment, parent);
    auto sheet = makeSheet(definition->kind, environment,
                           uiText(definition->caption, environment.language), type, parent);
    addPagesOf(*sheet, *definition);
    return sheet;
}

bool saveOrReport(const SheetEnvironment& environment, QWidget* parent)
{
    if (environment.store->save()) {
        if (environment.store->lastSaveStatus() == config::SaveStatus::SavedNotDurable)
            showMessage(parent, MessageKind::Notice,
                        uiText("confui.savedNotDurable", environment.language));
        return true;
    }
    showMessage(parent, MessageKind::Failure,
                QString::fromStdString(saveFailureText(*environment.store, environment.language)));
    return false;
}

void runAddOnQuery(const SheetEnvironment& environment, QWidget* parent)
{
    config::ConfigStore& store = *environment.store;
    if (store.getInt("AdminMVFQueryStatus") != AddOnNotQueried)
        return;
    store.setInt("AdminMVFQueryStatus", AddOnAbsent);
    openSheet(kAddOnSheetType, environment, parent);
    if (applyAddOnStatus(store) > 0)
        saveOrReport(environment, parent);
}

bool showSheetStart(Cwm_BasePropSheet& sheet, const SheetStart& start)
{
    for (int index = 0; index < sheet.pageCount(); ++index) {
        ConfigPage* page = sheet.page(index);
        if (page->name() != start.page)
            continue;
        if (!sheet.setActivePage(index, false))
            return false;
        QWidget* control = start.key.empty() ? nullptr : page->widgetFor(start.key);
        // A disabled control cannot take the focus: the switch that enables it does.
        if (control && !control->isEnabled())
            for (const Control& item : page->definition().controls)
                if (item.key == start.key && !item.enabler.empty())
                    if (QWidget* enabler = page->widgetFor(item.enabler))
                        control = enabler;
        if (control) {
            control->setFocus(Qt::OtherFocusReason);
            sheet.installEventFilter(new FocusWhenShown(control, &sheet));
        }
        return true;
    }
    return false;
}

int openSheet(int type, const SheetEnvironment& environment, QWidget* parent,
              const SheetStart& start)
{
    const SheetDef* definition = catalogue().sheet(type);
    if (definition && definition->addOnQuery)
        runAddOnQuery(environment, parent);
    auto sheet = buildCatalogueSheet(type, environment, parent);
    if (!start.page.empty())
        showSheetStart(*sheet, start);
    const int result = sheet->environment().runDialog(*sheet);
    const bool optionsSheet = !definition || definition->kind == SheetKind::Options;
    if (!optionsSheet || (result != kIdOk && result != kWizardFinish))
        return result;
    config::ConfigStore& store = *environment.store;
    store.setBool("IniWizard", false);
    if (definition && !definition->hook.empty())
        if (const SheetHooks* hooks = catalogue().sheetHooks(definition->hook);
            hooks && hooks->confirmed)
            hooks->confirmed(store, sheet->sheetValues());
    // The sheet has already said once that the file could not be written.
    if (sheet->saveFailed())
        store.save();
    else
        saveOrReport(environment, parent);
    return result;
}

} // namespace morva::confui
