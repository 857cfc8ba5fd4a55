#include "BugReportSender.h"

#include "AppGlobals.h"
#include "BugReportPackage.h"
#include "BugreportThread.h"
#include "CWarnMessage.h"
#include "GeneralUtils.h"
#include "MailAccount.h"
#include "UILog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>

CBugReportSender::CBugReportSender(QObject* parent) : QObject(parent) {}

CBugReportSender::~CBugReportSender()
{
    // The threads are children: their destructors wait for a mail still on the way.
    for (BugreportThread* thread : std::as_const(m_threads))
        thread->disconnect(this);
}

bool CBugReportSender::IsBusy() const
{
    return m_pPackage != nullptr || !m_threads.isEmpty();
}

void CBugReportSender::Report(QWidget* parent, const SmtpAccount& account, void* context)
{
    if (m_pPackage)
        return;
    WriteUILog(QStringLiteral("Start Package Bugreport!"));

    // This report's question is open before the archiver starts: an archiver that cannot start
    // ends the packing from within Start, and that end must wait for this report's answer
    // rather than go on with the previous report's.
    m_account = account;
    m_pContext = context;
    m_answer = BugReportAnswer();
    m_bAsking = true;
    m_pPackage = new CBugReportPackage(this);
    connect(m_pPackage, &CBugReportPackage::done, this, &CBugReportSender::PackageDone);
    m_pPackage->Start();

    m_answer = CBugReport::Ask(parent);
    m_bAsking = false;
    PackageDone();
}

void CBugReportSender::PackageDone()
{
    // Both the archiver and the user must be done; whichever ends last goes on.
    if (m_bAsking || !m_pPackage || !m_pPackage->IsDone())
        return;
    CBugReportPackage* package = m_pPackage;
    m_pPackage = nullptr;
    const QString archive = package->ArchivePath();
    package->RemoveCopies();
    package->deleteLater();
    const BugReportAnswer answer = std::exchange(m_answer, BugReportAnswer());
    if (!answer.accepted)
        return;

    BugMailContent content;
    content.owner = m_pContext;
    content.context = m_pContext;
    content.archivePath = archive;
    content.userName = answer.name;
    content.userEmail = answer.email;
    content.description = answer.description;
    content.productName = g_strAppName;
    content.appPath = QCoreApplication::applicationFilePath();
    content.supportAddress = g_strSupportMail.isEmpty() ? tidewell::mail::SupportAddress() : g_strSupportMail;

    auto* thread = new BugreportThread(content, m_account, this);
    m_threads << thread;
    connect(thread, &BugreportThread::updateResultUI, this,
            [this, thread](bool sent, const QString& path, void* context)
            { OnThreadResult(thread, sent, path, context); });
    thread->start(QThread::InheritPriority);
}

void CBugReportSender::OnThreadResult(BugreportThread* thread, bool sent, const QString& archivePath,
                                      void* context)
{
    m_threads.removeOne(thread);
    thread->deleteLater();
    if (m_bQuiet)
    {
        if (sent)
            QFile::remove(archivePath);
        return;
    }
    emit sendResult(sent, archivePath, context);
}

void CBugReportSender::WaitIdle()
{
    m_bQuiet = true;
    while (IsBusy())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    m_bQuiet = false;
}

void CBugReportSender::ShowSendResult(QWidget* parent, bool sent, const QString& archivePath)
{
    if (sent)
    {
        QFile::remove(archivePath);
        return;
    }
    if (!QFile::exists(archivePath))
        return;
    const int answer = CWarnMessage::ShowMessage(
        parent, QObject::tr("Information"),
        QObject::tr("Bug sending failed. Would you like to send the bug via email manually?"), 2,
        QObject::tr("Continue"), QObject::tr("Cancel"), QString(), 0);
    if (answer != 1)
        return;
    // Where the archive lies and where it goes, whether or not a file manager shows it: the
    // user sends it with their own mail program.
    ShowInExplorer(archivePath);
    const QString address = g_strSupportMail.isEmpty() ? tidewell::mail::SupportAddress() : g_strSupportMail;
    CWarnMessage::ShowMessage(parent, tr("Bug Report"),
                              tr("Please attach this file to an email to %1:\n%2")
                                  .arg(address, QDir::toNativeSeparators(archivePath)),
                              0, QString(), QString(), QString(), 0);
}
