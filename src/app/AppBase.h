#pragma once

#include <QObject>

class QWidget;

namespace morva::platform {
class UrlOpener;
}

namespace morva::gui {
class CommandRegistry;
}

namespace morva::app {

// The generic application object: the English-only flag (on until a
// derived application lets the language apply) and the commands every
// program of the maker has: About box, home page, online order.
class AppBase : public QObject
{
    Q_OBJECT
public:
    AppBase(gui::CommandRegistry& commands, platform::UrlOpener& urlOpener,
            QObject* parent = nullptr);

    bool englishOnly() const { return m_englishOnly; }
    gui::CommandRegistry& commands() { return m_commands; }

    // Opens `url` in the browser; when the desktop cannot, says so with the
    // address. False on failure.
    bool openWebPage(const std::string& url);
    bool openWebPage(const std::string& url, QWidget* messageParent);

protected:
    void setEnglishOnly(bool englishOnly) { m_englishOnly = englishOnly; }
    // The window messages and dialogs belong to, and the language they use.
    virtual QWidget* dialogParent() const = 0;
    virtual int currentLanguage() const = 0;
    virtual void showAbout();
    void registerBaseCommands();

private:
    gui::CommandRegistry& m_commands;
    platform::UrlOpener& m_urlOpener;
    bool m_englishOnly = true;
};

} // namespace morva::app
