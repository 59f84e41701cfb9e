#include "gui/ListImportDialog.h"

#include "config/SecretValues.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace morva::gui {

using config::RowMark;

namespace {

// Tool tips take text that looks like markup as rich text: this one never does.
QString plainToolTip(const QString& text)
{
    return QStringLiteral("<qt>") +
           text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
           QStringLiteral("</qt>");
}

} // namespace

// Every row of a plan: its line, the result of its check and its fields,
// all as plain text (the file's contents are never markup).
class ImportPreviewModel final : public QAbstractTableModel
{
public:
    ImportPreviewModel(int language, std::string secretKey, QObject* parent)
        : QAbstractTableModel(parent), m_language(language), m_secretKey(std::move(secretKey))
    {
    }

    void setPlan(const config::ImportPlan* plan)
    {
        beginResetModel();
        m_plan = plan;
        m_columns = plan ? plan->columns.size() : 0;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_plan ? 0 : static_cast<int>(m_plan->rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(2 + m_columns);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        if (section == 0)
            return uiText("import.column.line", m_language);
        if (section == 1)
            return uiText("import.column.check", m_language);
        return QString::fromStdString(m_plan->columns[static_cast<std::size_t>(section - 2)]);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_plan || !index.isValid())
            return {};
        const config::ImportRow& row = m_plan->rows[static_cast<std::size_t>(index.row())];
        const int column = index.column();
        if (role == Qt::DisplayRole) {
            if (column == 0)
                return QString::number(row.line);
            if (column == 1)
                return checkText(row);
            const auto field = static_cast<std::size_t>(column - 2);
            if (field >= row.fields.size())
                return {};
            const std::string& value = row.fields[field];
            return QString::fromStdString(
                m_secretKey.empty() ? value : config::maskSecret(m_secretKey, value));
        }
        if (role == Qt::DecorationRole && column == 1 && row.mark != RowMark::Accepted)
            return QApplication::style()->standardIcon(row.mark == RowMark::Refused
                                                           ? QStyle::SP_MessageBoxCritical
                                                           : QStyle::SP_MessageBoxWarning);
        if (role == Qt::ToolTipRole && row.mark != RowMark::Accepted &&
            (column == 1 ||
             (row.mark == RowMark::Refused && column == static_cast<int>(2 + row.column))))
            return plainToolTip(checkText(row));
        return {};
    }

private:
    QString checkText(const config::ImportRow& row) const
    {
        if (row.mark == RowMark::Accepted)
            return uiText("import.rowOk", m_language);
        return QString::fromStdString(config::importRowMessage(row, m_language));
    }

    int m_language;
    std::string m_secretKey;
    const config::ImportPlan* m_plan = nullptr;
    std::size_t m_columns = 0;
};

ListImportDialog::ListImportDialog(ImportTarget target, int language, QWidget* parent)
    : QDialog(parent), m_target(std::move(target)), m_language(language)
{
    setWindowTitle(uiText("import.caption.import", language, {m_target.listName}));
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(uiText("import.label.file", language), this);
    m_file = new QLineEdit(this);
    m_file->setReadOnly(true);
    fileLabel->setBuddy(m_file);
    auto* browse = new QPushButton(uiText("import.button.browse", language), this);
    browse->setAutoDefault(false);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);

    // Each group of radio buttons has a widget of its own: buttons of one
    // parent exclude each other.
    auto* options = new QHBoxLayout;
    auto* formatBox = new QWidget(this);
    auto* formats = new QVBoxLayout(formatBox);
    formats->setContentsMargins(0, 0, 0, 0);
    m_csv = new QRadioButton(uiText("import.format.csv", language), formatBox);
    m_text = new QRadioButton(uiText("import.format.text", language), formatBox);
    m_csv->setChecked(true);
    formats->addWidget(m_csv);
    formats->addWidget(m_text);
    formatBox->setVisible(m_target.offersText);
    auto* modeBox = new QWidget(this);
    auto* modes = new QVBoxLayout(modeBox);
    modes->setContentsMargins(0, 0, 0, 0);
    m_append = new QRadioButton(uiText("import.mode.append", language), modeBox);
    m_replace = new QRadioButton(uiText("import.mode.replace", language), modeBox);
    m_append->setChecked(true);
    modes->addWidget(m_append);
    modes->addWidget(m_replace);
    options->addWidget(modeBox);
    options->addWidget(formatBox);
    options->addStretch();
    layout->addLayout(options);

    m_model = new ImportPreviewModel(language, m_target.secretKey, this);
    m_preview = new QTableView(this);
    m_preview->setModel(m_model);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setWordWrap(false);
    m_preview->verticalHeader()->hide();
    m_preview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_preview, 1);

    m_summary = new QLabel(this);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_skip = new QCheckBox(uiText("import.skipRefused", language), this);
    layout->addWidget(m_skip);

    auto* bottom = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setVisible(false);
    m_import = new QPushButton(uiText("import.button.import", language), this);
    m_cancel = new QPushButton(uiText("app.button.cancel", language), this);
    m_import->setDefault(true);
    m_cancel->setAutoDefault(false);
    bottom->addWidget(m_progress, 1);
    bottom->addStretch();
    bottom->addWidget(m_import);
    bottom->addWidget(m_cancel);
    layout->addLayout(bottom);

    connect(browse, &QPushButton::clicked, this, [this] { this->browse(); });
    for (QRadioButton* button : {m_csv, m_text, m_append, m_replace})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                recheck();
        });
    connect(m_skip, &QCheckBox::toggled, this, [this] { updateState(); });
    connect(m_import, &QPushButton::clicked, this, [this] { runImport(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancel(); });
    resize(760, 480);
    updateState();
}

ListImportDialog::~ListImportDialog() = default;

config::TransferFormat ListImportDialog::format() const
{
    return m_text->isChecked() ? config::TransferFormat::Text : config::TransferFormat::Csv;
}

config::ImportMode ListImportDialog::mode() const
{
    return m_replace->isChecked() ? config::ImportMode::Replace : config::ImportMode::Append;
}

void ListImportDialog::browse()
{
    QString path;
    if (m_chooser) {
        path = m_chooser(this, false, m_target.offersText);
    } else {
        QString filters = uiText("import.filter.csv", m_language);
        if (m_target.offersText)
            filters += QStringLiteral(";;") + uiText("import.filter.text", m_language);
        filters += QStringLiteral(";;") + uiText("import.filter.all", m_language);
        path = QFileDialog::getOpenFileName(this, windowTitle(), QString(), filters);
    }
    if (!path.isEmpty())
        loadFile(path);
}

void ListImportDialog::loadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::show(this, MessageKind::Failure,
                         uiText("import.readFailed", m_language,
                                {QDir::toNativeSeparators(path), file.errorString()}));
        return;
    }
    const QByteArray bytes = file.readAll();
    m_bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    m_file->setText(QDir::toNativeSeparators(path));
    if (m_target.offersText) {
        const bool text = !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
        const QSignalBlocker blockCsv(m_csv), blockText(m_text);
        m_text->setChecked(text);
        m_csv->setChecked(!text);
    }
    recheck();
}

void ListImportDialog::recheck()
{
    if (m_file->text().isEmpty() || m_busy)
        return;
    m_busy = true;
    m_cancelRequested = false;
    m_checked = false;
    m_model->setPlan(nullptr);
    m_summary->setText(uiText("import.checking", m_language));
    m_progress->setValue(0);
    m_progress->setVisible(true);
    updateState();
    const bool done = m_target.plan(m_bytes, format(), mode(), &m_plan,
                                    [this](std::size_t doneRows, std::size_t total) {
                                        m_progress->setMaximum(static_cast<int>(total));
                                        m_progress->setValue(static_cast<int>(doneRows));
                                        // The window keeps painting; Cancel ends the check.
                                        QApplication::processEvents();
                                        return !m_cancelRequested;
                                    });
    m_busy = false;
    m_progress->setVisible(false);
    if (!done) {
        m_plan = {};
        m_summary->clear();
        updateState();
        return;
    }
    m_checked = true;
    m_model->setPlan(&m_plan);
    QHeaderView* header = m_preview->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    m_preview->setColumnWidth(1, 280);
    if (!m_plan.fileErrorId.empty()) {
        m_summary->setText(QString::fromStdString(config::importFileMessage(m_plan, m_language)));
    } else {
        const std::size_t repeated =
            m_plan.count(RowMark::RepeatedInFile) + m_plan.count(RowMark::AlreadyPresent);
        m_summary->setText(uiText(
            "import.summary", m_language,
            {QString::number(m_plan.rows.size()), QString::number(m_plan.count(RowMark::Accepted)),
             QString::number(m_plan.count(RowMark::Refused)), QString::number(repeated)}));
    }
    updateState();
}

void ListImportDialog::updateState()
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_csv, m_text, m_append, m_replace, m_skip, m_preview})
        control->setEnabled(!m_busy);
    m_skip->setEnabled(!m_busy && m_checked && m_plan.count(RowMark::Refused) > 0);
    m_import->setEnabled(!m_busy && m_checked && m_plan.importable(m_skip->isChecked()) &&
                         m_plan.count(RowMark::Accepted) > 0);
}

void ListImportDialog::cancel()
{
    if (m_busy) {
        m_cancelRequested = true;
        return;
    }
    reject();
}

bool ListImportDialog::runImport()
{
    if (!m_checked || !m_plan.importable(m_skip->isChecked()) ||
        m_plan.count(RowMark::Accepted) == 0)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = m_target.apply(m_plan, mode());
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        MessageBox::show(this, MessageKind::Failure,
                         uiText("import.failed", m_language, {failure}));
        return false;
    }
    m_written = m_plan.count(RowMark::Accepted);
    accept();
    return true;
}

} // namespace morva::gui
