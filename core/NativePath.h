#pragma once

#include <QByteArray>
#include <QString>

// A file name on Linux is bytes, not text: most are UTF-8, but any byte but '/' and NUL may occur.
// Qt 6 turns the bytes of a name that is not valid UTF-8 into U+FFFD and cannot turn them back,
// so such a song would be skipped or reported missing. Paths therefore cross between the system
// and QString through this pair: valid UTF-8 is decoded as usual, and each byte that is not part
// of a valid sequence becomes the lone surrogate U+DC80 + (byte - 0x80), which the way back
// restores. PathToNative(PathFromNative(b)) == b for every b.
QString PathFromNative(const QByteArray& bytes);
QString PathFromNative(const char* bytes);
QByteArray PathToNative(const QString& path);
