#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;

namespace morva::app {

// The About box: product and version, the maker's postal address, web and
// support links, and "Morva Admin (<operating system>)".
class Cwm_AboutDlg : public QDialog
{
    Q_OBJECT
public:
    // Opens a link of the box (`dialog` is the box, the parent of any
    // message about a failure).
    using LinkOpener = std::function<void(QWidget* dialog, const std::string& url)>;

    Cwm_AboutDlg(QWidget* parent, int languageIndex, LinkOpener urlOpener);

    QString systemLine() const;
    // The operating system's name, one text per platform generation.
    static QString operatingSystemName();
};

} // namespace morva::app
