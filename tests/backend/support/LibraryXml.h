#pragma once

#include "RoadInvariants.h"

#include <QString>

#include <vector>

namespace manager_test
{

// One track of a generated iTunes library file.
struct XmlTrack
{
    int trackId = 0;
    QString persistentId; // 16 hex digits
    QString name, artist, album, genre;
    int year = 0;
    qint64 size = 0;
    int totalTime = 0;
    int bitRate = 0;
    QString location; // local path; written as a file://localhost URL
    tidewell::test::Spelling spelling = tidewell::test::Spelling::Plain; // how the URL spells it
};

// Writes an iTunes library XML file whose Music playlist lists every track, in the order given.
// Track IDs must ascend. True when the file was written.
bool WriteLibraryXml(const QString& path, const std::vector<XmlTrack>& tracks);

} // namespace manager_test
