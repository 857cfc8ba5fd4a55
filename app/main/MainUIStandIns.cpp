// Closing and the menu's dialogs in their first form: enough for the whole road through the
// window; the preferences, the bug report and the update check give them their full behaviour.
// The duplicate commands and pause/continue live in MainUIDuplicates.cpp.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "CMusicLink.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "Duplicate.h"
#include "MusicObj.h"
#include "ReadyLoadThread.h"
#include "StartUI.h"
#include "UILog.h"
#include "sonalike.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>

#include <memory>

void CMainUI::closeEvent(QCloseEvent* event)
{
    if (m_pReport->HasUnappliedChanges() && !m_bCloseAfterApply) {
        const QString question = tr("Do you want to apply new results?");
        const int answer =
            CWarnMessage::ShowMessage(this, question, question, 3, tr("Cancel"), tr("Ignore"), tr("Apply"), 0);
        if (answer == 1 || answer == 0) {
            event->ignore();
            return;
        }
        if (answer == 3) {
            event->ignore();
            m_bCloseAfterApply = true;
            ApplyiTunes();
            return;
        }
    }
    StopAllWork();
    m_pReport->StopAllWork();
    EmptyWorkFolders();
    SaveProjectFile(true);
    if (m_bDeleteDatabase)
        DeleteDBFiles();
    event->accept();
}

void CMainUI::loadLanguage()
{
    m_pStartUI->loadLanguage();
    m_pReport->loadLanguage();
    m_pDuplicate->loadLanguage();
}

void CMainUI::Preferences() { showNormal(); }

void CMainUI::BugReport() {}

void CMainUI::UpdataSoft() {}

void CMainUI::UpdataView() {}
