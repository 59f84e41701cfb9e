#include "confui/sheets/TextFileDialog.h"

#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "confui/sheets/DisclaimerFile.h"

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

std::string TextFileDialog::toFileText(const QString& shown)
{
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Characters beyond Latin-1 cannot be kept in the 8-bit file.
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString TextFileDialog::toShownText(const std::string& bytes)
{
    QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool TextFileDialog::load()
{
    platform::FileError error = platform::FileError::None;
    const std::optional<std::string> bytes = readTextFile(m_fs, m_path, &error);
    if (!bytes) {
        showFailure(uiText("confui.IniDisc.ReadFailed", m_language) + QLatin1Char('\n') +
                    fromConfigBytes(m_path) + QStringLiteral(" (") +
                    QString::fromLatin1(platform::fileErrorName(error)) + QLatin1Char(')'));
        return false;
    }
    m_editor->setPlainText(toShownText(*bytes));
    return true;
}

void TextFileDialog::accept()
{
    platform::FileError error = platform::FileError::None;
    if (!writeTextFile(m_fs, m_clock, m_path, toFileText(m_editor->toPlainText()), &error)) {
        showFailure(uiText("confui.IniDisc.WriteFailed", m_language) + QLatin1Char('\n') +
                    fromConfigBytes(m_path) + QStringLiteral(" (") +
                    QString::fromLatin1(platform::fileErrorName(error)) + QLatin1Char(')'));
        return;
    }
    QDialog::accept();
}

} // namespace morva::confui
