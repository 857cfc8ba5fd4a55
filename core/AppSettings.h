#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <shared_mutex>

class QSettings;

// Exit codes of start-up when the user's folders are not usable. Nothing is shown.
constexpr int kExitNoSpecialFolder = 80;    // documents or application-data folder not found
constexpr int kExitCannotCreateFolder = 81; // a work or data folder could not be created

// The one process-wide store of preferences and folders, loaded from "merrow.ini" in the data
// folder. Setters change only memory; SaveSettings puts every persisted field into the ini store.
//
// Threading: built and released on the GUI thread while no worker runs. Every getter and setter
// takes the object's lock, so worker threads may read while the preferences dialog writes.
// GetOpenPath hands out a reference and is for the GUI thread's open-file dialogs only;
// SaveSettings and CopyForReport touch the ini store and belong to the GUI thread too.
class CAppSettings
{
public:
    ~CAppSettings();
    CAppSettings(const CAppSettings&) = delete;
    CAppSettings& operator=(const CAppSettings&) = delete;

    // Writes every persisted key, in the file's fixed order. The ini store flushes on its own
    // (event loop or destruction). The proxy password is written as plain text, as stored.
    void SaveSettings();

    // Writes a copy of the ini file to targetPath with the proxy password removed; for bug
    // reports, which must never carry it. False when the copy cannot be written.
    bool CopyForReport(const QString& targetPath);

    QString GetPictureFolder() const;
    void SetPictureFolder(const QString& folder);
    QString GetMusicFolder() const;
    void SetMusicFolder(const QString& folder);
    QString GetDataFolder() const;
    void SetDataFolder(const QString& folder);
    QString GetRecycleFolder() const;
    // Picture folder + "/" (unless already there) + "Zavro_Recycle Bin"; stored and returned.
    QString MakeRecycleFolderPath();

    QString& GetOpenPath() { return m_openPath; }
    // The folder of the last project saved, whose temporaries the next start clears; stored at
    // once, before the save writes anything there.
    QString GetLastProjectFolder() const;
    void SetLastProjectFolder(const QString& folder);

    int GetProxyEnabled() const;
    void SetProxyEnabled(int enabled);
    int GetProxyType() const;
    void SetProxyType(int type);
    QString GetProxyHost() const;
    void SetProxyHost(const QString& host);
    int GetProxyPort() const;
    void SetProxyPort(int port);
    QString GetProxyUser() const;
    void SetProxyUser(const QString& user);
    QString GetProxyPassword() const;
    void SetProxyPassword(const QString& password);

    int GetMsgDshow() const;
    void SetMsgDshow(int value);
    int GetAutoUpdate() const;
    void SetAutoUpdate(int value);
    int GetUpdateDays() const;
    void SetUpdateDays(int days);
    int GetUpdateDate(int& year, int& month, int& day) const; // always 0
    void SetUpdateDate(int year, int month, int day);

    int GetGenernal() const;
    void SetGenernal(int mask);
    // The "Duplicate" mask carries the match degree in its bits 0x10 / 0x20 / 0x40. A mask
    // without any of them (the duplicate options page writes one) keeps the current degree.
    int GetDuplicate() const;
    void SetDuplicate(int mask);
    int GetReplace() const;
    void SetReplace(int mask);
    // 16, 32 or 64, kept in the "Duplicate" mask so it survives a restart. Any other value is
    // stored as 64, the loosest degree, which is how the scan treats it anyway.
    int GetMatchDegree() const;
    void SetMatchDegree(int degree);

    int GetClearDays() const;
    void SetClearDays(int days);
    QString GetLanguage() const;
    void SetLanguage(const QString& language);

    QString GetIniPath() const;

private:
    friend int LoadAppSettings();
    CAppSettings();
    int InitDataFolders();
    void LoadIni();

    std::unique_ptr<QSettings> m_ini;
    // A standard lock rather than QReadWriteLock: the thread sanitizer sees its hand-overs.
    mutable std::shared_mutex m_lock;

    QString m_pictureFolder;
    QString m_musicFolder;
    QString m_dataFolder;
    QString m_clearDate;
    QString m_recycleFolder;
    QString m_openPath;
    QString m_lastProjectFolder;
    int m_proxyEnabled = 0;
    int m_proxyType = 0;
    QString m_proxyHost;
    int m_proxyPort = 0;
    QString m_proxyUser;
    QString m_proxyPassword;
    int m_msgDshow = 0;
    int m_autoUpdate = 1;
    int m_updateDays = 7;
    int m_updateYear = -1;
    int m_updateMonth = -1;
    int m_updateDay = -1;
    int m_openUrl = 0;
    int m_genernal = 0;
    int m_duplicate = 0;
    int m_replace = 0;
    int m_historyOpt = 0;
    int m_clearDays = 7;
    QString m_language;
};

// Builds and loads the settings object when there is none yet. Answers 0, or
// kExitNoSpecialFolder / kExitCannotCreateFolder, in which case no object exists. main calls it
// first and ends the process with the code it answers.
int LoadAppSettings();

// The settings object, loaded on first use. When loading fails the exit handler runs with the
// code (by default it ends the process with it, without a message); if a handler returns,
// null is answered.
CAppSettings* GetAppSettings();

// Replaces what GetAppSettings does when the folders are not usable (tests record the code).
// An empty handler restores the default, std::exit.
void SetAppSettingsExitHandler(std::function<void(int)> handler);

// Destroys the object (the ini store flushes pending values); a later GetAppSettings loads anew.
void ReleaseAppSettings();

// The text with the stored proxy password replaced by "****", for anything that goes into a log
// or a report. Never creates the settings object. Any thread.
QString RedactSecrets(const QString& text);
