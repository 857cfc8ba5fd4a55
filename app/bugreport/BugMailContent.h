#pragma once

#include <QString>

// What one bug report mails: filled by the report command on the GUI thread, then copied into
// the mail thread, which only reads it.
struct BugMailContent
{
    void* owner = nullptr;   // the main window
    void* context = nullptr; // handed back unchanged with the result
    QString archivePath;     // the attachment; may not exist
    QString userName;
    QString userEmail;
    QString description;
    QString productName;
    QString appPath;        // carried along, not mailed
    QString supportAddress; // the To address
};

// The mailbox the report is sent through.
struct SmtpAccount
{
    QString host;
    int port = 465;
    bool ssl = true;
    QString user; // login and From address
    QString password;
};

// The bug-report mailbox of the mail service's constants (tests point the host and port at a
// local server through TIDEWELL_SMTP_HOST / TIDEWELL_SMTP_PORT).
SmtpAccount DefaultSmtpAccount();
