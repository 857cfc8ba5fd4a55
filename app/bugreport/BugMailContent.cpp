#include "BugMailContent.h"

#include "MailAccount.h"

SmtpAccount DefaultSmtpAccount()
{
    SmtpAccount account;
    account.host = tidewell::mail::SmtpHost();
    account.port = tidewell::mail::SmtpPort();
    account.ssl = tidewell::mail::kSmtpSsl;
    account.user = tidewell::mail::SmtpUser();
    account.password = tidewell::mail::SmtpPassword();
    return account;
}
