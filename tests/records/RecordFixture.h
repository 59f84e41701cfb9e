#pragma once

#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "db/CertificateSettings.h"
#include "db/DataSet.h"
#include "gui/MessageBox.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "platform/ScratchDir.h"
#include "platform/testing/FaultInjectingFileSystem.h"
#include "records/GuiDataSetFeedback.h"
#include "records/RecordContext.h"

#include <QDialog>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace morva::test {

// A data set and a "Morva.ini" store on a scratch program directory; the
// modal dialogs run through `answer`, message boxes are caught.
class RecordFixture : public ::testing::Test
{
protected:
    RecordFixture()
    {
        m_context.dataSet = &m_dataSet;
        m_context.store = &m_store;
        m_context.runDialog = [this](QDialog& dialog) {
            return answer ? answer(dialog) : static_cast<int>(QDialog::Rejected);
        };
        config::registerSchema(m_store);
    }

    // Accepts `dialog` the way its OK button does (checks included).
    static int accept(QDialog& dialog)
    {
        dialog.setResult(QDialog::Rejected);
        QMetaObject::invokeMethod(&dialog, "accept");
        return dialog.result();
    }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> texts;
        for (const auto& message : m_messages.messages())
            texts.push_back(message.text);
        return texts;
    }

    ScratchDir m_scratch;
    platform::PosixFileSystem m_posix;
    platform::FaultInjectingFileSystem m_fs{m_posix};
    platform::FakeClock m_clock;
    records::GuiDataSetFeedback m_feedback{nullptr};
    db::DataSet m_dataSet{m_fs, m_clock, m_scratch.dir(), db::CertificateSettings{}, &m_feedback};
    config::ConfigStore m_store{m_fs, m_clock, m_scratch.dir()};
    gui::ScopedMessageCatcher m_messages;
    records::RecordContext m_context;
    std::function<int(QDialog&)> answer;
};

} // namespace morva::test
