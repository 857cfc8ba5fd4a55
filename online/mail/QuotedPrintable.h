#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Quoted-printable encoding of header words and body parts (RFC 2045, without line breaking:
// MimeContentFormatter adds the soft breaks).
class QuotedPrintable : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Spaces and printable ASCII other than "=" are copied; every other byte becomes "=XX".
    static QString Encode(const QByteArray& input);
};
