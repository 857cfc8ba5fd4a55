// Message boxes, their texts made as their callers make them, that name an address, a folder or a file under
// a long home folder, and the file pickers the start page opens.
#include "ScreenshotScene.h"

#include "CMessgboxEx.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "DesktopHandOver.h"
#include "Duplicate.h"
#include "FileDialogs.h"
#include "MainUI.h"
#include "OwnDirectionDelegate.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

namespace
{

using screens::SceneContext;

void LongMessages(SceneContext& context)
{
    const QString day =
        context.Folder(QString("Musiksammlung_").repeated(6)) + "/Zavro_Recycle Bin/2026-12-10";
    const QList<std::pair<QString, QString>> messages{
        {QStringLiteral("message-address"),
         CDesktopHandOver::tr("No web browser could be opened. Please visit:\n%1")
             .arg(COwnDirectionDelegate::Isolated(
                 "https://www.zavro.example/tidewell/download/?product=TIDEWELL&channel=stable"))},
        {QStringLiteral("message-folder"),
         CDesktopHandOver::tr("No file manager could be opened. The folder is:\n%1")
             .arg(COwnDirectionDelegate::Isolated(QDir::toNativeSeparators(day)))},
        {QStringLiteral("message-restore"),
         CDuplicate::tr("The song could not be restored. It is still in the recycle folder:\n%1")
             .arg(COwnDirectionDelegate::Isolated(day + "/Artist - A Long Song Title (Live).flac"))},
        {QStringLiteral("message-restore-entry"),
         CDuplicate::tr("The song's entry could not be given back to the library. Its file is in place and "
                        "stays in the library through another entry:\n%1")
             .arg(COwnDirectionDelegate::Isolated(context.Folder(QString("Musiksammlung_").repeated(6)) +
                                                  "/Artist - A Long Song Title (Live).flac"))},
        {QStringLiteral("message-clean-up"), CCountTexts::ClearHistoryQuestion(30, 12)}};
    for (const auto& [name, text] : messages)
    {
        CWarnMessage box(context.Window(), QString(), text, 0, QString(), QString(), QString(), 0);
        box.show();
        context.Shot(name, &box);
    }
    CMessgboxEx confirmation(context.Window());
    confirmation.show();
    context.Shot(QStringLiteral("message-remove-confirmation"), &confirmation);
}

void FilePickers(SceneContext& context)
{
    for (const bool save : {false, true})
    {
        QTimer::singleShot(
            500,
            [&context, save]()
            {
                for (QWidget* widget : QApplication::topLevelWidgets())
                    if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
                    {
                        context.Shot(save ? QStringLiteral("file-save") : QStringLiteral("file-open"),
                                     dialog);
                        dialog->reject();
                    }
            });
        if (save)
            GetSaveFileName(context.Window(), CMainUI::tr("Save Project"), context.Folder("music"),
                            ProjectFileFilter());
        else
            GetOpenFileNames(context.Window(), CMainUI::tr("Open Files And Folders"), context.Folder("music"),
                             QStringLiteral("Music Files(*.mp3 *.m4a *.wma)"));
    }
}

} // namespace

TIDEWELL_SCENE("83-messages", LongMessages);
TIDEWELL_SCENE("84-pickers", FilePickers);
