#include "cli/Commands.h"
#include "db/RecordBytes.h"
#include "platform/FileHolderProcess.h"
#include "platform/ScratchDir.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace morva;

namespace {

struct Result
{
    int code;
    std::string out;
    std::string err;
};

class RecordsCommand : public ::testing::Test
{
protected:
    Result run(std::vector<std::string> args)
    {
        std::ostringstream out, err;
        cli::Context context{m_scratch.dir(), std::move(args), out, err};
        int code = cli::runRecordsCommand(context);
        return {code, out.str(), err.str()};
    }

    test::ScratchDir m_scratch;
};

} // namespace

TEST_F(RecordsCommand, AddSetDeleteAndListInTheirFormats)
{
    EXPECT_EQ(run({"add", "alias", "info@a.com", "anna@b.org", "--deliver"}).out, "1\n");
    EXPECT_EQ(run({"add", "alias", "sales@a.com", "bob@b.org"}).out, "2\n");
    EXPECT_EQ(run({"list", "alias"}).out,
              "1\tinfo@a.com\tanna@b.org\t1\n2\tsales@a.com\tbob@b.org\t0\n");
    EXPECT_EQ(run({"set", "alias", "1", "info@a.com", "carl@b.org"}).code, 0);
    EXPECT_EQ(run({"delete", "alias", "2"}).code, 0);
    EXPECT_EQ(run({"list", "alias"}).out, "1\tinfo@a.com\tcarl@b.org\t0\n");
    EXPECT_EQ(run({"add", "alias", "x@a.com", "y@b.org"}).out, "3\n") << "forwarding appends";
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"),
              test::aliasRecord("info@a.com", "carl@b.org", false) +
                  test::aliasRecord("sales@a.com", "bob@b.org", false, true) +
                  test::aliasRecord("x@a.com", "y@b.org", false));

    EXPECT_EQ(run({"add", "block", "1", "mx.spam.example"}).out, "1\n");
    EXPECT_EQ(run({"add", "block", "2", "@spam.example", "--no-wait"}).out, "2\n");
    EXPECT_EQ(run({"set", "block", "1", "0", "10.0.0.1"}).code, 0);
    EXPECT_EQ(run({"list", "block"}).out, "1\t0\t10.0.0.1\n2\t2\t@spam.example\n");
    EXPECT_EQ(m_scratch.read("DataBloc.DAT"),
              test::blockRecord(0, "10.0.0.1") + test::blockRecord(2, "@spam.example"));

    EXPECT_EQ(run({"add", "user", "a@corp.com", "Anna"}).out, "1\n");
    EXPECT_EQ(run({"add", "user", "b@corp.com", "Bob"}).out, "2\n");
    EXPECT_EQ(run({"delete", "user", "1", "2"}).code, 0);
    EXPECT_EQ(run({"add", "user", "c@corp.com", "Carl"}).out, "1\n") << "users reuse slots";
    EXPECT_EQ(run({"list", "user"}).out, "1\tc@corp.com\tCarl\n");
    EXPECT_FALSE(m_scratch.exists("MORVADTB.LCK"));
}

TEST_F(RecordsCommand, RefusesBadValuesAndMissingRecords)
{
    struct Row
    {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Row rows[] = {
        {{"add", "alias", "not-an-address", "a@b.com"},
         1,
         "morvactl: Please enter a valid SMTP address!\nFormat is user@domain.com\n"},
        {{"add", "alias", " ", "a@b.com"}, 1, "morvactl: Blank field is not allowed!\n"},
        {{"add", "user", "a@b.com", std::string(31, 'n')},
         1,
         "morvactl: The value is too long! At most 30 characters are allowed.\n"},
        {{"add", "block", "3", "x"},
         1,
         "morvactl: The block type must be 0 (IP address), 1 (host name) or 2 (MAIL FROM: "
         "e-mail address)!\n"},
        {{"add", "block", "0", "a\nb"},
         1,
         "morvactl: The value contains control characters, which the record files cannot "
         "hold!\n"},
        {{"set", "alias", "4", "a@b.com", "c@d.com"},
         1,
         "morvactl: Unable to find record in DataAlia! (4)\n"},
        {{"delete", "block", "1", "0"}, 1, "morvactl: Unable to find record in DataBlock! (1)\n"},
        {{"delete", "user", "2"}, 1, "morvactl: Unable to find record in DataUser! (2)\n"},
    };
    for (const Row& row : rows) {
        Result result = run(row.args);
        EXPECT_EQ(result.code, row.code) << row.args[0] << " " << row.args[2];
        EXPECT_EQ(result.err, row.err);
        EXPECT_EQ(result.out, "");
    }
    for (std::vector<std::string> args : {std::vector<std::string>{},
                                          {"list"},
                                          {"list", "other"},
                                          {"add", "alias", "a@b.com"},
                                          {"delete", "alias", "x"},
                                          {"set", "user", "1", "a@b.com"},
                                          {"add", "block", "1", "v", "--deliver"}})
        EXPECT_EQ(run(args).code, cli::kExitUsage);
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), "") << "nothing was written";
}

TEST_F(RecordsCommand, ReportsALockHeldByTheGateway)
{
    test::FileHolderProcess gateway;
    ASSERT_TRUE(gateway.start(m_scratch.path("MORVADTB.LCK"), 4));
    Result result = run({"list", "alias", "--no-wait"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "morvactl: Unable to lock the data files!\n"
                          "morvactl: MORVADTB.LCK: in use by another program\n");
}

TEST_F(RecordsCommand, HistoryListsTheKeptVersionsAndRestoreTakesOneBack)
{
    ASSERT_EQ(run({"add", "alias", "a@x.com", "b@y.com"}).code, 0);
    ASSERT_EQ(run({"add", "alias", "c@x.com", "d@y.com"}).code, 0);
    const std::string one = test::aliasRecord("a@x.com", "b@y.com", false);

    const Result listed = run({"history", "alias"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(listed.out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        rows.push_back(fields);
    }
    ASSERT_EQ(rows.size(), 2u) << "one copy per changing command";
    ASSERT_EQ(rows[1].size(), 6u);
    EXPECT_EQ(rows[1][4], "morvactl records add");
    EXPECT_EQ(rows[1][5], "1") << "records in that version";
    EXPECT_EQ(m_scratch.read("History/DataAlia.DAT." + rows[1][0]), one);
    EXPECT_NE(run({"history", "alias", "--format", "json"}).out.find("\"records\": 1"),
              std::string::npos);
    EXPECT_EQ(run({"history", "block"}).out, "");

    const Result restored = run({"restore", "alias", rows[1][0]});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), one);
    EXPECT_NE(run({"history", "alias"}).out.find("morvactl records restore"), std::string::npos);

    const Result unknown = run({"restore", "alias", "20000101-000000"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.err, "morvactl: no kept version 20000101-000000 of DataAlia.DAT "
                           "(morvactl records history alias lists them)\n");
    EXPECT_EQ(m_scratch.read("DataAlia.DAT"), one);
    EXPECT_EQ(run({"restore", "alias"}).code, cli::kExitUsage);
    EXPECT_EQ(run({"history", "mail"}).code, cli::kExitUsage);
}
