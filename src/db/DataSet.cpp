#include "db/DataSet.h"

#include "db/DataAliaFile.h"
#include "db/DataBlocFile.h"
#include "db/DataConfFile.h"
#include "db/DataDummFile.h"
#include "db/DataUserFile.h"
#include "platform/AtomicReplace.h"
#include "resources/Texts.h"

namespace morva::db {

using platform::FileError;
using Kind = platform::MessageKind;

DataSet::DataSet(platform::FileSystem& fs, platform::Clock& clock, std::string programDir,
                 const CertificateSettings& settings, DataSetFeedback* feedback, int languageIndex)
    : m_fs(fs), m_clock(clock), m_programDir(std::move(programDir)), m_separator(fs.separator()),
      m_feedback(feedback), m_language(languageIndex)
{
    m_programDir = withSeparator(m_programDir);
    m_certFolders = certificateFolders(settings, m_programDir, m_separator);
    auto isFile = [this](const std::string& path) {
        platform::FileStat stat = m_fs.stat(path);
        return stat.exists && !stat.isDirectory;
    };
    if (!settings.smimeCaCert.empty()) {
        if (isFile(settings.smimeCaCert))
            m_smimeCaCert = settings.smimeCaCert;
        else if (isFile(m_certFolders.smimeCert + settings.smimeCaCert))
            m_smimeCaCert = m_certFolders.smimeCert + settings.smimeCaCert;
    }
}

DataSet::~DataSet()
{
    std::lock_guard<std::mutex> guard(m_guard);
    closeAllLocked();
}

std::string DataSet::withSeparator(std::string directory) const
{
    if (directory.empty() || directory.back() != m_separator)
        directory += m_separator;
    return directory;
}

std::string_view DataSet::tr(std::string_view id) const
{
    return text(id, m_language);
}

bool DataSet::takeLock()
{
    if (m_lock && m_lock->isOpen())
        return true;
    FileError error = FileError::None;
    // Create always without sharing: succeeds exactly when no other process
    // holds the file open, so a stale lock file left behind does not block.
    // A link in its place is refused: truncating would empty its target.
    m_lock = m_fs.open(m_programDir + kLockFileName, 4 | platform::kOpenNoFollow, &error);
    if (!m_lock) {
        m_openFailure = {kLockFileName, error};
        return false;
    }
    return true;
}

void DataSet::releaseLock()
{
    if (!m_lock)
        return;
    m_lock->close();
    m_lock.reset();
    m_fs.remove(m_programDir + kLockFileName);
}

bool DataSet::openAll()
{
    std::lock_guard<std::mutex> guard(m_guard);
    m_openFailure = {};
    bool ok = takeLock();
    auto openOne = [&](auto& file) {
        using FileType = typename std::decay_t<decltype(file)>::element_type;
        if (!ok)
            return;
        file.reset();
        file = std::make_unique<FileType>(m_fs, m_programDir);
        if (!file->openDataFile()) {
            m_openFailure = {std::string(file->layout().fileName), file->lastError()};
            file.reset();
            ok = false;
        }
    };
    openOne(m_dumm);
    openOne(m_user);
    openOne(m_alia);
    openOne(m_bloc);
    openOne(m_conf);
    // The gateway expects DATACONF.DAT to hold its record; an empty file gets
    // a blank framed one, written when the data set closes.
    if (ok && m_conf->recordCount() == 0)
        m_conf->newRecord(true);
    if (ok) {
        // A new session: each edited file is kept once, before its first change.
        for (RecordFile* file :
             {static_cast<RecordFile*>(m_alia.get()), static_cast<RecordFile*>(m_bloc.get()),
              static_cast<RecordFile*>(m_user.get())})
            file->setBeforeFirstWrite(
                [this](RecordFile& changed) { keepBeforeFirstChange(changed); });
    }
    if (!ok) {
        closeAllLocked();
        return false;
    }
    return true;
}

bool DataSet::closeAll()
{
    std::lock_guard<std::mutex> guard(m_guard);
    return closeAllLocked();
}

bool DataSet::closeAllLocked()
{
    m_unwritten.clear();
    auto closeOne = [this](auto& file) {
        if (!file)
            return;
        // Synced before the lock goes: a confirmed edit must survive a power
        // cut, and the gateway may take the files as soon as they close.
        const bool synced = file->sync();
        if (!file->close() || !synced)
            m_unwritten.emplace_back(file->layout().fileName);
        file.reset();
    };
    closeOne(m_dumm);
    closeOne(m_user);
    closeOne(m_alia);
    closeOne(m_bloc);
    closeOne(m_conf);
    releaseLock();
    return m_unwritten.empty();
}

bool DataSet::waitBeforeRetry()
{
    DataSetFeedback& ui = m_feedback ? *m_feedback : m_silent;
    const auto deadline = m_clock.now() + kRetryDelay;
    for (auto now = m_clock.now(); now < deadline; now = m_clock.now()) {
        // Cancel ends the wait at the next short sleep, not after it.
        if (ui.shuttingDown() || ui.waitCancelled())
            return false;
        m_clock.sleepFor(std::min(
            kSleepSlice, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now)));
    }
    return !ui.shuttingDown();
}

bool DataSet::acquire(int attempts)
{
    DataSetFeedback& ui = m_feedback ? *m_feedback : m_silent;
    if (isOpen()) {
        ++m_useCount;
        ui.setLockedIndicator(true);
        return true;
    }
    ui.processPendingWork();
    ui.beginBusy();
    ui.beginProgress(1, 7, 1);
    ui.setStatusText(tr("db.tryingToLock"));
    bool locked = false;
    bool dialogShown = false;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (openAll()) {
            locked = true;
            break;
        }
        // A link or a special file stays what it is: waiting cannot help.
        if (platform::isNotPlainFile(m_openFailure.error))
            break;
        ui.stepProgress();
        // No wait (and no word of one) after the last attempt: nothing follows it.
        if (attempt == attempts)
            break;
        if (!dialogShown) {
            ui.openWait(tr("db.locking"));
            dialogShown = true;
        } else if (ui.waitCancelled()) {
            break;
        }
        if (!waitBeforeRetry() || ui.waitCancelled())
            break;
    }
    ui.endProgress();
    ui.restoreIdleStatus();
    ui.endBusy();
    if (dialogShown)
        ui.closeWait();
    if (!locked) {
        std::string message(tr("db.lockFailed"));
        if (platform::isNotPlainFile(m_openFailure.error))
            message += "\n\n" + replacePlaceholder(tr("common.notPlainFile"), "%1",
                                                   m_programDir + m_openFailure.fileName);
        // A console that is closing has no one left to tell.
        if (!ui.shuttingDown())
            ui.showMessage(Kind::Failure, message);
        if (m_useCount == 0)
            ui.setLockedIndicator(false);
        return false;
    }
    m_useCount = 1;
    ui.setLockedIndicator(true);
    return true;
}

bool DataSet::release()
{
    if (m_useCount == 0)
        return true; // an unmatched release must not close another editor's files
    if (--m_useCount > 0)
        return true;
    DataSetFeedback& ui = m_feedback ? *m_feedback : m_silent;
    bool written = true;
    if (isOpen())
        written = closeAll();
    ui.setLockedIndicator(false);
    if (!written) {
        std::string message(tr("db.writeFailed"));
        for (const std::string& name : m_unwritten)
            message += "\n" + name;
        ui.showMessage(Kind::Failure, message);
    }
    return written;
}

bool DataSet::deleteRecord(RecordFile* file, std::uint32_t n)
{
    if (!file)
        return false;
    const std::uint32_t remembered = file->currentRecord();
    bool deleted = false;
    if (file->goTo(n)) {
        file->deleteCurrent();
        deleted = file->flush();
    }
    file->goTo(remembered);
    return deleted;
}

bool DataSet::deleteAliaRecord(std::uint32_t n)
{
    return deleteRecord(m_alia.get(), n);
}

bool DataSet::deleteBlocRecord(std::uint32_t n)
{
    return deleteRecord(m_bloc.get(), n);
}

bool DataSet::deleteUserRecord(std::uint32_t n)
{
    return deleteRecord(m_user.get(), n);
}

bool DataSet::replaceRecordFile(RecordFile& file, std::string_view contents,
                                platform::FileError* error)
{
    return replaceRecordFile(file, platform::wholeContents(contents), error);
}

bool DataSet::replaceRecordFile(RecordFile& file, const platform::ContentSource& produce,
                                platform::FileError* error)
{
    auto fail = [error](FileError cause) {
        if (error)
            *error = cause == FileError::None ? FileError::Io : cause;
        return false;
    };
    if (!isOpen() || !file.isOpen())
        return fail(FileError::Io);
    // The session's version before its first change is kept as a further
    // name of the old file, given just before the rename takes its name
    // away: its bytes are neither read into a copy nor written twice.
    const bool keepAsLink = m_history && file.beforeFirstWritePending();
    if (!keepAsLink)
        file.runBeforeFirstWrite();
    if (!file.sync())
        return fail(file.lastError());
    // The file is held without sharing, which a rename over it would not
    // get past; the lock file keeps the gateway away meanwhile.
    if (!file.close())
        return fail(file.lastError());
    std::string linkedId;
    const auto keepOldFile = [&] {
        file.setBeforeFirstWrite(nullptr);
        if (m_history->keepLinked(file.path(), m_historySource))
            linkedId = m_history->lastKeptId();
        else
            reportHistoryProblem(file);
    };
    FileError cause = FileError::None;
    const bool replaced =
        platform::replaceFileAtomically(m_fs, m_clock, file.path(), produce, &cause,
                                        keepAsLink ? platform::BeforeRename(keepOldFile) : nullptr);
    if (!replaced && !linkedId.empty())
        m_history->separateCopy(config::baseNameOf(file.path()), linkedId);
    const bool reopened = file.openDataFile();
    if (!replaced)
        return fail(cause);
    if (!reopened)
        return fail(file.lastError());
    return true;
}

void DataSet::setHistory(config::FileHistory* history, std::string source)
{
    m_history = history;
    m_historySource = std::move(source);
}

bool DataSet::keepInHistory(RecordFile& file, std::string_view source)
{
    file.setBeforeFirstWrite(nullptr);
    if (!m_history || !file.isOpen())
        return false;
    // Read through the file's own handle (it is held without sharing), a
    // piece at a time: a large file is never held whole.
    std::uint64_t size = 0;
    if (!file.diskSize(&size))
        return m_history->notReadable(config::baseNameOf(file.path()), file.lastError());
    return m_history->keepPieces(
        config::baseNameOf(file.path()), size,
        [&](std::uint64_t offset, char* buffer, std::size_t length, std::size_t* got,
            FileError* error) { return file.readDiskPiece(offset, buffer, length, got, error); },
        source);
}

void DataSet::keepBeforeFirstChange(RecordFile& file)
{
    if (!m_history || keepInHistory(file, m_historySource))
        return;
    reportHistoryProblem(file);
}

void DataSet::reportHistoryProblem(RecordFile& file)
{
    const config::HistoryProblem problem = m_history->takeUnreportedProblem();
    if (problem != config::HistoryProblem::None && m_feedback)
        m_feedback->historyNotKept(config::baseNameOf(file.path()), problem,
                                   m_history->problemError(), m_history->directory());
}

LayoutRecordFile* DataSet::keptFileNamed(std::string_view fileName) const
{
    for (LayoutRecordFile* file : {static_cast<LayoutRecordFile*>(m_alia.get()),
                                   static_cast<LayoutRecordFile*>(m_bloc.get()),
                                   static_cast<LayoutRecordFile*>(m_user.get())})
        if (file && file->layout().fileName == fileName)
            return file;
    return nullptr;
}

std::vector<std::string> DataSet::pemFiles(const std::string& directory, bool withVoidEntry) const
{
    std::vector<std::string> names;
    if (withVoidEntry)
        names.emplace_back(kVoidCertificate);
    for (std::string& name : m_fs.list(directory, "*.pem"))
        names.push_back(std::move(name));
    return names;
}

std::vector<std::string> DataSet::smimeCertificates() const
{
    return pemFiles(m_certFolders.smimeCert, false);
}

std::vector<std::string> DataSet::smimePrivateCertificates(bool withVoidEntry) const
{
    return pemFiles(smimePrivDirectory(), withVoidEntry);
}

std::vector<std::string> DataSet::smimePublicCertificates(bool withVoidEntry) const
{
    return pemFiles(smimePubDirectory(), withVoidEntry);
}

std::vector<std::string> DataSet::dkimPrivateCertificates(bool withVoidEntry) const
{
    return pemFiles(dkimPrivDirectory(), withVoidEntry);
}

} // namespace morva::db
