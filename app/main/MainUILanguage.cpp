// The window's texts set again in the language just installed, and the preferences dialog whose
// close brings a new language in.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AppGlobals.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CountTexts.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "LanguageDirection.h"
#include "Option.h"
#include "PauseControl.h"
#include "StartUI.h"
#include "StyleTemplates.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

#include <algorithm>

namespace
{

// Codes of the report page's summaries (StartFixAll's second number) and of a running fix.
constexpr int kFixingArtworkOrAlbum = -2;
constexpr int kFixingUnrecognized = -3;

} // namespace

void CMainUI::Preferences()
{
    showNormal();
    // On the stack: the dialog runs its own loop inside Exec and is gone when this slot returns.
    COption dialog(m_pMusicLink, this);
    connect(&dialog, &COption::sLanguageChange, this, &CMainUI::loadLanguage);
    dialog.Exec();
}

void CMainUI::loadLanguage()
{
    m_pScoreName->setText(tr("Music List Score: "));
    m_pRetryButton->SetButtonText(tr("Refix"));
    m_pApplyOrSave->Clear();
    m_pApplyOrSave->AppendText(tr("You can "), 0);
    m_pApplyOrSave->AppendText(tr("Apply Result"), 1);
    m_pApplyOrSave->AppendText(tr(" now, or "), 0);
    m_pApplyOrSave->AppendText(tr("Save Project"), 1);
    m_pApplyOrSave->AppendText(tr(" to continue next time."), 0);
    m_pApplyOrSave->AdjustLabelSize();
    m_pPauseControl->RetranslateTexts();
    m_pFixAllButton->setText(tr("   Fix All"));
    m_pApplyButton->setText(tr("Apply"));
    m_pReturnButton->setText(tr("  Try Again"));
    m_pScanButton->setText(tr("   Scan"));
    m_pRemoveButton->setText(tr("   Remove"));
    m_pHomeButton->setText(tr("  Home"));
    m_pWelcomeTitle->setText(tr("Welcome!"));
    m_pWelcomeText->setText(tr("Tidewell is the only tool you need to tidy your music library!"));
    m_pActionAbout->setText(tr("About"));
    m_pActionPreferences->setText(tr("Preferences"));
    m_pActionSave->setText(tr("Save Project", "menu entry"));
    m_pActionHomepage->setText(tr("Homepage"));
    m_pActionSupport->setText(tr("Support"));
    m_pActionBugReport->setText(tr("Bug Report"));
    m_pActionHelp->setText(tr("Help"));
    m_pActionUpdate->setText(tr("Check for updates"));
    m_pActionEula->setText(tr("EULA"));
    m_pMenu->setTitle(tr(" "));

    // The analysis never scores above 10000; anything else leaves the state texts alone.
    if (GetScore() <= 10000.0)
    {
        switch (m_pActionStack->currentIndex())
        {
        case ActionPause:
            RetranslateWorkTexts();
            break;
        case ActionFixAll:
            RetranslateScoreTexts();
            break;
        case ActionApply:
            RetranslateApplyTexts();
            break;
        case ActionReturn:
            RetranslateEmptyTexts();
            break;
        case ActionScan:
            ResetHints({tr("Let Tidewell help you clean-up duplicate songs in your music library!")});
            m_pMessageLine->SetText(tr("Drag-and-drop or Add music files or folder(s) to find duplicates."));
            break;
        case ActionRemove:
            m_pDuplicateControl->RetranslateRemoveTexts();
            break;
        default:
            break;
        }
    }

    // Column 2 holds a file path, which no language changes: only its leading direction mark
    // follows the window's direction, as for a row listed in that direction. Rewriting it from
    // the first entries of the list would put the wrong paths under a scrolled list.
    const QString libraryMusic = tr("Library Music");
    const QChar leftToRightMark(0x200E);
    // The column holds its one text whole in the new language too.
    m_pScanList->setColumnWidth(
        1,
        std::max(ScaledInt(80), m_pScanList->fontMetrics().horizontalAdvance(libraryMusic) + ScaledInt(12)));
    for (int i = 0; i < m_pScanList->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* item = m_pScanList->topLevelItem(i);
        if (!item->text(1).isEmpty())
            item->setText(1, libraryMusic);
        QString path = item->text(2);
        if (path.startsWith(leftToRightMark))
            path.remove(0, 1);
        if (!path.isEmpty())
            item->setText(2, IsRightToLeftLanguage() ? leftToRightMark + path : path);
    }

    if (!IsRightToLeftLanguage())
        QApplication::setLayoutDirection(Qt::LeftToRight);
    CFramelessWindow::ApplyLanguageDirection();
    UpdateTitleBarDirection();

    m_pStartUI->loadLanguage();
    m_pDuplicate->loadLanguage();
    m_pReport->loadLanguage();
}

void CMainUI::ResetHints(const QStringList& tips)
{
    m_pHintLine->Clear();
    SetHintTexts(tips);
    m_pHintLine->SetShadeHidden(false);
}

void CMainUI::RetranslateWorkTexts()
{
    const bool paused = m_eRunState == EWindowRunState::Paused;
    m_pPauseControl->RetranslateLook(paused);
    const QString fileName = m_strLastPath.mid(m_strLastPath.lastIndexOf(QLatin1Char('/')) + 1);
    switch (m_eStage)
    {
    case EWorkStage::Loading:
        if (paused)
            m_pMessageLine->SetText(tr("Paused. Wanna continue and explore the world of music?"));
        else if (m_flow.Opening() == CWindowFlow::EOpening::Load)
            m_pMessageLine->SetText(tr("Loading, please wait..."));
        else
            m_pMessageLine->SetText(
                tr("%1  %2  %3").arg(tr("Scanning Library: "), tr("Library Music"), fileName));
        break;
    case EWorkStage::Analysing:
        if (paused)
            m_pMessageLine->SetText(tr("Pause"));
        else
            m_pMessageLine->SetText(
                tr("%1  %2  %3").arg(tr("Analyzing Library: "), tr("Library Music"), fileName));
        break;
    case EWorkStage::Fixing:
        if (paused)
        {
            m_pMessageLine->SetText(tr("Paused."));
            m_pApplyOrSave->show();
            break;
        }
        m_pApplyOrSave->hide();
        if (m_iFixCode == kFixingArtworkOrAlbum && m_iFixValue == kFixingArtworkOrAlbum)
            m_pMessageLine->SetText(tr("Fixing Songs Without Album Artwork: %1").arg(m_strFixText2));
        else if (m_iFixCode == kFixingArtworkOrAlbum)
            m_pMessageLine->SetText(tr("Fixing Songs Without Album: %1").arg(m_strFixText2));
        else if (m_iFixValue == kFixingArtworkOrAlbum)
            m_pMessageLine->SetText(tr("Fixing Songs Without Artist: %1").arg(m_strFixText2));
        else if (m_iFixValue == kFixingUnrecognized)
            m_pMessageLine->SetText(tr("Fixing unrecognized song: %1").arg(m_strFixText2));
        else
            m_pMessageLine->SetText(tr("Continue to fix, please wait a moment."));
        break;
    case EWorkStage::Applying:
        if (paused)
            m_pMessageLine->SetText(tr("Paused. Wanna continue and experience a new library?"));
        else if (m_flow.Opening() == CWindowFlow::EOpening::Apply)
            m_pMessageLine->SetText(tr("Applying the results, please wait a moment."));
        else if (m_flow.Opening() == CWindowFlow::EOpening::Removal)
            m_pMessageLine->SetText(tr("Removing duplicates music, please wait..."));
        else
            m_pMessageLine->SetText(tr("Continue to apply the results,please wait a moment."));
        break;
    default:
        break;
    }
}

void CMainUI::RetranslateScoreTexts()
{
    const double score = GetScore();
    if (score < 7000.0)
        ResetHints({tr("Uh, mess library. It is urgent to clean up your music now. Let's start."),
                    tr("Dear, how mess your library is. May I help you clean up it?"),
                    tr("Oops, music library in chaos! Go ahead to clean up them now.")});
    else if (score < 8000.0)
        ResetHints(
            {tr("It looks OK. But the library looks incomplete. Why not Fix All and perfect them?"),
             tr("Looks OK but you'd better clean up your library soon. Why not let me help you, darling?"),
             tr("Oh, dear, just slow down and take care of your lovely songs. They need your attention.")});
    else if (score < 9000.0)
        ResetHints({tr("Nice library list. Take a little time will make it more charming. Go to Fix All."),
                    tr("How considerate you are. I can not wait to listen to them any more."),
                    tr("I can't believe!  You get such a good result. Wanna break the record?")});
    else
        ResetHints({tr("Almost perfect. Only one click will organize them well. Just go!"),
                    tr("You won't believe me. Few songs are incomplete. Just one click will recover them."),
                    tr("Aha, excellent. But I have the magic power to make it better. Wanna experience?")});

    m_pMessageLine->SetText(CCountTexts::ScoreMessage(m_iFixValue, m_strFixText2.toInt(), m_iFixCode));
}

void CMainUI::RetranslateApplyTexts()
{
    ResetHints(FixEndHints());
    if (const QString failure = m_flow.IsApplied() ? ApplyFailureText() : QString(); !failure.isEmpty())
    {
        m_pMessageLine->SetText(failure);
    }
    else if (m_flow.IsApplied())
    {
        // After an apply the message is the apply's own; it follows the language too.
        m_pMessageLine->SetText(GetScore() >= 10000.0 ? tr("Results applyed.")
                                                      : tr("Results applyed. You can try fix again."));
    }
    else if (m_iFixValue >= 1)
    {
        m_pMessageLine->SetText(CCountTexts::FixResult(m_strFixText2.toInt(), m_iFixCode, m_iFixValue));
    }
    else if (m_strFixText2 == QLatin1String("-1"))
    {
        m_pMessageLine->SetText(tr("Congratulations, your music library is 100% cleaned!"));
    }
}

void CMainUI::RetranslateEmptyTexts()
{
    if (m_flow.IsApplied())
    {
        ShowAllApplied();
        return;
    }
    if (!m_flow.IsAllClean())
    {
        m_pReturnButton->setText(tr("  Try Again"));
        ResetHints({tr("Unbelievable, no music files found! Wanna try again?"),
                    tr("Hah,nothing found. You must be playing \"hide-and-seek\" with me.")});
        m_pMessageLine->SetText(EmptyResultMessage());
        return;
    }
    // A run that found nothing to mend: no message, and the way back stays "Return".
    m_pReturnButton->setText(tr("Return"));
    if (IsDuplicateRun(m_iResultType))
        ResetHints({tr("Hah, no duplicaites on your PC. Satisfied?"),
                    tr("Huh! I'm having a day off--no duplicates found today."),
                    tr("We're double checked everything. You're clear now."),
                    tr("You won't believe me, but there are no duplicates on your PC.")});
    else
        ResetHints({tr("Wow. It looks like someone knew I'll scan all files and cleaned them up in advance."),
                    tr("Unbelievable! No unrecognized songs or duplicates found!"),
                    tr("Hah, nothing found. You must be playing \"hide-and-seek\" with me.")});
    m_pMessageLine->SetText(QString());
}
