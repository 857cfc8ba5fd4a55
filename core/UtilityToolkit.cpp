#include "UtilityToolkit.h"

#include "AppSettings.h"
#include "GeneralUtils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QStorageInfo>
#include <QSysInfo>
#include <QTextStream>
#include <QTranslator>

#include <array>
#include <deque>
#include <memory>

namespace
{

constexpr qint64 kLogFileLimit = 2097152;

const QString kUnsafeFileNameChars = QStringLiteral("\"*/:<>?\\|");

bool IsReservedDeviceName(const QString& name)
{
    static const QStringList reserved = []
    {
        QStringList names{QStringLiteral("AUX"), QStringLiteral("CON"), QStringLiteral("NUL"),
                          QStringLiteral("PRN")};
        for (int i = 1; i <= 9; ++i)
            names << QStringLiteral("COM%1").arg(i) << QStringLiteral("LPT%1").arg(i);
        return names;
    }();
    return reserved.contains(name, Qt::CaseInsensitive);
}

bool IsOpticalFileSystem(const QByteArray& type)
{
    return type == "iso9660" || type == "udf";
}

// The storage of the path, or of its nearest existing parent (a target that is not made yet).
QStorageInfo StorageOf(const QString& path)
{
    QFileInfo info(path);
    QString existing = info.absoluteFilePath();
    while (!existing.isEmpty() && !QFileInfo::exists(existing))
    {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        existing = parent;
    }
    return QStorageInfo(existing);
}

// The debug log file and the lock that every thread's message takes.
struct LogFileState
{
    QMutex mutex;
    std::unique_ptr<QFile> file;
};

LogFileState& LogState()
{
    static LogFileState state;
    return state;
}

void WriteLogLine(const QString& line)
{
    LogFileState& state = LogState();
    QMutexLocker lock(&state.mutex);
    if (!state.file)
        return;
    state.file->write(line.toUtf8());
    state.file->write("\n");
    state.file->flush();
}

void LogMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    WriteLogLine(QStringLiteral("%1 [%2] %3")
                     .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), MessageTypeName(type),
                          RedactSecrets(message)));
}

std::array<std::unique_ptr<QTranslator>, 2>& Translators()
{
    static std::array<std::unique_ptr<QTranslator>, 2> translators;
    return translators;
}

} // namespace

bool Is64BitSystem()
{
    return QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64");
}

bool RemoveFolderContents(const QString& path, bool removeFolderToo)
{
    const QString native = ToNativeSeparators(path);
    if (native.size() < 2)
        return false;
    QDir dir(native);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
    {
        if (entry.isDir() && !entry.isSymLink())
        {
            if (!RemoveFolderContents(entry.absoluteFilePath(), true))
                return false;
            continue;
        }
        QFile file(entry.absoluteFilePath());
        if (!entry.isSymLink())
            file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        if (!file.remove())
            return false;
    }
    return removeFolderToo ? dir.rmdir(dir.absolutePath()) : true;
}

bool RemoveFolderTree(const QString& path)
{
    return RemoveFolderContents(path, true);
}

bool RemoveFile(const QString& path)
{
    return QFile::remove(ToNativeSeparators(path));
}

bool CreateEmptyFile(const QString& path)
{
    const QString native = ToNativeSeparators(path);
    if (QFileInfo::exists(native))
        return true;
    if (!CreateDirPath(QFileInfo(native).absolutePath()))
        return false;
    QFile file(native);
    return file.open(QIODevice::WriteOnly);
}

bool FileExists(const QString& path)
{
    return QFile::exists(ToNativeSeparators(path));
}

bool IsFolder(const QString& path)
{
    return QFileInfo(ToNativeSeparators(path)).isDir();
}

bool RemovePath(const QString& path)
{
    const QFileInfo info(ToNativeSeparators(path));
    return info.isDir() && !info.isSymLink() ? RemoveFolderTree(path) : RemoveFile(path);
}

bool CopyFile(const QString& source, const QString& target)
{
    return QFile::copy(ToNativeSeparators(source), ToNativeSeparators(target));
}

bool CopyFolder(const QString& source, const QString& target, bool overwrite)
{
    const QString from = ToNativeSeparators(source);
    const QString to = ToNativeSeparators(target);
    if (!CreateDirPath(to))
        return false;
    const QFileInfoList entries =
        QDir(from).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
    {
        const QString destination = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir())
        {
            // A link to a folder could lead back into the tree; it is not followed.
            if (!entry.isSymLink() && !CopyFolder(entry.absoluteFilePath(), destination, overwrite))
                return false;
            continue;
        }
        if (overwrite && QFileInfo::exists(destination))
            QFile::remove(destination);
        QFile::copy(entry.absoluteFilePath(), destination);
    }
    return true;
}

qint64 GetFolderSize(const QString& path)
{
    qint64 total = 0;
    QDirIterator it(ToNativeSeparators(path),
                    QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isSymLink())
            total += info.size();
    }
    return total;
}

bool IsDiscFolder(const QString& folder, bool bluRay)
{
    const QString native = ToNativeSeparators(folder);
    const QStringList names = bluRay ? QStringList{QStringLiteral("BDMV"), QStringLiteral("BDAV")}
                                     : QStringList{QStringLiteral("VIDEO_TS")};
    for (const QString& name : names)
    {
        const QString candidate = native.endsWith(name) ? native : native + QLatin1Char('/') + name;
        if (QFileInfo(candidate).isDir())
            return true;
    }
    return false;
}

bool IsFolderWritable(const QString& folder)
{
    const QTime now = QTime::currentTime();
    QRandomGenerator generator(static_cast<quint32>(now.second() * 1000 + now.msec()));
    const QString path =
        ToNativeSeparators(folder) + QStringLiteral("/OutPutTest%1").arg(generator.generate());
    {
        QSettings probe(path, QSettings::IniFormat);
        probe.setValue(QStringLiteral("isWrite"), QStringLiteral("Yes"));
        probe.sync();
    }
    if (!QFile::exists(path))
        return false;
    QFile::remove(path);
    return true;
}

bool OpenWithShell(const QString& path)
{
    const QString native = ToNativeSeparators(path);
    if (!QFile::exists(native))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(native).absoluteFilePath()));
}

qint64 GetDriveFreeBytes(const QString& path)
{
    if (path.isEmpty())
        return 0;
    const QStorageInfo storage = StorageOf(ToNativeSeparators(path));
    return storage.isValid() ? storage.bytesAvailable() : 0;
}

qint64 GetDriveTotalBytes(const QString& path)
{
    if (path.isEmpty())
        return 0;
    const QStorageInfo storage = StorageOf(ToNativeSeparators(path));
    return storage.isValid() ? storage.bytesTotal() : 0;
}

bool IsSameDrive(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QStorageInfo first = StorageOf(ToNativeSeparators(a));
    const QStorageInfo second = StorageOf(ToNativeSeparators(b));
    return first.isValid() && second.isValid() && first.device() == second.device() &&
           first.rootPath() == second.rootPath();
}

bool IsOpticalDrive(const QString& path)
{
    const QStorageInfo storage = StorageOf(ToNativeSeparators(path));
    return storage.isValid() && IsOpticalFileSystem(storage.fileSystemType());
}

QStringList GetOpticalDrives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    {
        if (volume.isValid() && IsOpticalFileSystem(volume.fileSystemType()) && !volume.name().isEmpty())
            roots << volume.rootPath();
    }
    return roots;
}

QString GetVolumeLabel(const QString& path)
{
    const QStorageInfo storage = StorageOf(ToNativeSeparators(path));
    return storage.isValid() ? storage.name() : QString();
}

bool IsFat32(const QString& path)
{
    const QStorageInfo storage = StorageOf(ToNativeSeparators(path));
    const QByteArray type = storage.fileSystemType().toLower();
    return storage.isValid() && (type == "vfat" || type == "fat32");
}

QMap<QString, QString> GetSystemProxy()
{
    QMap<QString, QString> proxy;
    QString value = qEnvironmentVariable("http_proxy");
    if (value.isEmpty())
        value = qEnvironmentVariable("HTTP_PROXY");
    proxy.insert(QStringLiteral("ProxyEnable"), value.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    if (value.isEmpty())
        return proxy;
    const QUrl url = QUrl::fromUserInput(value.section(QLatin1Char(';'), 0, 0).trimmed());
    proxy.insert(QStringLiteral("HostName"), url.host());
    proxy.insert(QStringLiteral("Port"), url.port() > 0 ? QString::number(url.port()) : QString());
    return proxy;
}

int CompareVersions(const QString& a, const QString& b)
{
    if (a == b)
        return 0;
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    const qsizetype length = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < length; ++i)
    {
        const qlonglong x = i < left.size() ? left.at(i).toLongLong() : 0;
        const qlonglong y = i < right.size() ? right.at(i).toLongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

bool IsDigitsOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

qint64 ParseClockText(const QString& text)
{
    const QString clock = text.section(QLatin1Char('.'), 0, 0);
    const qint64 ms = text.contains(QLatin1Char('.')) ? text.section(QLatin1Char('.'), 1, 1).toLongLong() : 0;
    const QStringList parts = clock.split(QLatin1Char(':'));
    const qint64 hours = parts.value(0).toLongLong();
    const qint64 minutes = parts.value(1).toLongLong();
    const qint64 seconds = parts.value(2).toLongLong();
    return hours * 3600000 + minutes * 60000 + seconds * 1000 + ms;
}

QString FormatMilliseconds(qint64 ms, bool withMilliseconds)
{
    if (ms < 0)
        ms = 0;
    if (withMilliseconds)
        return QString::asprintf("%02lld:%02lld:%02lld.%03lld", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                                 ms % 1000);
    const qint64 seconds = ms / 1000 + (ms % 1000 > 500 ? 1 : 0);
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

int TimeToMilliseconds(const QTime& time)
{
    return time.hour() * 3600000 + time.minute() * 60000 + time.second() * 1000 + time.msec();
}

qint64 ParseSizeText(const QString& text, bool decimalUnits)
{
    struct Unit
    {
        const char* name;
        double binary;
        double decimal;
    };
    static constexpr std::array<Unit, 3> units{
        {{"GB", 1073741824.0, 1e9}, {"MB", 1048576.0, 1e6}, {"KB", 1024.0, 1e3}}};
    for (const Unit& unit : units)
    {
        const qsizetype at = text.lastIndexOf(QLatin1String(unit.name));
        if (at >= 0)
            return static_cast<qint64>(text.left(at).trimmed().toDouble() *
                                       (decimalUnits ? unit.decimal : unit.binary));
    }
    return 0;
}

QString FormatSize(qint64 bytes, bool decimalUnits)
{
    if (bytes <= 0)
        return QStringLiteral("0KB");
    const double kb = decimalUnits ? 1e3 : 1024.0;
    const double mb = kb * kb;
    const double gb = mb * kb;
    const double value = static_cast<double>(bytes);
    if (value >= gb)
        return QString::asprintf("%.2f GB", value / gb);
    if (value >= mb)
        return QString::asprintf("%.2f MB", value / mb);
    return QString::asprintf("%lld KB", static_cast<long long>(value / kb));
}

quint32 ByteSwap32(quint32 value)
{
    return ((value & 0xffu) << 24) | ((value & 0xff00u) << 8) | ((value >> 8) & 0xff00u) | (value >> 24);
}

QString SafeFileName(const QString& text)
{
    QString name;
    for (const QChar c : text)
    {
        if (!kUnsafeFileNameChars.contains(c))
            name += c;
    }
    name = name.trimmed();
    return IsReservedDeviceName(name) ? QString() : name;
}

bool IsValidFileName(const QString& text)
{
    if (text.isEmpty() || IsReservedDeviceName(text))
        return false;
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return kUnsafeFileNameChars.contains(c); });
}

bool IsEmailAddress(const QString& text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([^\\.]+.*[^\\.]+@[^\\.]+.*\\.[^\\.]{2,5}$)")));
    return pattern.match(text).hasMatch();
}

QString WrapAsHtml(const QString& text)
{
    return QStringLiteral("<html>\n") + text + QStringLiteral("\n</html>");
}

QString UrlToLocalPath(const QUrl& url)
{
    return url.toLocalFile();
}

QString GetSystemLanguageCode(const QLocale& locale)
{
    switch (locale.language())
    {
    case QLocale::Chinese:
        return QStringLiteral("zh");
    case QLocale::Japanese:
        return QStringLiteral("jp");
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Russian:
        return QStringLiteral("ru");
    case QLocale::Hungarian:
        return QStringLiteral("hu");
    case QLocale::Armenian:
        return QStringLiteral("hy");
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::Portuguese:
        return QStringLiteral("ptBR");
    case QLocale::Dutch:
        return QStringLiteral("nl");
    case QLocale::Arabic:
        return QStringLiteral("ar");
    default:
        return QStringLiteral("en");
    }
}

QStringList LanguageDisplayNames(const QStringList& codes)
{
    static const QMap<QString, QString> names{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("zh"), QStringLiteral("简体中文")},
        {QStringLiteral("jp"), QStringLiteral("日本語")},
        {QStringLiteral("ru"), QStringLiteral("русский")},
        {QStringLiteral("hu"), QStringLiteral("Magyar")},
        {QStringLiteral("hy"), QStringLiteral("հայերեն")},
        {QStringLiteral("es"), QStringLiteral("español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("ptBR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("nl"), QStringLiteral("Dutch")},
        {QStringLiteral("tw"), QStringLiteral("繁体中文")},
        {QStringLiteral("da"), QStringLiteral("Dansk")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
    };
    QStringList shown;
    for (const QString& code : codes)
        shown << names.value(code, code);
    return shown;
}

QString FirstInstalledFont(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
    {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QString();
}

QString ApplyLanguageFont(const QString& styleTemplate, const QString& language)
{
    QStringList candidates;
    if (language == QLatin1String("jp"))
        candidates = {QStringLiteral("Osaka"), QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                      QStringLiteral("Noto Sans CJK JP")};
    else if (language == QLatin1String("zh"))
        candidates = {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Segoe UI")};
    else
        return QString();
    const QString family = FirstInstalledFont(candidates);
    if (family.isEmpty())
        return QString();
    QFont font = QGuiApplication::font();
    font.setFamily(family);
    QGuiApplication::setFont(font);
    return styleTemplate.arg(family);
}

bool LoadTranslators(const QString& language, const QString& folder, const QString& prefix)
{
    auto& translators = Translators();
    for (auto& translator : translators)
    {
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
        translator = std::make_unique<QTranslator>();
    }
    const QString dir = ToNativeSeparators(folder);
    const bool own = translators[0]->load(prefix + QLatin1Char('_') + language + QStringLiteral(".qm"), dir);
    const bool qt = translators[1]->load(QStringLiteral("qt_") + language + QStringLiteral(".qm"), dir);
    if (own)
        QCoreApplication::installTranslator(translators[0].get());
    if (qt)
        QCoreApplication::installTranslator(translators[1].get());
    return own;
}

QString FileDialogFilter(EFileFilter kind, bool bare)
{
    static const QString video = QStringLiteral("*.265;*.264;*.3gp;*.3gpp;*.3g2;*.avi;*.m4v;*.m2v;*.mod;*."
                                                "tod;*.dv;*.dpg;*.flv;*.f4v;*.mts;*.ts;*.m2ts;*.m2t;"
                                                "*.tp;*.trp;*.dvr-ms;*.mkv;*.mp4;*.mpg;*.mpeg;*.nut;*.nsv;*."
                                                "mov;*.qt;*.rm;*.rmvb;*.vob;*.dat;*.wmv;*.asf;"
                                                "*.webm;*.wtv");
    // ".m4r" and ".ape" are separate patterns: joined by a comma neither would ever match.
    static const QString audio = QStringLiteral("*.aac;*.ac3;*.aif;*.amr;*.aiff;*.wav;*.flac;*.mka;*.mp2;*."
                                                "mp3;*.m4a;*.ogg;*.ra;*.au;*.wma;*.m4r;*.ape");
    static const QString images =
        QStringLiteral("*.png;*.jpg;*.jpeg;*.bmp;*.heic;*.tiff;*.tif;*.gif;*.jfif;*.ico;*.emf;*.wmf");
    QString filter;
    switch (kind)
    {
    case EFileFilter::Video:
        filter = video;
        break;
    case EFileFilter::Audio:
        filter = audio;
        break;
    case EFileFilter::Media:
        filter = video + QLatin1Char(';') + audio;
        break;
    case EFileFilter::Image:
        filter = images;
        break;
    case EFileFilter::Subtitle:
        filter = QStringLiteral("*.srt;*.ass;*.ssa");
        break;
    case EFileFilter::DiscImage:
        filter = QStringLiteral("*.iso;*.ISO");
        break;
    }
    if (bare)
        filter.remove(QStringLiteral("*."));
    return filter;
}

QImage LoadAnyImage(const QString& path)
{
    const QString native = ToNativeSeparators(path);
    QImage image(native);
    if (!image.isNull())
        return image;
    static const std::array<const char*, 8> formats{"png",  "jpg",  "jpeg", "bmp",
                                                    "heic", "tiff", "tif",  "gif"};
    for (const char* format : formats)
    {
        if (image.load(native, format))
            return image;
    }
    return QImage();
}

bool StartLogFile(const QString& path)
{
    LogFileState& state = LogState();
    {
        QMutexLocker lock(&state.mutex);
        const QString native = ToNativeSeparators(path);
        if (QFileInfo(native).size() > kLogFileLimit)
            QFile::remove(native);
        auto file = std::make_unique<QFile>(native);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return false;
        state.file = std::move(file);
    }
    WriteLogLine(QString(60, QLatin1Char('*')));
    qInstallMessageHandler(LogMessageHandler);
    return true;
}

void StopLogFile()
{
    WriteLogLine(QString(60, QLatin1Char('*')));
    qInstallMessageHandler(nullptr);
    LogFileState& state = LogState();
    QMutexLocker lock(&state.mutex);
    state.file.reset();
}

QString MessageTypeName(int type)
{
    switch (type)
    {
    case QtDebugMsg:
        return QStringLiteral("Debug");
    case QtWarningMsg:
        return QStringLiteral("Warning");
    case QtCriticalMsg:
        return QStringLiteral("Critical");
    case QtFatalMsg:
        return QStringLiteral("Fatal");
    case QtInfoMsg:
        return QStringLiteral("Info");
    default:
        return QString();
    }
}

QByteArray StorageLocation(QStandardPaths::StandardLocation kind, const QString& subPath)
{
    QString location = QStandardPaths::writableLocation(kind);
    if (!subPath.isEmpty())
        location += QLatin1Char('/') + subPath;
    return location.toUtf8();
}
