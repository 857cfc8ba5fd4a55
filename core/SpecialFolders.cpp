#include "SpecialFolders.h"

#include "GeneralUtils.h"

#include <QStandardPaths>

namespace
{

QString LookUp(unsigned type)
{
    switch (type)
    {
    case SpecialFolderPrograms:
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case SpecialFolderDocuments:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case SpecialFolderAppData:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case SpecialFolderVideos:
        return QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    case SpecialFolderMusic:
        return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    case SpecialFolderPictures:
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    case SpecialFolderRecycleBin:
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return data.isEmpty() ? QString() : data + QStringLiteral("/Trash");
    }
    default:
        return QString();
    }
}

} // namespace

int GetSpecialFolderPath(QString* path, unsigned type, const QString& subPath)
{
    if (!path)
        return SpecialFolderNoBuffer;
    QString folder = LookUp(type);
    if (folder.isEmpty() || !CreateDirPath(folder))
        return SpecialFolderFailed;
    if (!subPath.isEmpty())
        folder += QLatin1Char('/') + subPath;
    *path = folder;
    return SpecialFolderOk;
}
