#include "MusicManage.h"

#include "MusicFlags.h"
#include "iTunesLib.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMutexLocker>

#include <cstdlib>
#include <cstring>

// A track's artwork: its picture file in the data folder, made from the database's bytes when
// missing, and the candidates the service offered.

QString CMusicManage::GetArtworkPath(CMusicObj* obj)
{
    if (!obj)
        return {};
    if (!QFileInfo::exists(obj->GetArtworkPath()))
    {
        QByteArray bytes;
        GetArtworkData(obj, bytes);
    }
    return obj->GetArtworkPath();
}

bool CMusicManage::IsInsideDataFolder(const QString& path) const
{
    const QString folder = QDir(m_dataFolder).canonicalPath();
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || parent.isEmpty())
        return false;
    return parent == folder || parent.startsWith(folder + u'/');
}

int CMusicManage::GetArtworkData(CMusicObj* obj, QByteArray& data)
{
    data.clear();
    if (!obj || !m_library)
        return -1;
    QMutexLocker db(&m_library->DbMutex());
    QString path = obj->GetArtworkPath();
    if ((obj->GetAbsence() & MF_Artwork) && path.isEmpty())
        return -1;
    if (!QDir().mkpath(m_dataFolder))
        WriteManageLog(QStringLiteral("Create Down Picture Path Failed!%1").arg(m_dataFolder));

    const MusicInfo& info = obj->CurrentInfo();
    QString newName;
    if (path.isEmpty())
    {
        // The id names the file: only its hex form may, so no name leaves the picture folder.
        if (!IsPersistentIdText(info.PersistentID))
            return -1;
        for (int n = 0;; ++n)
        {
            newName = QDir(m_dataFolder).filePath(QStringLiteral("%1_%2.jpg").arg(info.PersistentID).arg(n));
            if (!QFileInfo::exists(newName))
                break;
        }
    }

    const int ret = m_library->LoadArtworkToDB(&info, obj->GetType(), newName, data);
    if (data.isEmpty())
        return ret;

    if (!path.isEmpty())
    {
        if (!QFileInfo::exists(path))
        {
            // A path from a saved project is untrusted: pictures are written only inside the
            // picture folder.
            if (!IsInsideDataFolder(path) || !QImage::fromData(data).save(path))
                WriteManageLog(QStringLiteral("Picture Data From DB save to file Failed!%1 %2")
                                   .arg(info.Location, path));
        }
    }
    else
    {
        if (!QFileInfo::exists(newName) && !QImage::fromData(data).save(newName))
            WriteManageLog(QStringLiteral("Picture save to file Failed!%1 %2").arg(info.Location, newName));
        obj->SetArtworkPath(newName);
    }
    return ret;
}

int CMusicManage::GetArtworkData(CMusicObj* obj, unsigned char** data, int* size)
{
    if (!obj || !data || !size || !m_library)
        return -1;
    *data = nullptr;
    *size = 0;
    QByteArray bytes;
    const int ret = GetArtworkData(obj, bytes);
    if (bytes.isEmpty())
        return ret;
    auto* buffer = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(bytes.size())));
    if (!buffer)
        return -1;
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()));
    *data = buffer;
    *size = static_cast<int>(bytes.size());
    return ret;
}

int CMusicManage::FreeArtworkData(unsigned char** data)
{
    if (!data)
        return -1;
    std::free(*data);
    *data = nullptr;
    return 0;
}

int CMusicManage::GetArtworkFixState(CMusicObj* obj)
{
    return obj ? obj->GetArtworkFixState() : 0;
}

int CMusicManage::GetArtworkCount(CMusicObj* obj)
{
    return obj ? obj->GetArtworkCount() : 0;
}

QString CMusicManage::GetArtworkCandidate(CMusicObj* obj, int index)
{
    return obj ? obj->GetArtworkCandidate(index) : QString();
}
