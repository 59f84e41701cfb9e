// Pictures of the import preview (a forwarding list with refused and
// repeated rows) and of the export dialog of a list with passwords, for
// looking at them and for the README:
//   morva_import_shots <output dir> <language 0..4>
#include "config/ConfigStore.h"
#include "config/ListTransfer.h"
#include "db/CertificateSettings.h"
#include "db/DataSet.h"
#include "db/RecordTransfer.h"
#include "gui/ListExportDialog.h"
#include "gui/ListImportDialog.h"
#include "gui/MessageBox.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/GuiDataSetFeedback.h"
#include "records/RecordTransferActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

using namespace morva;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    const int language = argc > 2 ? std::atoi(argv[2]) : 0;
    const QString suffix = QStringLiteral("-%1").arg(language == 1   ? "de"
                                                     : language == 0 ? "en"
                                                                     : "x");
    QDir().mkpath(dir);
    QTemporaryDir scratch;
    const std::string programDir = scratch.path().toStdString() + "/";
    std::ofstream(programDir + "DataAlia.DAT", std::ios::binary)
        << "| |info@example.com" + std::string(128 - 16, ' ') + "|anna@corp.example" +
               std::string(128 - 17, ' ') + "| |" + std::string(118, ' ') + "|\r\n";
    const std::string csv = programDir + "migration.csv";
    std::ofstream(csv, std::ios::binary) << "forward address,target address,deliver\r\n"
                                            "sales@example.com,bob@corp.example,1\r\n"
                                            "support@example.com,carl@corp.example,0\r\n"
                                            "info@example.com,anna@corp.example,0\r\n"
                                            "billing@example.com,dora@corp..example,0\r\n"
                                            "jobs@example.com,\r\n"
                                            "press@example.com,erik@corp.example,yes\r\n"
                                            "sales@example.com,bob@corp.example,1\r\n"
                                            "team@example.com,frida@corp.example,maybe\r\n"
                                            "news@example.com,gina@corp.example\r\n";

    platform::PosixFileSystem fs;
    platform::FakeClock clock;
    records::GuiDataSetFeedback feedback(nullptr);
    db::DataSet dataSet(fs, clock, programDir, db::CertificateSettings{}, &feedback, language);
    gui::ScopedMessageCatcher messages;
    records::RecordContext context;
    context.dataSet = &dataSet;
    context.language = language;
    context.runDialog = [&](QDialog& dialog) {
        if (auto* importer = dynamic_cast<gui::ListImportDialog*>(&dialog)) {
            importer->loadFile(QString::fromStdString(csv));
            importer->show();
            importer->preview()->selectRow(3);
            QApplication::processEvents();
            importer->grab().save(dir + QStringLiteral("/import-preview") + suffix + ".png");
        }
        return static_cast<int>(QDialog::Rejected);
    };
    dataSet.acquire(1);
    records::Cwm_AliasListDlg list(context);
    records::attachRecordTransfer(list, db::RecordTable::Alias, context);
    list.refill();
    list.show();
    QApplication::processEvents();
    list.grab().save(dir + QStringLiteral("/import-list-buttons") + suffix + ".png");
    records::importRecords(list, db::RecordTable::Alias, context);

    gui::ExportSource source;
    source.listName = QStringLiteral("InboundSMTPAuthUserPass");
    source.offersText = true;
    source.holdsPasswords = true;
    source.total = 12;
    source.selected = 3;
    source.produce = [](bool, config::TransferFormat, config::TextForm, std::size_t*) {
        return std::string();
    };
    gui::ListExportDialog exporter(source, language);
    exporter.show();
    QApplication::processEvents();
    exporter.grab().save(dir + QStringLiteral("/import-export-dialog") + suffix + ".png");
    dataSet.release();
    return 0;
}
