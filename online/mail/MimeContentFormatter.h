#pragma once

#include <QObject>
#include <QString>

// Cuts encoded content into lines no longer than the mail line limit of the part (76).
class MimeContentFormatter : public QObject
{
    Q_OBJECT
public:
    explicit MimeContentFormatter(int maxLength = 76, QObject* parent = nullptr);

    void SetMaxLength(int length) { m_maxLength = length; }
    int GetMaxLength() const { return m_maxLength; }

    // Without the flag: hard breaks every maxLength characters (base64). With the flag: soft
    // breaks ("=" CRLF) that never split an "=XX" escape, counting restarts after a line feed.
    QString Format(const QString& content, bool quotedPrintable = false) const;

private:
    int m_maxLength;
};
