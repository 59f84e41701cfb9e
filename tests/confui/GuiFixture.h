#pragma once

#include "StoreFixture.h"
#include "confui/Messages.h"
#include "confui/SheetEnvironment.h"
#include "gui/MessageBox.h"

#include <QApplication>
#include <QString>
#include <functional>
#include <vector>

// Records every message box of the sheets and answers questions.
struct MessageRecorder
{
    struct Message
    {
        morva::confui::MessageKind kind;
        QString text;
        bool question;
    };
    std::vector<Message> messages;
    bool answer = true;

    MessageRecorder()
    {
        using morva::gui::MessageAnswer;
        morva::gui::MessageBox::setHandler([this](const morva::gui::MessageRequest& request) {
            const bool question = request.kind == morva::confui::MessageKind::Question;
            messages.push_back({request.kind, request.text, question});
            if (!question)
                return MessageAnswer::Ok;
            return answer ? MessageAnswer::Yes : MessageAnswer::No;
        });
    }
    ~MessageRecorder() { morva::gui::MessageBox::setHandler({}); }
    bool saw(const QString& part) const
    {
        for (const Message& message : messages)
            if (message.text.contains(part))
                return true;
        return false;
    }
};

// A store over a temporary "Morva.ini" and an environment whose modal
// dialogs are answered by `dialogs` (default: cancel).
struct GuiFixture : StoreFixture
{
    MessageRecorder recorder;
    std::vector<QString> openedUrls;
    bool urlOpens = true;
    bool addOn = false;
    std::function<int(QDialog&)> dialogs = [](QDialog&) { return 0; };

    explicit GuiFixture(const std::string& content = {}) : StoreFixture(content)
    {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "morva-confui-tests";
            static char* argv[] = {name, nullptr};
            // Kept for the whole process: destroyed by the exit handlers it
            // would outlive the input devices that shortcuts and key events
            // create, and crash.
            static QApplication* app = new QApplication(argc, argv);
            (void)app;
        }
    }

    morva::confui::SheetEnvironment environment()
    {
        morva::confui::SheetEnvironment env;
        env.store = store.get();
        env.language = 0;
        env.programDir = dir.string() + "/";
        env.addOnInstalled = [this] { return addOn; };
        env.openUrl = [this](const QString& url) {
            openedUrls.push_back(url);
            return urlOpens;
        };
        env.directoryExists = [](const std::string&) { return true; };
        env.pickFolder = [](QWidget*, const QString&) { return QString(); };
        env.runDialog = [this](QDialog& dialog) { return dialogs(dialog); };
        return env;
    }
};
