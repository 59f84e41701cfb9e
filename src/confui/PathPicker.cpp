#include "confui/PathPicker.h"

#include "confui/QtTexts.h"

#include <QDir>
#include <QFileDialog>

namespace morva::confui {

QString pickFolder(QWidget* parent, const QString& start, int language)
{
    const QString folder = QFileDialog::getExistingDirectory(
        parent, uiText("confui.pickPath", language), start, QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}

} // namespace morva::confui
