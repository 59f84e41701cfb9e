#include "db/LayoutRecordFile.h"

#include <cstring>

namespace morva::db {

LayoutRecordFile::LayoutRecordFile(platform::FileSystem& fs, const std::string& programDir,
                                   const RecordLayout& layout)
    : RecordFile(fs, programDir, layout.fileName, layout.length, layout.cacheRecords),
      m_layout(layout)
{
    writeFrame();
}

LayoutRecordFile::~LayoutRecordFile()
{
    // Close here, while the frame of this class can still be written.
    close();
}

void LayoutRecordFile::blankReserved()
{
    std::memset(bufferData() + m_layout.reserved.offset, ' ', m_layout.reserved.width);
}

void LayoutRecordFile::writeFrame()
{
    char* bytes = bufferData();
    for (std::uint32_t at : m_layout.separators)
        bytes[at] = '|';
    bytes[m_layout.length - 2] = '\r';
    bytes[m_layout.length - 1] = '\n';
}

bool LayoutRecordFile::findFreeRecord()
{
    for (bool found = goTo(1); found; found = goTo(currentRecord() + 1)) {
        if (isDeleted())
            return true;
    }
    return false;
}

bool LayoutRecordFile::isDeleted() const
{
    return flagField(kDeletedMarker.offset);
}

void LayoutRecordFile::deleteCurrent()
{
    setFlagField(kDeletedMarker.offset, true);
}

} // namespace morva::db
