#include "app/AppBase.h"

#include "app/Cwm_AboutDlg.h"
#include "app/WebPages.h"
#include "gui/CommandRegistry.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "platform/UrlOpener.h"
#include "resources/CommandIds.h"

namespace morva::app {

AppBase::AppBase(gui::CommandRegistry& commands, platform::UrlOpener& urlOpener, QObject* parent)
    : QObject(parent), m_commands(commands), m_urlOpener(urlOpener)
{
}

void AppBase::registerBaseCommands()
{
    namespace c = morva::command;
    m_commands.setHandler(c::About, [this] { showAbout(); });
    for (int id : {c::HomePage, c::OnlineOrder})
        m_commands.setHandler(id, [this, id] { openWebPage(webPageFor(id)); });
}

bool AppBase::openWebPage(const std::string& url)
{
    return openWebPage(url, dialogParent());
}

bool AppBase::openWebPage(const std::string& url, QWidget* messageParent)
{
    if (m_urlOpener.openUrl(url))
        return true;
    gui::MessageBox::show(messageParent, gui::MessageKind::Notice,
                          gui::uiText("app.browserFailed", currentLanguage()) + QLatin1Char('\n') +
                              QString::fromStdString(url));
    return false;
}

void AppBase::showAbout()
{
    Cwm_AboutDlg dialog(dialogParent(), currentLanguage(),
                        [this](QWidget* box, const std::string& url) { openWebPage(url, box); });
    dialog.exec();
}

} // namespace morva::app
