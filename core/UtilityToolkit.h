#pragma once

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QUrl>

// General helpers for folders, files, sizes, times, drives, languages and file-dialog filters.
// Stateless except the log-file and translator functions; meant for the GUI thread.

// ---- System ----
bool Is64BitSystem();

// ---- Folders and files ----
// Empties a folder (hidden entries too): files and links are made owner-writable and deleted,
// stopping at the first failure; sub-folders are emptied and removed. Links to folders are removed,
// never followed. Paths shorter than 2 characters are ignored. True when everything went.
bool RemoveFolderContents(const QString& path, bool removeFolderToo);
bool RemoveFolderTree(const QString& path);
bool RemoveFile(const QString& path);
// True when the file exists already; otherwise creates its parent folders and the empty file.
bool CreateEmptyFile(const QString& path);
bool FileExists(const QString& path);
bool IsFolder(const QString& path);
// A folder is removed with its tree, anything else as a file.
bool RemovePath(const QString& path);
bool CopyFile(const QString& source, const QString& target);
// Copies a folder tree; a file that cannot be copied is passed over, a sub-folder that fails
// fails the whole copy. With overwrite an existing target file is replaced.
bool CopyFolder(const QString& source, const QString& target, bool overwrite);
// Sum of the sizes of all files below the folder (links are not followed).
qint64 GetFolderSize(const QString& path);
// The folder, or its "BDMV"/"BDAV" (Blu-ray) or "VIDEO_TS" sub-folder, exists.
bool IsDiscFolder(const QString& folder, bool bluRay);
// Writes and removes a small test settings file in the folder.
bool IsFolderWritable(const QString& folder);
// Opens the file with the desktop's default application; false when it does not exist.
bool OpenWithShell(const QString& path);

// ---- Drives (the file system holding the path) ----
qint64 GetDriveFreeBytes(const QString& path);  // 0 for an empty or unknown path
qint64 GetDriveTotalBytes(const QString& path); // 0 for an empty or unknown path
bool IsSameDrive(const QString& a, const QString& b);
bool IsOpticalDrive(const QString& path);
QStringList GetOpticalDrives(); // mount points of labelled optical discs
QString GetVolumeLabel(const QString& path);
bool IsFat32(const QString& path);
// "HostName", "Port" and "ProxyEnable" ("1" or "0") from the desktop's proxy variables.
QMap<QString, QString> GetSystemProxy();

// ---- Numbers, sizes and times ----
// -1, 0 or 1, comparing dotted versions number by number (a missing part counts 0).
int CompareVersions(const QString& a, const QString& b);
bool IsDigitsOnly(const QString& text);
// "h:m:s.ms" to milliseconds; empty parts count 0.
qint64 ParseClockText(const QString& text);
// "hh:mm:ss.zzz", or "hh:mm:ss" rounded to the nearest second (more than 500 ms rounds up).
QString FormatMilliseconds(qint64 ms, bool withMilliseconds);
int TimeToMilliseconds(const QTime& time);
// "1.5 GB" style text to bytes, binary units (2^30...) or decimal units (10^9...); 0 without a unit.
qint64 ParseSizeText(const QString& text, bool decimalUnits = false);
// "0KB", "%ld KB", "%.2f MB" or "%.2f GB".
QString FormatSize(qint64 bytes, bool decimalUnits = false);
quint32 ByteSwap32(quint32 value);

// ---- Text ----
// Drops " * / : < > ? \ |, trims; a reserved device name (CON, COM1...) becomes empty.
QString SafeFileName(const QString& text);
bool IsValidFileName(const QString& text);
bool IsEmailAddress(const QString& text);
QString WrapAsHtml(const QString& text);
QString UrlToLocalPath(const QUrl& url);

// ---- Languages and fonts ----
QString GetSystemLanguageCode(const QLocale& locale = QLocale::system());
QStringList LanguageDisplayNames(const QStringList& codes);
QString FirstInstalledFont(const QStringList& families);
// For "jp" and "zh": makes the first installed suitable family the application font and answers
// the style-sheet template with %1 filled, for the caller to set. Other languages: empty.
QString ApplyLanguageFont(const QString& styleTemplate, const QString& language);
// Loads "<prefix>_<code>.qm" and "qt_<code>.qm" from the folder into two translators kept for the
// program's life and installs them. True when the program's own file loaded.
bool LoadTranslators(const QString& language, const QString& folder, const QString& prefix);

// ---- File dialogs and images ----
enum class EFileFilter
{
    Video,
    Audio,
    Media,
    Image,
    Subtitle,
    DiscImage,
};
// The filter patterns joined with ";"; bare drops every "*.".
QString FileDialogFilter(EFileFilter kind, bool bare = false);
QImage LoadAnyImage(const QString& path);

// ---- Debug log file ----
// Routes Qt's messages into the file (appending; a file above 2 MiB starts again) between
// banners. Messages pass RedactSecrets first. Any thread may log.
bool StartLogFile(const QString& path);
void StopLogFile();
QString MessageTypeName(int type); // "Debug", "Warning", "Critical", "Fatal"

// writableLocation of the kind + "/" + subPath (when given), as UTF-8.
QByteArray StorageLocation(QStandardPaths::StandardLocation kind, const QString& subPath = QString());
