#pragma once

#include <QDialog>

class QLabel;

namespace morva::platform {
class UrlOpener;
}

namespace morva::app {

// The About box: product and version, the maker's postal address, web and
// support links, and "Morva Admin (<operating system>)".
class Cwm_AboutDlg : public QDialog
{
    Q_OBJECT
public:
    Cwm_AboutDlg(QWidget* parent, int languageIndex, platform::UrlOpener& urlOpener);

    QString systemLine() const;
    // The operating system's name, one text per platform generation.
    static QString operatingSystemName();
};

} // namespace morva::app
