#pragma once

#include <QString>

// Small file and formatting helpers of the whole program. Stateless; any thread.

// Whether a file or folder of that name exists.
bool IsFileExist(const QString& path);
// Whether the path names an existing folder.
bool IsDirExist(const QString& path);
// Makes the folder up to the last "/" and the file in it (empty) when missing. True when the
// file exists afterwards.
bool EnsureFileExists(const QString& path);

// "%1.2fMB" of a byte count given as decimal text; results below 0.01 (and text that is no
// number) show as 0.01. Counts beyond 32 bits are read whole. Always 0.
int FormatSizeMB(const QString& bytes, QString& out);
// "%02d:%02d:%02d" of a duration in milliseconds given as decimal text: whole seconds, shown one
// second more (59 s shows 00:01:00, 0 shows 00:00:01); hours may exceed two digits; negative or
// non-numeric text counts as 0. Always 0.
int FormatDuration(const QString& milliseconds, QString& out);
// Decimal digits with "," every three digits from the right ("-1,234,567").
QString FormatThousands(int value);
