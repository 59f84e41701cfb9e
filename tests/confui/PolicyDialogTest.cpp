#include "SheetsQtApp.h"
#include "confui/policy/CertificateSource.h"
#include "confui/policy/PolicyEntryDialog.h"
#include "confui/sheets/DisclaimerFile.h"
#include "confui/sheets/TextFileDialog.h"
#include "platform/Clock.h"
#include "platform/ReplaceLock.h"
#include "platform/SystemFileSystem.h"
#include "platform/testing/FaultInjectingFileSystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace morva::confui;

namespace {

[[maybe_unused]] const auto* const kQtApp = ::testing::AddGlobalTestEnvironment(new SheetsQtApp);

class FakeCertificates : public CertificateSource
{
public:
    std::string directory(CertificateDir dir) const override
    {
        return dir == CertificateDir::DkimPrivate ? "C:\\Morva\\CERT\\PRIV\\"
                                                  : "C:\\Morva\\CERT\\PUB\\";
    }
    std::vector<std::string> files(CertificateDir) const override
    {
        return {"alice.pem", "partner, inc.pem"};
    }
};

struct Answers
{
    std::vector<QString> refusals;
    std::vector<QString> questions;
    bool continueAnswer = false;
};

std::unique_ptr<PolicyEntryDialog> dialogFor(const char* key, Answers& answers,
                                             const CertificateSource* certs)
{
    const PolicyList* list = findPolicyList(key);
    EXPECT_TRUE(list) << key;
    auto dialog = std::make_unique<PolicyEntryDialog>(*list, certs, 0, nullptr);
    dialog->showRefusal = [&answers](const QString& text) { answers.refusals.push_back(text); };
    dialog->askToContinue = [&answers](const QString& question) {
        answers.questions.push_back(question);
        return answers.continueAnswer;
    };
    return dialog;
}

} // namespace

TEST(PolicyEntryDialog, StoredEntriesComeBackUnchanged)
{
    FakeCertificates certs;
    const std::pair<const char*, const char*> rows[] = {
        {"OutboundSMIMESign", "*@example.com,alice.pem,\"p,a;s\"\"s \""},
        {"InboundSMIMESign", "*@partner.example,\"partner, inc.pem\""},
        {"InboundSMIMESign", "*@partner.example,!!void-certificate!!"},
        {"OutboundSMIMECrypt", "bob@example.com,unknown.pem"},
        {"InboundSMIMEPolicy", "*@bank.example,1,1,7"},
        {"OutboundSMIMEPolicy", "*@bank.example,0,1,2"},
        {"OutboundSMTPTLS", "*.example.com,verify"},
        {"InboundSMTPTLS", "10.0.0.*,optional"},
        {"OutboundDKIMSign", "example.com,mail2026,example.pem"},
    };
    for (const auto& [key, text] : rows) {
        Answers answers;
        auto dialog = dialogFor(key, answers, &certs);
        dialog->setEntry(text);
        EXPECT_EQ(dialog->entry(), text) << key;
    }
}

TEST(PolicyEntryDialog, OffersTheCertificateFolderAndTheVoidEntryWhereAllowed)
{
    FakeCertificates certs;
    Answers answers;
    auto verify = dialogFor("InboundSMIMESign", answers, &certs);
    auto* combo = qobject_cast<QComboBox*>(verify->fieldWidget(1));
    ASSERT_TRUE(combo);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemData(0).toString(), QStringLiteral("!!void-certificate!!"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("partner, inc.pem"));

    auto sign = dialogFor("OutboundSMIMESign", answers, &certs);
    EXPECT_EQ(qobject_cast<QComboBox*>(sign->fieldWidget(1))->count(), 2);
    // The password is masked; flags are checkboxes.
    EXPECT_EQ(qobject_cast<QLineEdit*>(sign->fieldWidget(2))->echoMode(), QLineEdit::Password);
    auto policy = dialogFor("InboundSMIMEPolicy", answers, &certs);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(policy->fieldWidget(1)));
}

TEST(PolicyEntryDialog, OkRefusesAFaultyFieldAndAsksAboutAMissingCertificate)
{
    FakeCertificates certs;
    {
        Answers answers;
        auto dialog = dialogFor("OutboundDKIMSign", answers, &certs);
        dialog->setFields({"example..com", "sel", "alice.pem"});
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        ASSERT_EQ(answers.refusals.size(), 1u);
        EXPECT_TRUE(answers.refusals[0].contains(QStringLiteral("domain name")));
    }
    {
        Answers answers;
        auto dialog = dialogFor("OutboundSMIMECrypt", answers, &certs);
        dialog->setFields({"bob@example.com", "later.pem"});
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        ASSERT_EQ(answers.questions.size(), 1u);
        EXPECT_TRUE(
            answers.questions[0].contains(QStringLiteral("C:\\Morva\\CERT\\PUB\\later.pem")));
        answers.continueAnswer = true;
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(answers.refusals.empty());
    }
}

TEST(PolicyEntryDialog, CommentsOnlyWhereTheFileKeepsThem)
{
    Answers answers;
    auto smime = dialogFor("OutboundSMIMEPolicy", answers, nullptr);
    smime->setComment(QStringLiteral("ignored"));
    EXPECT_TRUE(smime->comment().isEmpty());
    auto dkim = dialogFor("OutboundDKIMSign", answers, nullptr);
    dkim->setComment(QStringLiteral("rotated 2026"));
    EXPECT_EQ(dkim->comment(), QStringLiteral("rotated 2026"));
}

TEST(PolicyEntryDialog, AnUnreadableEntryIsKeptInTheFirstField)
{
    Answers answers;
    auto dialog = dialogFor("OutboundSMTPTLS", answers, nullptr);
    dialog->setEntry("\"broken,entry");
    EXPECT_EQ(dialog->fields()[0], "\"broken,entry");
}

TEST(TextFileDialog, EveryByteAndLineEndSurvives)
{
    std::string bytes = "Line one\r\nZeile zwei: \xe4\xf6\xfc\r\n\r\nend";
    EXPECT_EQ(TextFileDialog::toFileText(TextFileDialog::toShownText(bytes)), bytes);
    EXPECT_EQ(TextFileDialog::toFileText(QStringLiteral("a\nb")), "a\r\nb");
}

TEST(TextFileDialog, SavesTheFileAtomicallyAndKeepsTheOldOneOnFailure)
{
    namespace p = morva::platform;
    const std::string dir =
        std::filesystem::temp_directory_path() / ("morva-disc-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/odisc-pl.txt";
    {
        std::ofstream(path, std::ios::binary) << "old text\r\n";
    }
    auto system = p::makeSystemFileSystem();
    p::FaultInjectingFileSystem fs(*system);
    p::FakeClock clock;

    TextFileDialog dialog(fs, clock, path, QStringLiteral("Disclaimer"), 0);
    std::vector<QString> failures;
    dialog.showFailure = [&](const QString& text) { failures.push_back(text); };
    ASSERT_TRUE(dialog.load());
    EXPECT_EQ(dialog.editor()->toPlainText(), QStringLiteral("old text\n"));

    dialog.editor()->setPlainText(QStringLiteral("new text\nsecond line"));
    fs.injectFault(1, p::FaultInjectingFileSystem::Fault::FailFromThen, p::FileError::NoSpace,
                   p::FaultInjectingFileSystem::Operation::WriteAt);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(failures.size(), 1u);
    auto contents = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(contents(), "old text\r\n");

    fs.clearFault();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(contents(), "new text\r\nsecond line");
    std::filesystem::remove_all(dir);
}

// Two consoles may edit the disclaimer at once, and the file holds 8-bit text:
// what the file cannot hold, a change made meanwhile by another program, a
// save under way elsewhere and a file far too large are all refused with the
// old file kept.
TEST(TextFileDialog, RefusesWhatWouldLoseTextAndKeepsTheFile)
{
    namespace p = morva::platform;
    const std::string dir =
        std::filesystem::temp_directory_path() / ("morva-disc2-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/odisc-pl.txt";
    auto write = [&](const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; };
    auto contents = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    write("Gr\xfc\xdf"
          "e \x80 5\r\n");
    auto fs = p::makeSystemFileSystem();
    p::FakeClock clock;
    TextFileDialog dialog(*fs, clock, path, QStringLiteral("Disclaimer"), 0);
    std::vector<QString> failures;
    dialog.showFailure = [&](const QString& text) { failures.push_back(text); };
    ASSERT_TRUE(dialog.load());
    EXPECT_EQ(dialog.editor()->toPlainText(), QString::fromUtf8("Grüße € 5\n"))
        << "the gateway's 8-bit characters";

    dialog.editor()->setPlainText(QString::fromUtf8("\xc5\x81ukasz"));
    dialog.accept();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures.back().contains(QString::fromUtf8("\xc5\x81")))
        << failures.back().toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(contents(), "Gr\xfc\xdf"
                          "e \x80 5\r\n");

    dialog.editor()->setPlainText(QStringLiteral("mine"));
    {
        p::ReplaceLock elsewhere(*fs, clock, path);
        ASSERT_TRUE(elsewhere.held());
        dialog.accept();
        ASSERT_EQ(failures.size(), 2u) << "another save holds the file";
        EXPECT_EQ(contents(), "Gr\xfc\xdf"
                              "e \x80 5\r\n");
    }

    write("theirs, written meanwhile\r\n");
    dialog.accept();
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_TRUE(failures.back().contains(QStringLiteral("odisc-pl.txt")));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(contents(), "theirs, written meanwhile\r\n") << "not overwritten";

    TextFileDialog again(*fs, clock, path, QStringLiteral("Disclaimer"), 0);
    again.showFailure = [&](const QString& text) { failures.push_back(text); };
    ASSERT_TRUE(again.load());
    again.editor()->setPlainText(QString::fromUtf8("mine \xe2\x82\xac"));
    again.accept();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(contents(), "mine \x80");

    std::filesystem::resize_file(path, kMaxTextFileBytes + 1);
    TextFileDialog huge(*fs, clock, path, QStringLiteral("Disclaimer"), 0);
    huge.showFailure = [&](const QString& text) { failures.push_back(text); };
    EXPECT_FALSE(huge.load());
    EXPECT_TRUE(failures.back().contains(QStringLiteral("too large")));
    std::filesystem::remove_all(dir);
}
