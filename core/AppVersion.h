#pragma once

#include <QString>

// The program's version, four dotted numbers compiled in from the build (there is no version
// resource in a Linux executable).

struct FixedFileVersion
{
    quint32 fileVersionMS = 0, fileVersionLS = 0;       // file version, high word first
    quint32 productVersionMS = 0, productVersionLS = 0; // product version, high word first
};

// Fills the version block of the given executable. Only the running program carries one: any
// other path answers false.
bool ReadFileVersionInfo(const QString& path, FixedFileVersion* info);
// "a.b.c.d" from the product / file version of the executable, "" when it has none.
QString GetProgramVersion(const QString& path);
QString GetFileVersion(const QString& path);
// The running program's product version.
QString GetAppVersion();
// "1.2.3 (Build 0045)" from "1.2.3.45": the first four numbers, a part that is not a number is 0,
// the build number zero-padded to four digits.
QString FormatBuildVersion(const QString& version);
QString GetAppBuildVersion();
