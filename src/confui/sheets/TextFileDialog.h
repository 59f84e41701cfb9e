#pragma once

#include "platform/FileSystem.h"

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace morva::platform {
class Clock;
}

namespace morva::confui {

// Edits a plain-text file of the program folder (the disclaimer
// "odisc-pl.txt"). The file's bytes are shown through the console's one 8-bit
// codec, so an unchanged text keeps every byte and a character the file
// cannot hold is refused at OK; lines end in CR LF on disk. OK replaces the
// file atomically under its lock, unless another program changed it since it
// was read; a failure is reported and the dialog stays open with the text.
class TextFileDialog : public QDialog
{
    Q_OBJECT
public:
    TextFileDialog(platform::FileSystem& fileSystem, platform::Clock& clock, std::string path,
                   const QString& caption, int language, QWidget* parent = nullptr);

    // False when the file exists but could not be read (already reported).
    bool load();
    QPlainTextEdit* editor() const { return m_editor; }

    // Message boxes; tests answer here.
    std::function<void(const QString& text)> showFailure;

    // The bytes of `shown`, or `original` when that reads as the same text.
    static std::string toFileText(const QString& shown, std::string_view original = {});
    static QString toShownText(const std::string& bytes);

public slots:
    void accept() override;

private:
    platform::FileSystem& m_fs;
    platform::Clock& m_clock;
    std::string m_path;
    int m_language;
    QPlainTextEdit* m_editor;
    std::string m_original;     // the bytes read
    platform::FileStat m_stamp; // the file before it was read
};

} // namespace morva::confui
