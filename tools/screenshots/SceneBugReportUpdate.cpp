// The closing question, the bug-report dialog with its address warning, and the update check's
// dialog for a new version and for a failed request.
#include "ScreenshotScene.h"

#include "AppGlobals.h"
#include "BugReport.h"
#include "CWarnMessage.h"
#include "MainUI.h"
#include "UpdateCheck.h"
#include "WhatsNew.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace
{

using screens::SceneContext;

void ClosingQuestion(SceneContext& context)
{
    // Shown directly: the driver answers every question that goes through the seam.
    const QString question = CMainUI::tr("Do you want to apply new results?");
    CWarnMessage box(context.Window(), question, question, 3, CMainUI::tr("Cancel"), CMainUI::tr("Ignore"),
                     CMainUI::tr("Apply"), 0);
    box.show();
    context.Shot(QStringLiteral("main-close-question"), &box);
    // The focus moved on by the keyboard to the second button.
    if (QWidget* focused = QApplication::focusWidget())
        QTest::keyClick(focused, Qt::Key_Tab);
    context.Shot(QStringLiteral("main-close-question-tab"), &box);
}

void BugReportDialog(SceneContext& context)
{
    CBugReport dialog(context.Window());
    dialog.show();
    context.Shot(QStringLiteral("bugreport-dialog"), &dialog);
    dialog.findChild<QLineEdit*>(QStringLiteral("BugReportName"))->setText(QStringLiteral("Robin Park"));
    dialog.findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))
        ->setText(QStringLiteral("robin.example.org"));
    dialog.findChild<QTextEdit*>(QStringLiteral("BugReportDes"))
        ->setPlainText(QStringLiteral("The scan stops at: song 120 of 400."));
    CWarnMessage warning(&dialog, QString(), CBugReport::tr("Invalid e-mail, please enter a correct one."), 0,
                         QString(), QString(), QString(), 0);
    warning.show();
    context.Shot(QStringLiteral("bugreport-address-warning"), &dialog);
}

// Runs the update dialog for one code and shoots it from inside its modal loop.
void UpdateDialog(SceneContext& context, int code, const QString& name)
{
    ProductUpdateInfo info;
    info.newVersion = "9.1.0.0";
    info.whatsNewText = "Faster scans.\nFewer duplicates left behind.";
    info.downloadUrl = "https://www.zavro.example/tidewell/download/?product=TIDEWELL";
    QTimer::singleShot(0,
                       [&context, name]()
                       {
                           for (QWidget* widget : QApplication::topLevelWidgets())
                               if (auto* dialog = qobject_cast<WhatsNew*>(widget);
                                   dialog && dialog->isVisible())
                               {
                                   context.Shot(name, dialog);
                                   dialog->close();
                               }
                       });
    CUpdateCheck::ShowUpdateInfo(context.Window(), code, info);
}

void UpdateDialogs(SceneContext& context)
{
    UpdateDialog(context, CUpdateCheck::ResultNewer, QStringLiteral("update-new-version"));
    UpdateDialog(context, CUpdateCheck::ResultNoConnection, QStringLiteral("update-failed"));
}

} // namespace

TIDEWELL_SCENE("80-closing", ClosingQuestion);
TIDEWELL_SCENE("81-bugreport", BugReportDialog);
TIDEWELL_SCENE("82-update", UpdateDialogs);
