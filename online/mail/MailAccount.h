#pragma once

#include <QString>

// The bug-report mailbox and the support address: the constants of the mail service, in one
// place. The password is never part of the sources; it is compiled in from the build's
// configuration (TIDEWELL_SMTP_PASSWORD) and is empty in development builds.
namespace tidewell::mail
{

inline constexpr const char* kSmtpHost = "smtp.zavro.com";
inline constexpr int kSmtpPort = 465;
inline constexpr bool kSmtpSsl = true;
inline constexpr const char* kSmtpUser = "bugreport@zavro.com";
inline constexpr const char* kSupportAddress = "support@zavro.com";

// The server to use: the constants, unless a test points TIDEWELL_SMTP_HOST / TIDEWELL_SMTP_PORT
// at a server of its own.
QString SmtpHost();
int SmtpPort();
QString SmtpUser();
QString SmtpPassword();
QString SupportAddress();

} // namespace tidewell::mail
