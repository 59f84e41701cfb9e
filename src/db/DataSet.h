#pragma once

#include "db/CertificateSettings.h"
#include "db/CountryList.h"
#include "db/DataSetFeedback.h"
#include "platform/AtomicReplace.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace morva::db {

class DataAliaFile;
class DataBlocFile;
class DataConfFile;
class DataDummFile;
class DataUserFile;
class LayoutRecordFile;
class RecordFile;

// The program-wide owner of the five record files and of the lock file
// "MORVADTB.LCK" that keeps the console and the gateway service apart.
// Record editors acquire it before they touch a record file and release it
// when they close; nested editors share one opening through a use count, and
// the last release closes every file (writing pending records) and deletes
// the lock file. Called from the user-interface thread only; open all and
// close all are additionally serialised by a mutex.
class DataSet
{
public:
    static constexpr const char* kLockFileName = "MORVADTB.LCK";
    static constexpr int kAttempts = 5;
    static constexpr std::chrono::milliseconds kRetryDelay{3000};
    static constexpr std::chrono::milliseconds kSleepSlice{100};
    static constexpr const char* kVoidCertificate = "!!void-certificate!!";

    // `programDir` ends with the native separator. `feedback` may be null
    // (no status, dialogs or messages) and must outlive the data set.
    DataSet(platform::FileSystem& fs, platform::Clock& clock, std::string programDir,
            const CertificateSettings& settings, DataSetFeedback* feedback = nullptr,
            int languageIndex = 0);
    ~DataSet();
    DataSet(const DataSet&) = delete;
    DataSet& operator=(const DataSet&) = delete;

    void setFeedback(DataSetFeedback* feedback) { m_feedback = feedback; }

    // The history that keeps the forwarding, blocking and Exchange user
    // files before their first change of each session (from open all to
    // close all), `source` saying what changed them; null: none. It must
    // outlive the data set. A copy that cannot be kept does not stop the
    // change: the feedback is told, once per file.
    void setHistory(config::FileHistory* history, std::string source = "console");
    void setHistorySource(std::string source) { m_historySource = std::move(source); }
    config::FileHistory* history() const { return m_history; }
    // Keeps `file` (one of the open files) as it is on disk now, with
    // `source`; the session's copy before its first change is then not
    // taken again. False when no history is set or no copy could be kept.
    bool keepInHistory(RecordFile& file, std::string_view source);
    // The open record file named `fileName` ("DataAlia.DAT", ...) of those
    // the history keeps; null when there is none.
    LayoutRecordFile* keptFileNamed(std::string_view fileName) const;
    void setLanguage(int languageIndex) { m_language = languageIndex; }

    // One attempt: takes the lock and opens the five files; on any failure
    // closes what was opened, releases the lock and returns false.
    bool openAll();
    // Closes the five files (each writes its pending record and is synced to
    // the disk when anything was written) and releases the lock; false when
    // some record could not be written or synced.
    bool closeAll();

    // Takes the data set for one editor: up to `attempts` tries, kRetryDelay
    // apart, with progress, wait dialog and, on failure, the message.
    bool acquire(int attempts = kAttempts);
    // Gives one use back; the last one closes everything. False when that
    // close could not write every record (the user has been told).
    bool release();

    bool isOpen() const { return m_dumm != nullptr; }
    unsigned useCount() const { return m_useCount; }

    // Valid between a successful acquire and the matching release.
    DataAliaFile* aliaFile() const { return m_alia.get(); }
    DataBlocFile* blocFile() const { return m_bloc.get(); }
    DataUserFile* userFile() const { return m_user.get(); }
    DataConfFile* confFile() const { return m_conf.get(); }

    // Deletes record n and returns to the record that was current, which
    // writes the deleted marker. False when record n does not exist or the
    // marker could not be written.
    bool deleteAliaRecord(std::uint32_t n);
    bool deleteBlocRecord(std::uint32_t n);
    bool deleteUserRecord(std::uint32_t n);

    // Replaces the whole of `file` (one of the open record files) with
    // `contents`: written to an owner-only temporary, synced and renamed
    // over it while the lock stays held, then opened again. On failure the
    // file keeps its bytes and *error says why.
    bool replaceRecordFile(RecordFile& file, std::string_view contents, platform::FileError* error);
    // The same with the bytes produced piecewise, so that a large file is
    // never held whole.
    bool replaceRecordFile(RecordFile& file, const platform::ContentSource& produce,
                           platform::FileError* error);

    // What made the last open all fail: the file and the reason.
    struct Failure
    {
        std::string fileName;
        platform::FileError error = platform::FileError::None;
    };
    const Failure& lastOpenFailure() const { return m_openFailure; }
    // The files whose pending record the last close all could not write.
    const std::vector<std::string>& unwrittenFiles() const { return m_unwritten; }

    // Certificate directories, each ending with the separator.
    const std::string& smimeCertDirectory() const { return m_certFolders.smimeCert; }
    std::string smimeCrlDirectory() const { return m_certFolders.smimeCrl(); }
    std::string smimeFpDirectory() const { return m_certFolders.smimeFp(); }
    std::string smimePrivDirectory() const { return m_certFolders.smimePriv(); }
    std::string smimePubDirectory() const { return m_certFolders.smimePub(); }
    // The CA certificate file, or empty when there is none.
    const std::string& smimeCaCertFile() const { return m_smimeCaCert; }
    const std::string& dkimCertDirectory() const { return m_certFolders.dkimCert; }
    std::string dkimPrivDirectory() const { return m_certFolders.dkimPriv(); }

    // "*.pem" file names (no directories) of the certificate directories;
    // the PRIV and PUB listings optionally start with kVoidCertificate.
    std::vector<std::string> smimeCertificates() const;
    std::vector<std::string> smimePrivateCertificates(bool withVoidEntry) const;
    std::vector<std::string> smimePublicCertificates(bool withVoidEntry) const;
    std::vector<std::string> dkimPrivateCertificates(bool withVoidEntry) const;

    // The country list of the country blocking page and its lookup.
    const std::array<std::string_view, kCountryCount>& countries() const { return countryList(); }
    std::string countryEntry(std::string_view code) const { return countryEntryFor(code); }

private:
    bool takeLock();
    void releaseLock();
    bool closeAllLocked();
    bool deleteRecord(RecordFile* file, std::uint32_t n);
    bool waitBeforeRetry();
    std::vector<std::string> pemFiles(const std::string& directory, bool withVoidEntry) const;
    std::string withSeparator(std::string directory) const;
    std::string_view tr(std::string_view id) const;
    void keepBeforeFirstChange(RecordFile& file);
    // Tells the feedback why the history could not keep `file` (once per file).
    void reportHistoryProblem(RecordFile& file);

    platform::FileSystem& m_fs;
    platform::Clock& m_clock;
    std::string m_programDir;
    char m_separator;
    DataSetFeedback* m_feedback;
    DataSetFeedback m_silent;
    int m_language;

    std::mutex m_guard;
    std::unique_ptr<platform::File> m_lock;
    std::unique_ptr<DataDummFile> m_dumm;
    std::unique_ptr<DataUserFile> m_user;
    std::unique_ptr<DataAliaFile> m_alia;
    std::unique_ptr<DataBlocFile> m_bloc;
    std::unique_ptr<DataConfFile> m_conf;
    unsigned m_useCount = 0;
    Failure m_openFailure;
    std::vector<std::string> m_unwritten;
    config::FileHistory* m_history = nullptr;
    std::string m_historySource = "console";

    CertificateFolders m_certFolders;
    std::string m_smimeCaCert;
};

} // namespace morva::db
