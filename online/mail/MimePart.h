#pragma once

#include "MimeContentFormatter.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// One MIME entity: its header lines and its encoded body. The text is built once by Prepare()
// and then reused by ToString(); later changes to the fields do not show in a prepared part.
class MimePart : public QObject
{
    Q_OBJECT
public:
    enum Encoding
    {
        _7Bit = 0,
        _8Bit = 1,
        Base64 = 2,
        QuotedPrintable = 3,
    };

    explicit MimePart(QObject* parent = nullptr);
    ~MimePart() override;

    void SetHeader(const QString& header) { m_header = header; }
    const QString& GetHeader() const { return m_header; }
    // Appends one header line; the CRLF is added here.
    void AddHeaderLine(const QString& line);

    void SetContent(const QByteArray& content) { m_content = content; }
    const QByteArray& GetContent() const { return m_content; }
    void SetContentId(const QString& id) { m_contentId = id; }
    const QString& GetContentId() const { return m_contentId; }
    void SetContentName(const QString& name) { m_contentName = name; }
    const QString& GetContentName() const { return m_contentName; }
    void SetContentType(const QString& type) { m_contentType = type; }
    const QString& GetContentType() const { return m_contentType; }
    void SetCharset(const QString& charset) { m_charset = charset; }
    const QString& GetCharset() const { return m_charset; }
    void SetEncoding(int encoding) { m_encoding = encoding; }
    int GetEncoding() const { return m_encoding; }
    MimeContentFormatter& GetContentFormatter() { return m_formatter; }

    virtual QString ToString();
    virtual void Prepare();

protected:
    // Builds the mime text from the fields with the given transfer encoding.
    void BuildMimeText(int encoding);

    QString m_header;
    QByteArray m_content;
    QString m_contentId;
    QString m_contentName;
    QString m_contentType;
    QString m_charset;
    QString m_boundary;
    int m_encoding = _7Bit;
    QString m_mimeText;
    bool m_prepared = false;
    MimeContentFormatter m_formatter{76};
};
