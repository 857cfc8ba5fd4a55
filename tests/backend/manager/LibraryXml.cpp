#include "LibraryXml.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace manager_test {
namespace {

QByteArray escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

void stringKey(QByteArray& out, const char* key, const QString& value)
{
    if (value.isEmpty())
        return;
    out += "\t\t\t<key>" + QByteArray(key) + "</key><string>" + escaped(value) + "</string>\n";
}

void intKey(QByteArray& out, const char* key, qint64 value)
{
    if (value == 0)
        return;
    out += "\t\t\t<key>" + QByteArray(key) + "</key><integer>" + QByteArray::number(value) + "</integer>\n";
}

} // namespace

bool WriteLibraryXml(const QString& path, const std::vector<XmlTrack>& tracks)
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                     "<plist version=\"1.0\">\n<dict>\n"
                     "\t<key>Major Version</key><integer>1</integer>\n"
                     "\t<key>Minor Version</key><integer>1</integer>\n"
                     "\t<key>Application Version</key><string>12.0</string>\n"
                     "\t<key>Library Persistent ID</key><string>1122334455667788</string>\n"
                     "\t<key>Tracks</key>\n\t<dict>\n";
    for (const XmlTrack& t : tracks)
    {
        out += "\t\t<key>" + QByteArray::number(t.trackId) + "</key>\n\t\t<dict>\n";
        intKey(out, "Track ID", t.trackId);
        stringKey(out, "Name", t.name);
        stringKey(out, "Artist", t.artist);
        stringKey(out, "Album", t.album);
        stringKey(out, "Genre", t.genre);
        stringKey(out, "Kind", QStringLiteral("MPEG audio file"));
        intKey(out, "Size", t.size);
        intKey(out, "Total Time", t.totalTime);
        intKey(out, "Year", t.year);
        intKey(out, "Bit Rate", t.bitRate);
        stringKey(out, "Persistent ID", t.persistentId);
        stringKey(out, "Track Type", QStringLiteral("File"));
        if (!t.location.isEmpty())
            stringKey(out, "Location",
                      QStringLiteral("file://localhost") + QString::fromUtf8(QUrl::toPercentEncoding(t.location, "/")));
        out += "\t\t</dict>\n";
    }
    out += "\t</dict>\n\t<key>Playlists</key>\n\t<array>\n"
           "\t\t<dict>\n"
           "\t\t\t<key>Name</key><string>Library</string>\n"
           "\t\t\t<key>Master</key><true/>\n"
           "\t\t\t<key>Playlist ID</key><integer>1</integer>\n"
           "\t\t\t<key>Playlist Persistent ID</key><string>AAAAAAAAAAAAAAAA</string>\n"
           "\t\t\t<key>Visible</key><false/>\n"
           "\t\t\t<key>All Items</key><true/>\n"
           "\t\t\t<key>Playlist Items</key>\n\t\t\t<array>\n";
    QByteArray items;
    for (const XmlTrack& t : tracks)
        items += "\t\t\t\t<dict><key>Track ID</key><integer>" + QByteArray::number(t.trackId) + "</integer></dict>\n";
    out += items;
    out += "\t\t\t</array>\n\t\t</dict>\n"
           "\t\t<dict>\n"
           "\t\t\t<key>Name</key><string>Music</string>\n"
           "\t\t\t<key>Playlist ID</key><integer>2</integer>\n"
           "\t\t\t<key>Playlist Persistent ID</key><string>BBBBBBBBBBBBBBBB</string>\n"
           "\t\t\t<key>Distinguished Kind</key><integer>4</integer>\n"
           "\t\t\t<key>All Items</key><true/>\n"
           "\t\t\t<key>Playlist Items</key>\n\t\t\t<array>\n";
    out += items;
    out += "\t\t\t</array>\n\t\t</dict>\n\t</array>\n</dict>\n</plist>\n";

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(out);
    return file.commit();
}

} // namespace manager_test
