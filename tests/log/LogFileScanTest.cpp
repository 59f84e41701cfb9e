#include "log/LogFileScan.h"

#include "FakeLogFileSystem.h"
#include "log/LogReader.h"

#include <gtest/gtest.h>

using morva::log::LogFileScan;
using morva::log::LogRow;
using morva::log::scanLogFile;
using morva::test::FakeLogFileSystem;

namespace {

struct Collected
{
    std::vector<LogRow> rows;
    int batches = 0;
};

LogFileScan collecting(Collected& into, std::size_t batchRows = 2)
{
    LogFileScan scan;
    scan.batchRows = batchRows;
    scan.onRows = [&into](std::vector<LogRow>& rows) {
        ++into.batches;
        into.rows.insert(into.rows.end(), rows.begin(), rows.end());
        return true;
    };
    return scan;
}

const std::string kLog = "08.12.26 12:00:00 7: first\r\n"
                         "short\r\n"
                         "08.12.26 12:00:01 Service line\n"
                         "08.12.26 12:00:02 3: unfinished";

TEST(LogFileScan, ReadsEveryLineFromTheStartInBatches)
{
    FakeLogFileSystem fs;
    fs.files["/GW.log"] = kLog;
    Collected got;
    const auto result = scanLogFile(fs, "/GW.log", collecting(got));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.rows, 4u);
    EXPECT_EQ(got.batches, 2);
    EXPECT_EQ(got.rows, (std::vector<LogRow>{{"12:00:00", "7", "first"},
                                             {},
                                             {"12:00:01", "", "Service line"},
                                             {"12:00:02", "3", "unfinished"}}));
}

TEST(LogFileScan, StopsWhereAFollowerTakesOverWithoutItsUnfinishedLine)
{
    FakeLogFileSystem fs;
    fs.files["/GW.log"] = kLog;
    Collected got;
    LogFileScan scan = collecting(got, 100);
    scan.endOffset = kLog.size() - 3; // inside the last line
    EXPECT_TRUE(scanLogFile(fs, "/GW.log", scan).ok);
    EXPECT_EQ(got.rows.size(), 3u);
    Collected whole;
    scan = collecting(whole, 100);
    scan.includeUnfinishedLine = false;
    EXPECT_TRUE(scanLogFile(fs, "/GW.log", scan).ok);
    EXPECT_EQ(whole.rows.size(), 3u);
}

TEST(LogFileScan, CutsHugeLinesAcrossChunks)
{
    FakeLogFileSystem fs;
    const std::string huge(1024 * 1024, 'x');
    fs.files["/GW.log"] = "08.12.26 12:00:00 1: " + huge + "\r\n08.12.26 12:00:01 2: next\r\n";
    Collected got;
    EXPECT_TRUE(scanLogFile(fs, "/GW.log", collecting(got, 100)).ok);
    ASSERT_EQ(got.rows.size(), 2u);
    EXPECT_EQ(got.rows[0].activity.size(), morva::log::LogReader::kMaxLineBytes - 21);
    EXPECT_EQ(got.rows[1], (LogRow{"12:00:01", "2", "next"}));
}

TEST(LogFileScan, FailuresCancelAndAReaderThatStops)
{
    FakeLogFileSystem fs;
    EXPECT_EQ(scanLogFile(fs, "/missing.log", {}).failure,
              morva::platform::FileError::AccessDenied);
    fs.files["/GW.log"] = kLog;
    std::atomic<bool> cancel{true};
    LogFileScan scan;
    scan.cancel = &cancel;
    const auto cancelled = scanLogFile(fs, "/GW.log", scan);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.ok);

    Collected got;
    scan = collecting(got, 1);
    scan.onRows = [&got](std::vector<LogRow>&) { return ++got.batches < 2; };
    EXPECT_FALSE(scanLogFile(fs, "/GW.log", scan).ok);
    EXPECT_EQ(got.batches, 2);
}

} // namespace
