#include "gui/ListExportDialog.h"

#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace morva::gui {

ListExportDialog::ListExportDialog(ExportSource source, int language, QWidget* parent)
    : QDialog(parent), m_source(std::move(source)), m_language(language)
{
    setWindowTitle(uiText("import.caption.export", language, {m_source.listName}));
    auto* layout = new QVBoxLayout(this);

    auto* rangeBox = new QWidget(this);
    auto* range = new QVBoxLayout(rangeBox);
    range->setContentsMargins(0, 0, 0, 0);
    m_whole = new QRadioButton(
        uiText("import.export.whole", language, {QString::number(m_source.total)}), rangeBox);
    m_selection = new QRadioButton(
        uiText("import.export.selection", language, {QString::number(m_source.selected)}),
        rangeBox);
    m_whole->setChecked(true);
    m_selection->setEnabled(m_source.selected > 0);
    range->addWidget(m_whole);
    range->addWidget(m_selection);
    layout->addWidget(rangeBox);

    auto* formatBox = new QWidget(this);
    auto* formats = new QVBoxLayout(formatBox);
    formats->setContentsMargins(0, 0, 0, 0);
    m_csv = new QRadioButton(uiText("import.format.csv", language), formatBox);
    m_text = new QRadioButton(uiText("import.format.text", language), formatBox);
    m_csv->setChecked(true);
    m_text->setVisible(m_source.offersText);
    formats->addWidget(m_csv);
    formats->addWidget(m_text);
    layout->addWidget(formatBox);

    m_eightBit = new QCheckBox(uiText("import.export.eightBit", language), this);
    layout->addWidget(m_eightBit);
    if (m_source.holdsPasswords) {
        m_passwords = new QLabel(uiText("import.export.passwords", language), this);
        m_passwords->setTextFormat(Qt::PlainText);
        m_passwords->setWordWrap(true);
        layout->addWidget(m_passwords);
    }
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(uiText("import.button.export", language), this);
    auto* cancel = new QPushButton(uiText("app.button.cancel", language), this);
    exportButton->setDefault(true);
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this, [this] { runExport(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool ListExportDialog::runExport()
{
    const bool text = m_text->isChecked();
    QString path;
    if (m_chooser) {
        path = m_chooser(this, true, text);
    } else {
        const QString filter =
            uiText(text ? "import.filter.text" : "import.filter.csv", m_language);
        path = QFileDialog::getSaveFileName(this, windowTitle(), QString(),
                                            filter + QStringLiteral(";;") +
                                                uiText("import.filter.all", m_language));
    }
    if (path.isEmpty())
        return false;
    const bool selectionOnly = m_selection->isChecked();
    std::size_t lost = 0;
    const std::string bytes = m_source.produce(
        selectionOnly, text ? config::TransferFormat::Text : config::TransferFormat::Csv,
        m_eightBit->isChecked() ? config::TextForm::EightBit : config::TextForm::Utf8, &lost);

    // Written whole or not at all; a file with passwords is the owner's alone.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && m_source.holdsPasswords)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    written = written && file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size());
    written = written && file.commit();
    if (!written) {
        MessageBox::show(this, MessageKind::Failure,
                         uiText("import.export.writeFailed", m_language,
                                {QDir::toNativeSeparators(path), file.errorString()}));
        return false;
    }
    QString done = uiText("import.export.done", m_language,
                          {QString::number(selectionOnly ? m_source.selected : m_source.total),
                           QDir::toNativeSeparators(path)});
    if (lost > 0)
        done +=
            QLatin1Char('\n') + uiText("import.export.lost", m_language, {QString::number(lost)});
    MessageBox::show(this, MessageKind::Notice, done);
    accept();
    return true;
}

} // namespace morva::gui
