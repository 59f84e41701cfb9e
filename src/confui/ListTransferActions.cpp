#include "confui/ListTransferActions.h"

#include "config/SecretValues.h"
#include "confui/Catalogue.h"
#include "confui/ListBox.h"
#include "confui/QtTexts.h"
#include "confui/SheetEnvironment.h"
#include "gui/ListExportDialog.h"
#include "gui/ListImportDialog.h"
#include "gui/MessageBox.h"

#include <QAction>
#include <QTableView>

namespace morva::confui {

namespace {

// The checks of the entry dialog's fields, on an entry in its stored form.
std::function<config::ValueCheck(std::string_view)> dialogCheck(const std::string& dialogName)
{
    const EntryDialogDef* dialog = catalogue().entryDialog(dialogName);
    if (!dialog || dialog->fields.empty())
        return {};
    const EntryCodec* codec = dialog->codec.empty() ? nullptr : catalogue().codec(dialog->codec);
    const std::vector<EntryField> fields = dialog->fields;
    if (!codec && fields.size() != 1)
        return {};
    auto split = codec ? codec->split : EntryCodec::Split{};
    return [fields, split](std::string_view entry) {
        const std::vector<std::string> parts =
            split ? split(std::string(entry)) : std::vector<std::string>{std::string(entry)};
        for (std::size_t i = 0; i < fields.size() && i < parts.size(); ++i) {
            if (!fields[i].choices.empty())
                continue;
            config::ValueCheck check = config::checkText(fields[i].check, parts[i]);
            if (!check.ok())
                return check;
        }
        return config::ValueCheck{};
    };
}

int runTransferDialog(QDialog& dialog, const SheetEnvironment& environment)
{
    return environment.runDialog ? environment.runDialog(dialog) : dialog.exec();
}

} // namespace

config::ListTarget listTargetOf(const ListBox& box)
{
    const ListBinding& binding = box.binding();
    config::ListTarget target;
    target.key = binding.key();
    target.keepsComments = binding.keepsComments();
    target.utf8 = binding.heldAsUtf8();
    target.networks = binding.kind() == ListKind::Ip;
    if (const auto rule = config::valueRule(binding.key()))
        target.networks = target.networks || rule->check == config::TextCheck::IpNetwork;
    target.entryCheck = dialogCheck(binding.entryDialog());
    return target;
}

void attachListTransfer(ListBox& box, const SheetEnvironment& environment)
{
    QTableView* view = box.view();
    auto* importAction = new QAction(uiText("import.menu.import", environment.language), view);
    auto* exportAction = new QAction(uiText("import.menu.export", environment.language), view);
    view->addAction(importAction);
    view->addAction(exportAction);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(importAction, &QAction::triggered, &box,
                     [&box, &environment] { importListEntries(box, environment); });
    QObject::connect(exportAction, &QAction::triggered, &box,
                     [&box, &environment] { exportListEntries(box, environment); });
}

void importListEntries(ListBox& box, const SheetEnvironment& environment)
{
    ListBinding& binding = box.binding();
    const config::ListTarget listTarget = listTargetOf(box);
    gui::ImportTarget target;
    target.listName = QString::fromStdString(binding.key());
    target.offersText = true;
    if (config::holdsSecret(binding.key()))
        target.secretKey = binding.key();
    target.plan = [&binding, listTarget](std::string_view bytes, config::TransferFormat format,
                                         config::ImportMode mode, config::ImportPlan* plan,
                                         const config::TransferProgress& progress) {
        return config::planListImport(listTarget, bytes, format, mode, binding.values(), plan,
                                      progress);
    };
    // The list changes in the page only; the sheet's OK saves it.
    target.apply = [&box, &binding](const config::ImportPlan& plan, config::ImportMode mode) {
        std::vector<std::string> values = binding.values();
        std::vector<std::string> comments = binding.comments();
        config::applyListImport(plan, mode, &values, &comments);
        binding.assign(std::move(values), std::move(comments));
        box.refill();
        emit box.changed();
        return QString();
    };
    gui::ListImportDialog dialog(std::move(target), environment.language, &box);
    runTransferDialog(dialog, environment);
}

void exportListEntries(ListBox& box, const SheetEnvironment& environment)
{
    const ListBinding& binding = box.binding();
    gui::ExportSource source;
    source.listName = QString::fromStdString(binding.key());
    source.offersText = true;
    source.holdsPasswords = config::holdsSecret(binding.key());
    source.total = binding.size();
    std::vector<std::size_t> selected;
    for (std::size_t position : box.selectedPositions())
        selected.push_back(position - 1);
    source.selected = selected.size();
    const config::ListTarget target = listTargetOf(box);
    source.produce = [&binding, target, selected](bool selectionOnly, config::TransferFormat format,
                                                  config::TextForm form, std::size_t* lost) {
        config::ListExport exported =
            config::exportList(target, binding.values(), binding.comments(), format, form,
                               selectionOnly ? &selected : nullptr);
        *lost = exported.lostCharacters;
        return std::move(exported.text);
    };
    gui::ListExportDialog dialog(std::move(source), environment.language, &box);
    runTransferDialog(dialog, environment);
}

} // namespace morva::confui
