#include "confui/sheets/TextFileDialog.h"

#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "confui/sheets/DisclaimerFile.h"
#include "gui/FileTextCodec.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace morva::confui {

TextFileDialog::TextFileDialog(platform::FileSystem& fileSystem, platform::Clock& clock,
                               std::string path, const QString& caption, int language,
                               QWidget* parent)
    : QDialog(parent), m_fs(fileSystem), m_clock(clock), m_path(std::move(path)),
      m_language(language), m_editor(new QPlainTextEdit)
{
    setWindowTitle(caption);
    auto* where = new QLabel(fromConfigBytes(m_path));
    where->setTextFormat(Qt::PlainText);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setMinimumSize(520, 300);
    // Plain text buttons like every other dialog of the console (standard
    // buttons would carry the desktop's icons).
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(uiText("confui.button.ok", language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiText("confui.button.cancel", language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TextFileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TextFileDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
    showFailure = [this](const QString& text) { showMessage(this, MessageKind::Failure, text); };
}

std::string TextFileDialog::toFileText(const QString& shown, std::string_view original)
{
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return gui::FileTextCodec().encode(text, original);
}

QString TextFileDialog::toShownText(const std::string& bytes)
{
    QString text = gui::FileTextCodec::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool TextFileDialog::load()
{
    platform::FileError error = platform::FileError::None;
    const std::optional<std::string> bytes = readTextFile(m_fs, m_path, &error, &m_stamp);
    if (!bytes) {
        showFailure(uiText("confui.IniDisc.ReadFailed", m_language) + QLatin1Char('\n') +
                    fromConfigBytes(m_path) + QStringLiteral(" (") +
                    QString::fromLatin1(platform::fileErrorName(error)) + QLatin1Char(')'));
        return false;
    }
    m_original = *bytes;
    m_editor->setPlainText(toShownText(*bytes));
    return true;
}

void TextFileDialog::accept()
{
    QString text = m_editor->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QString refusal = gui::FileTextCodec().refusal(text, m_language, m_original);
    if (!refusal.isEmpty()) {
        showFailure(refusal);
        return;
    }
    platform::FileError error = platform::FileError::None;
    bool changed = false;
    if (!writeTextFile(m_fs, m_clock, m_path, toFileText(text, m_original), &error, &m_stamp,
                       &changed)) {
        if (changed) {
            showFailure(uiText("audit.textFileChanged", m_language).arg(fromConfigBytes(m_path)));
            return;
        }
        showFailure(uiText("confui.IniDisc.WriteFailed", m_language) + QLatin1Char('\n') +
                    fromConfigBytes(m_path) + QStringLiteral(" (") +
                    QString::fromLatin1(platform::fileErrorName(error)) + QLatin1Char(')'));
        return;
    }
    QDialog::accept();
}

} // namespace morva::confui
