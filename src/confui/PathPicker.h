#pragma once

#include <QString>

class QWidget;

namespace morva::confui {

// The folder picker of the "Browse..." buttons: starts in `start` (when it
// exists) and returns the chosen folder in native form, or an empty text.
QString pickFolder(QWidget* parent, const QString& start, int language);

} // namespace morva::confui
