// The MIME text of a message: header lines, parts, encodings and line formatting.
#include "MimeMessage.h"
#include "EmailAddress.h"
#include "MimeAttachment.h"
#include "MimeContentFormatter.h"
#include "MimeMultiPart.h"
#include "MimeText.h"
#include "QuotedPrintable.h"
#include "SmtpClient.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray SomeBytes(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((i * 37 + i / 7) & 0xFF));
    return bytes;
}

} // namespace

TEST(MimeMessage, HeaderLinesAndMultipartLayout)
{
    EmailAddress sender(QStringLiteral("bugs@example.org"), QStringLiteral("bug"));
    EmailAddress to(QStringLiteral("help@example.org"), QStringLiteral("support"));
    EmailAddress cc(QStringLiteral("cc@example.org"));
    MimeMessage message;
    message.SetSender(&sender);
    message.AddRecipient(&to);
    message.AddRecipient(&cc, MimeMessage::Cc);
    message.AddRecipient(&cc, 7); // unknown kinds are ignored
    message.SetSubject(QStringLiteral("Ann - ann@example.org -> Tidewell( WIN )"));
    MimeText text(QStringLiteral("hello"));
    message.AddPart(&text);

    const QString out = message.ToString();
    static const QRegularExpression layout(
        QStringLiteral("^From: bug <bugs@example.org>\r\n"
                       "To: support <help@example.org>\r\n"
                       "Cc: <cc@example.org>\r\n"
                       "Subject: Ann - ann@example.org -> Tidewell\\( WIN \\)\r\n"
                       "MIME-Version: 1.0\r\n"
                       "Content-Type: multipart/related; boundary=([0-9a-f]{32})\r\n"
                       "Content-Transfer-Encoding: 8bit\r\n"
                       "\r\n"
                       "--\\1\r\n"
                       "Content-Type: text/plain; charset=utf-8\r\n"
                       "Content-Transfer-Encoding: 8bit\r\n"
                       "\r\n"
                       "hello\r\n"
                       "--\\1--\r\n"
                       "\r\n$"));
    EXPECT_TRUE(layout.match(out).hasMatch()) << out.toStdString();
    EXPECT_EQ(message.GetRecipients(MimeMessage::Cc).size(), 1);
    EXPECT_EQ(message.GetRecipients(MimeMessage::Bcc).size(), 0);
    EXPECT_EQ(message.GetParts().size(), 1);

    // Prepared once: the second text is the first.
    EXPECT_EQ(message.ToString(), out);

    // Two multiparts practically never share a boundary.
    MimeMultiPart a;
    MimeMultiPart b;
    EXPECT_NE(a.GetBoundary(), b.GetBoundary());
}

TEST(MimeMessage, EmptyToListAndEncodedHeaderWords)
{
    EmailAddress sender(QStringLiteral("a@example.org"), QStringLiteral("Zoë: dev"));
    MimeMessage message(false);
    message.SetSender(&sender);
    message.SetSubject(QStringLiteral("a=b c"));
    MimeText body(QStringLiteral("x"));
    message.SetContent(&body);

    message.SetHeaderEncoding(MimePart::QuotedPrintable);
    QString out = message.ToString();
    EXPECT_TRUE(
        out.startsWith(QStringLiteral("From: =?utf-8?Q?Zo=C3=AB=3A_dev?= <a@example.org>\r\nTo:\r\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Subject: =?utf-8?Q?a=3Db_c?=\r\n")));

    message.SetHeaderEncoding(MimePart::Base64);
    out = message.ToString();
    EXPECT_TRUE(out.contains(QStringLiteral("From: =?utf-8?B?") +
                             QString::fromLatin1(QStringLiteral("Zoë: dev").toUtf8().toBase64()) +
                             QStringLiteral("?= <a@example.org>\r\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Subject: =?utf-8?B?YT1iIGM=?=\r\n")));
}

TEST(MimeMessage, LineBreaksInHeaderValuesCannotAddHeaderLines)
{
    EmailAddress sender(QStringLiteral("a@example.org"), QStringLiteral("bug\r\nBcc: x@evil.example"));
    MimeMessage message(false);
    message.SetSender(&sender);
    message.SetSubject(QStringLiteral("name - mail\r\nBcc: victim@example.org\nX-Injected: 1"));
    const QString out = message.ToString();
    EXPECT_FALSE(out.contains(QStringLiteral("\r\nBcc:")));
    EXPECT_FALSE(out.contains(QStringLiteral("\nX-Injected")));
    EXPECT_TRUE(
        out.contains(QStringLiteral("Subject: name - mail Bcc: victim@example.org X-Injected: 1\r\n")));
}

TEST(MimeMessage, AddPartNeedsMultipartContent)
{
    MimeMessage message(false);
    MimeText text(QStringLiteral("lost"));
    message.AddPart(&text);
    EXPECT_EQ(message.GetContent(), nullptr);

    MimeText single(QStringLiteral("only"));
    message.SetContent(&single);
    message.AddPart(&text); // the content is a text part, not a multipart
    ASSERT_EQ(message.GetParts().size(), 1);
    EXPECT_EQ(message.GetParts().front(), &single);
    EXPECT_FALSE(message.ToString().contains(QStringLiteral("lost")));

    // Setting the owned multipart again keeps it alive.
    MimeMessage owning;
    owning.SetContent(owning.GetContent());
    owning.AddPart(&text);
    EXPECT_TRUE(owning.ToString().contains(QStringLiteral("lost")));
}

TEST(MimeParts, AttachmentHeaderAndBase64Lines)
{
    QTemporaryDir dir;
    const QByteArray bytes = SomeBytes(1000);
    MimeAttachment attachment(std::make_unique<QFile>(WriteFile(dir, QStringLiteral("report.7z"), bytes)));
    const QString out = attachment.ToString();
    const QString head = QStringLiteral("Content-Type: application/octet-stream; name=\"report.7z\"\r\n"
                                        "Content-Transfer-Encoding: base64\r\n"
                                        "Content-disposition: attachment\r\n"
                                        "\r\n");
    ASSERT_TRUE(out.startsWith(head)) << out.toStdString();
    const QStringList lines = out.mid(head.size()).split(QStringLiteral("\r\n"));
    // 1000 bytes -> 1336 base64 characters -> 17 full lines and one of 44, then the closing CRLF.
    ASSERT_EQ(lines.size(), 19);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(lines[i].size(), 76);
    EXPECT_EQ(lines[17].size(), 1336 - 17 * 76);
    EXPECT_EQ(QByteArray::fromBase64(lines.mid(0, 18).join(QString()).toLatin1()), bytes);

    // Preparing again (as a multipart does) keeps one disposition line.
    attachment.Prepare();
    EXPECT_EQ(attachment.ToString().count(QStringLiteral("Content-disposition")), 1);
}

TEST(MimeParts, UnreadableFileGivesEmptyPart)
{
    MimeAttachment attachment(std::make_unique<QFile>(QStringLiteral("/nonexistent/folder/gone.7z")));
    const QString out = attachment.ToString();
    EXPECT_TRUE(out.contains(QStringLiteral("name=\"gone.7z\"")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("\r\n\r\n\r\n")));
}

TEST(MimeParts, OverlongTextLineIsSentQuotedPrintable)
{
    const QString paragraph = QString(1500, QLatin1Char('w')) + QStringLiteral(" é=end\nnext line");
    MimeText text(paragraph);
    const QString out = text.ToString();
    EXPECT_TRUE(out.contains(QStringLiteral("Content-Transfer-Encoding: quoted-printable\r\n")));
    const QString body = out.mid(out.indexOf(QStringLiteral("\r\n\r\n")) + 4);
    for (const QString& line : body.split(QStringLiteral("\r\n")))
        EXPECT_LE(line.size(), 76);
    // Undo the soft breaks and the escapes: the text comes back whole.
    QString joined = body;
    joined.remove(QStringLiteral("=\r\n"));
    joined.chop(2);
    QByteArray decoded;
    for (qsizetype i = 0; i < joined.size(); ++i)
    {
        if (joined[i] == QLatin1Char('='))
        {
            decoded.append(static_cast<char>(joined.mid(i + 1, 2).toInt(nullptr, 16)));
            i += 2;
        }
        else
        {
            decoded.append(joined[i].toLatin1());
        }
    }
    EXPECT_EQ(QString::fromUtf8(decoded), paragraph);

    // Short lines stay 8bit.
    MimeText shortText(QStringLiteral("short\nlines"));
    EXPECT_TRUE(shortText.ToString().contains(QStringLiteral("Content-Transfer-Encoding: 8bit\r\n")));
}

TEST(MimeEncoding, QuotedPrintableAndSoftBreaks)
{
    EXPECT_EQ(QuotedPrintable::Encode(QByteArray("a=b \xE9~\n", 7)), QStringLiteral("a=3Db =E9~=0A"));

    MimeContentFormatter formatter(76);
    // 80 characters with an escape where a plain break would split it.
    const QString encoded = QString(73, QLatin1Char('x')) + QStringLiteral("=E9yyyy");
    const QString formatted = formatter.Format(encoded, true);
    EXPECT_EQ(formatted, QString(73, QLatin1Char('x')) + QStringLiteral("=\r\n=E9yyyy"));

    // A line feed restarts the count without a soft break.
    const QString withFeed =
        QString(70, QLatin1Char('a')) + QLatin1Char('\n') + QString(70, QLatin1Char('b'));
    EXPECT_EQ(formatter.Format(withFeed, true), withFeed);

    // Without the flag: hard breaks every 76 characters.
    EXPECT_EQ(formatter.Format(QString(160, QLatin1Char('Q')), false),
              QString(76, QLatin1Char('Q')) + QStringLiteral("\r\n") + QString(76, QLatin1Char('Q')) +
                  QStringLiteral("\r\n") + QString(8, QLatin1Char('Q')));
}

TEST(MimeEncoding, DataBytesAreDotStuffedWithCrlfLineEnds)
{
    EXPECT_EQ(SmtpClient::ToDataBytes(QStringLiteral(".first\nsecond\r\n.\r\nthird\r.x\n..y")),
              QByteArray("..first\r\nsecond\r\n..\r\nthird\r\n..x\r\n...y"));
    EXPECT_EQ(SmtpClient::ToDataBytes(QStringLiteral("a.b\r\n\r\n")), QByteArray("a.b\r\n\r\n"));
}
