#include "BugReportSender.h"

#include "AppGlobals.h"
#include "BugReportPackage.h"
#include "BugreportThread.h"
#include "CWarnMessage.h"
#include "GeneralUtils.h"
#include "MailAccount.h"
#include "UILog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace
{

QString SupportAddress()
{
    return g_strSupportMail.isEmpty() ? tidewell::mail::SupportAddress() : g_strSupportMail;
}

// What a report stopped at a close keeps of itself beside its archive (namedAfter, which may
// never have been packed): the mail's subject and the description, so nothing the user wrote is
// lost on the way by hand.
void KeepUnsent(const BugMailContent& content, const QString& namedAfter)
{
    QString stem = namedAfter;
    if (stem.endsWith(QStringLiteral(".7z")))
        stem.chop(3);
    if (stem.isEmpty())
        stem = CBugReportPackage::ReportsFolder() + QStringLiteral("/report-") +
               QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QDir().mkpath(QFileInfo(stem).absolutePath());
    QFile file(stem + CBugReportPackage::UnsentSuffix());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(QStringLiteral("To: %1\nSubject: %2\n\n%3\n")
                   .arg(content.supportAddress, BugreportThread::Subject(content), content.description)
                   .toUtf8());
}

void ShowNotice(QWidget* parent, const QString& text)
{
    CWarnMessage::ShowMessage(parent, CBugReportSender::tr("Bug Report"), text, 0, QString(), QString(),
                              QString(), 0);
}

} // namespace

CBugReportSender::CBugReportSender(QObject* parent) : QObject(parent) {}

CBugReportSender::~CBugReportSender()
{
    // The threads are children: their destructors stop them and wait a moment.
    Abandon();
}

bool CBugReportSender::IsBusy() const
{
    return m_pPackage != nullptr || !m_threads.isEmpty();
}

void CBugReportSender::Report(QWidget* parent, const SmtpAccount& account, void* context)
{
    if (m_pPackage || m_bAbandoned)
        return;
    WriteUILog(QStringLiteral("Start Package Bugreport!"));

    // This report's question is open before the archiver starts: an archiver that cannot start
    // ends the packing from within Start, and that end must wait for this report's answer
    // rather than go on with the previous report's.
    m_account = account;
    m_pContext = context;
    m_pParent = parent;
    m_answer = BugReportAnswer();
    m_bAsking = true;
    m_pPackage = new CBugReportPackage(this);
    connect(m_pPackage, &CBugReportPackage::done, this, &CBugReportSender::PackageDone);
    m_pPackage->Start();

    const QPointer<CBugReportSender> self(this);
    g_strBugReportResult.clear();
    BugReportAnswer answer;
    {
        CBugReport dialog(parent);
        m_pDialog = &dialog;
        dialog.exec();
        answer = dialog.Answer();
    }
    if (!self)
        return;
    m_bAsking = false;
    // A close while the dialog was open has abandoned this report: nothing goes.
    if (m_bAbandoned)
        return;
    m_answer = answer;
    PackageDone();
}

void CBugReportSender::PackageDone()
{
    // Both the archiver and the user must be done; whichever ends last goes on.
    if (m_bAsking || !m_pPackage || !m_pPackage->IsDone())
        return;
    CBugReportPackage* package = m_pPackage;
    m_pPackage = nullptr;
    QString archive = package->ArchivePath();
    const bool packed = package->Succeeded();
    package->RemoveCopies();
    package->deleteLater();
    const BugReportAnswer answer = std::exchange(m_answer, BugReportAnswer());
    if (!answer.accepted || !packed)
        QFile::remove(archive);
    if (!answer.accepted)
        return;
    if (!packed)
    {
        // The dialog promised the files: without them the report goes only when the user says so.
        WriteUILog(QStringLiteral("Bug report archive could not be packed"));
        const QPointer<CBugReportSender> self(this);
        const int choice = CWarnMessage::ShowMessage(
            m_pParent, tr("Bug Report"),
            tr("The report's files could not be packed. Send the description alone?"), 2,
            QObject::tr("Continue"), QObject::tr("Cancel"), QString(), 0);
        if (!self)
            return;
        // Sent by the user, then the program closed while asked: the description stays.
        if (m_bAbandoned)
            KeepUnsent(Content(answer, QString()), archive);
        if (m_bAbandoned || choice != 1)
            return;
        archive.clear();
    }
    const BugMailContent content = Content(answer, archive);

    auto* thread = new BugreportThread(content, m_account, this);
    m_threads << thread;
    connect(thread, &BugreportThread::updateResultUI, this,
            [this, thread](bool sent, const QString& path, void* context)
            { OnThreadResult(thread, sent, path, context); });
    thread->start(QThread::InheritPriority);
}

BugMailContent CBugReportSender::Content(const BugReportAnswer& answer, const QString& archive) const
{
    BugMailContent content;
    content.owner = m_pContext;
    content.context = m_pContext;
    content.archivePath = archive;
    content.userName = answer.name;
    content.userEmail = answer.email;
    content.description = answer.description;
    content.productName = g_strAppName;
    content.appPath = QCoreApplication::applicationFilePath();
    content.supportAddress = SupportAddress();
    return content;
}

void CBugReportSender::OnThreadResult(BugreportThread* thread, bool sent, const QString& archivePath,
                                      void* context)
{
    m_threads.removeOne(thread);
    thread->deleteLater();
    emit sendResult(sent, archivePath, context);
}

void CBugReportSender::Abandon()
{
    m_bAbandoned = true;
    if (m_pDialog)
        m_pDialog->close();
    // A report the user sent while its archive is still being packed is kept without it: the
    // archiver is killed and its unfinished archive removed, what the user wrote stays.
    if (m_pPackage && !m_bAsking && m_answer.accepted)
        KeepUnsent(Content(m_answer, QString()), m_pPackage->ArchivePath());
    m_answer = BugReportAnswer();
    // The archive of a report abandoned here goes too, also when the archiver had already
    // finished it (its end not yet told, or the dialog still open): no one sends it now.
    if (m_pPackage)
    {
        const QString archive = m_pPackage->ArchivePath();
        delete std::exchange(m_pPackage, nullptr);
        if (!archive.isEmpty())
            QFile::remove(archive);
    }
    for (BugreportThread* thread : std::exchange(m_threads, {}))
    {
        thread->disconnect(this);
        thread->Stop();
        // A report that went out just now but whose result is still on its way needs nothing.
        if (thread->isFinished() && thread->IsSent())
            QFile::remove(thread->Content().archivePath);
        else
            KeepUnsent(thread->Content(), thread->Content().archivePath);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    }
}

void CBugReportSender::ShowSendResult(QWidget* parent, bool sent, const QString& archivePath)
{
    if (sent)
    {
        QFile::remove(archivePath);
        ShowNotice(parent, tr("The bug report was sent. Thank you."));
        return;
    }
    if (archivePath.isEmpty() || !QFile::exists(archivePath))
    {
        ShowNotice(parent, tr("The bug report could not be sent."));
        return;
    }
    const int answer = CWarnMessage::ShowMessage(
        parent, QObject::tr("Information"),
        QObject::tr("Bug sending failed. Would you like to send the bug via email manually?"), 2,
        QObject::tr("Continue"), QObject::tr("Cancel"), QString(), 0);
    if (answer != 1)
    {
        // Declined: the copy of the user's files goes.
        QFile::remove(archivePath);
        return;
    }
    // Where the archive lies and where it goes, whether or not a file manager shows it: the
    // user sends it with their own mail program. Nothing of the program empties that folder.
    ShowInExplorer(archivePath);
    ShowNotice(parent, tr("Please attach this file to an email to %1:\n%2")
                           .arg(SupportAddress(), QDir::toNativeSeparators(archivePath)));
}

void CBugReportSender::TellKeptReports(QWidget* parent)
{
    const QString folder = CBugReportPackage::ReportsFolder();
    if (folder.isEmpty())
        return;
    QDir reports(folder);
    const QStringList unsent =
        reports.entryList({QLatin1Char('*') + CBugReportPackage::UnsentSuffix()}, QDir::Files);
    if (unsent.isEmpty())
        return;
    // Said once: each description stays beside its archive under its plain name.
    for (const QString& name : unsent)
    {
        QString told = name;
        told.chop(CBugReportPackage::UnsentSuffix().size());
        reports.rename(name, told + QStringLiteral(".txt"));
    }
    ShowNotice(parent, tr("%n bug report(s) could not be sent before the program closed. They are kept in "
                          "this folder; please attach their files to an email to %1:\n%2",
                          "", static_cast<int>(unsent.size()))
                           .arg(SupportAddress(), QDir::toNativeSeparators(folder)));
}
