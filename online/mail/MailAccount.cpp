#include "MailAccount.h"

#ifndef TIDEWELL_SMTP_PASSWORD
#define TIDEWELL_SMTP_PASSWORD ""
#endif

namespace tidewell::mail
{

QString SmtpHost()
{
    const QString host = qEnvironmentVariable("TIDEWELL_SMTP_HOST");
    return host.isEmpty() ? QString::fromLatin1(kSmtpHost) : host;
}

int SmtpPort()
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("TIDEWELL_SMTP_PORT", &ok);
    return ok && port > 0 && port < 65536 ? port : kSmtpPort;
}

QString SmtpUser()
{
    return QString::fromLatin1(kSmtpUser);
}

QString SmtpPassword()
{
    return QString::fromUtf8(TIDEWELL_SMTP_PASSWORD);
}

QString SupportAddress()
{
    return QString::fromLatin1(kSupportAddress);
}

} // namespace tidewell::mail
