#include "cli/Commands.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct CommandRun
{
    int code;
    std::string out;
    std::string err;
};

CommandRun runLog(const std::string& programDir, std::vector<std::string> args = {})
{
    std::ostringstream out, err;
    morva::cli::Context context{programDir, std::move(args), out, err};
    const int code = morva::cli::runLogCommand(context);
    return {code, out.str(), err.str()};
}

TEST(LogCommand, PrintsTheRowsOfTheViewTabSeparated)
{
    QTemporaryDir dir;
    const std::string programDir = dir.path().toStdString() + "/";
    std::ofstream(programDir + "GW.log", std::ios::binary) << "08.12.26 12:00:00 7: started\r\n"
                                                           << "short\r\n"
                                                           << "08.12.26 12:00:01 Gr\xC3\xBC\xC3\x9F"
                                                              "e \xFF\r\n"
                                                           << "08.12.26 12:00:02 3: no line end";
    const CommandRun run = runLog(programDir);
    EXPECT_EQ(run.code, morva::cli::kExitOk);
    EXPECT_EQ(run.out, "12:00:00\t7\tstarted\n"
                       "\n"
                       "12:00:01\t\tGrüße \xEF\xBF\xBD\n"
                       "12:00:02\t3\tno line end\n");
}

TEST(LogCommand, UsesAdminLogPathAndRefusesUnknownArguments)
{
    QTemporaryDir dir, logs;
    const std::string programDir = dir.path().toStdString() + "/";
    std::ofstream(programDir + "Morva.ini")
        << "AdminLogPath=" << logs.path().toStdString() << "\r\n";
    std::ofstream(logs.filePath("GW.log").toStdString()) << "08.12.26 12:00:00 x\n";
    EXPECT_EQ(runLog(programDir).out, "12:00:00\t\tx\n");
    EXPECT_EQ(runLog(programDir, {"--tail"}).code, morva::cli::kExitUsage);
}

TEST(LogCommand, MissingLogPrintsNothing)
{
    QTemporaryDir dir;
    const CommandRun run = runLog(dir.path().toStdString() + "/");
    EXPECT_EQ(run.code, morva::cli::kExitOk);
    EXPECT_EQ(run.out, "");
}

} // namespace
