// Saves pictures of the pending-changes and the conflict dialogs of a sheet
// over a program directory (the demo's), for the README:
//   morva_confui_merge_shots <program dir> <morvactl> <output dir> <language 0..4> <suffix>
// The sheet edits a few settings; morvactl then changes one of them on disk,
// and OK shows the conflict (answered with Cancel: nothing is saved).
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/ChangesDialog.h"
#include "confui/ConflictDialog.h"
#include "confui/Cwm_IniPropSheet.h"
#include "confui/ListBox.h"
#include "confui/OptionsSheetBuilder.h"
#include "platform/Clock.h"
#include "platform/SystemFileSystem.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace morva;

namespace {

confui::ConfigPage* showPage(confui::Cwm_BasePropSheet& sheet, const char* name)
{
    for (int index = 0; index < sheet.pageCount(); ++index)
        if (sheet.page(index)->name() == name) {
            sheet.setActivePage(index, false);
            return sheet.page(index);
        }
    return nullptr;
}

void type(confui::ConfigPage* page, const char* key, const QString& text)
{
    QLineEdit* edit = page ? page->numberFieldFor(key) : nullptr;
    if (!edit)
        return;
    edit->setText(text);
    emit edit->textEdited(text);
}

void grab(QDialog& dialog, const QString& path)
{
    dialog.show();
    dialog.adjustSize();
    QApplication::processEvents();
    dialog.grab().save(path);
    std::printf("%s\n", path.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR MORVACTL OUT_DIR LANGUAGE SUFFIX\n", argv[0]);
        return 2;
    }
    const std::string programDir = std::string(argv[1]) + "/";
    const std::string morvactl = argv[2];
    const QString out = QString::fromLocal8Bit(argv[3]);
    const int language = std::atoi(argv[4]);
    const QString suffix = QString::fromLocal8Bit(argv[5]);
    auto fs = platform::makeSystemFileSystem();
    platform::FakeClock clock;
    config::ConfigStore store(*fs, clock, programDir);
    config::registerSchema(store);
    store.load();
    confui::SheetEnvironment environment;
    environment.store = &store;
    environment.language = language;
    environment.programDir = programDir;
    environment = confui::withDesktopDefaults(environment);
    environment.runDialog = [&](QDialog& dialog) {
        if (dynamic_cast<confui::ChangesDialog*>(&dialog))
            grab(dialog, out + QStringLiteral("/merge-changes-%1.png").arg(suffix));
        if (auto* conflicts = dynamic_cast<confui::ConflictDialog*>(&dialog)) {
            conflicts->choose(0, confui::ConflictDialog::KeepMine);
            grab(dialog, out + QStringLiteral("/merge-conflict-%1.png").arg(suffix));
        }
        dialog.hide();
        return int(QDialog::Rejected);
    };
    auto sheet = confui::buildOptionsSheet(2, environment);
    sheet->show();
    confui::ConfigPage* connections = showPage(*sheet, "IniCon");
    type(connections, "SmartHost", QStringLiteral("relay.example.net"));
    type(connections, "InboundSMTPMaxConnections", QStringLiteral("40"));
    type(connections, "OutboundSMTPAuthPassword", QStringLiteral("s3cret"));
    if (confui::ConfigPage* relay = showPage(*sheet, "IniRel"))
        if (confui::ListBox* list = relay->listFor("SMTPRelayAllowIP"))
            list->addMissing({"172.16.5.0/24"});
    if (confui::ConfigPage* auth = showPage(*sheet, "IniAuth"))
        if (confui::ListBox* list = auth->listFor("InboundSMTPAuthUserPass"))
            list->addMissing({"bert hunter2"});
    QApplication::processEvents();
    sheet->showChanges();
    // Another administrator changes two of the same settings meanwhile.
    const std::string command = "'" + morvactl + "' --program-dir '" + programDir +
                                "' config set SmartHost mx.provider.example >/dev/null && '" +
                                morvactl + "' --program-dir '" + programDir +
                                "' config set InboundSMTPMaxConnections 25 >/dev/null";
    if (std::system(command.c_str()) != 0)
        return 1;
    sheet->ok();
    return 0;
}
