#include "Option.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "GeneralWidget.h"
#include "InterfaceLanguage.h"
#include "LanguageDirection.h"
#include "NetWidget.h"
#include "StyleTemplates.h"
#include "UILog.h"
#include "UpdateWidget.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QStackedWidget>
#include <QToolBar>

#include <algorithm>

namespace
{

// QSettings reports a failed write only when it syncs, long after the dialog is gone; what can
// be seen now is whether the file (or, for a new file, its folder) accepts writing.
bool IniWritable(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.isWritable();
    return QFileInfo(info.absolutePath()).isWritable();
}

} // namespace

COption::COption(CMusicLink* link, QWidget* parent, Qt::WindowFlags flags)
    : CFramelessWindow(parent, flags | Qt::Dialog)
{
    setObjectName(QStringLiteral("PreferencesUi"));
    SetFixedSize(ScaledInt(442), ScaledInt(325));
    if (parent)
        move(parent->frameGeometry().center() - rect().center());

    if (g_pTranslator)
        InstallInterfaceTranslator(g_pTranslator);
    CFramelessWindow::ApplyLanguageDirection();
    UpdateTitleBarDirection();
    setWindowModality(Qt::ApplicationModal);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("COptionToolBar"));
    toolBar->setContentsMargins(0, 0, 0, 0);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->setFixedHeight(ScaledInt(65));
    toolBar->setIconSize(QSize(ScaledInt(32), ScaledInt(32)));
    m_pToolBar = toolBar;
    m_pGeneralAction =
        toolBar->addAction(QIcon(QStringLiteral(":/res/res/win/label/genera_icon.png")), QString());
    m_pNetAction =
        toolBar->addAction(QIcon(QStringLiteral(":/res/res/win/label/network_icon.png")), QString());
    m_pUpdateAction =
        toolBar->addAction(QIcon(QStringLiteral(":/res/res/win/label/update_icon.png")), QString());
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (QAction* action : {m_pGeneralAction, m_pNetAction, m_pUpdateAction})
    {
        action->setCheckable(true);
        group->addAction(action);
    }
    m_pGeneralAction->setChecked(true);
    AddWidget(toolBar);

    m_pStack = new QStackedWidget;
    m_pGeneral = new CGeneralWidget(m_pStack);
    connect(m_pGeneral, &CGeneralWidget::sLanguageChange, this, &COption::loadLanguage);
    m_pNet = new CNetWidget(link, m_pStack);
    m_pStack->addWidget(m_pGeneral);
    m_pStack->addWidget(m_pNet);
    m_pUpdate = new CUpdateWidget(m_pStack);
    m_pUpdate->LoadUpdate();
    m_pStack->addWidget(m_pUpdate);
    SetCentralWidget(m_pStack);

    int page = 0;
    for (QAction* action : {m_pGeneralAction, m_pNetAction, m_pUpdateAction})
    {
        connect(action, &QAction::triggered, m_pStack, [this, page] { m_pStack->setCurrentIndex(page); });
        ++page;
    }

    SetTitle(tr("Preferences"));
    m_pGeneralAction->setText(tr("General"));
    m_pNetAction->setText(tr("Network"));
    m_pUpdateAction->setText(tr("Update"));
    FitToolBarTexts();
}

COption::~COption()
{
    delete m_pLoop.data();
}

void COption::Exec()
{
    if (!m_pLoop)
        m_pLoop = new QEventLoop(this);
    show();
    // A close that happened before the loop starts (or twice) must not leave it running.
    if (isVisible())
        m_pLoop->exec();
}

void COption::SaveOption()
{
    // The General page first: a language change reaches the main window from inside it, before
    // the other pages are saved and the file is written.
    m_pGeneral->SaveGeneral();
    m_pNet->SaveNet();
    m_pUpdate->SaveUpdate();
    CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    settings->SaveSettings();
    if (!IniWritable(settings->GetIniPath()))
        WriteUILog(
            QStringLiteral("Preferences: %1 cannot be written; the settings hold for this session only.")
                .arg(settings->GetIniPath()));
}

void COption::loadLanguage()
{
    SetTitle(tr("Preferences"));
    m_pGeneralAction->setText(tr("General"));
    m_pNetAction->setText(tr("Network"));
    m_pUpdateAction->setText(tr("Update"));
    FitToolBarTexts();
    // Leaving Arabic: windows opened from now on (message boxes, dialogs) must not inherit the
    // right-to-left default that Arabic gave the whole application.
    if (!IsRightToLeftLanguage())
        QApplication::setLayoutDirection(Qt::LeftToRight);
    CFramelessWindow::ApplyLanguageDirection();
    UpdateTitleBarDirection();
    m_pNet->loadLanguage();
    m_pUpdate->loadLanguage();
    emit sLanguageChange();
}

void COption::FitToolBarTexts()
{
    // With the text under the icon, the style leaves the text only what remains of a button's
    // content below the icon and 4 pixels, and the buttons' own size hint left less than a line:
    // descenders were cut. The content is made tall enough for a whole line of the current texts
    // (fallback fonts of other scripts included); the tool bar keeps its fixed height.
    int textHeight = 0;
    for (QAction* action : {m_pGeneralAction, m_pNetAction, m_pUpdateAction})
    {
        QWidget* button = m_pToolBar->widgetForAction(action);
        if (!button)
            continue;
        button->ensurePolished();
        const QFontMetrics metrics = button->fontMetrics();
        textHeight = std::max({textHeight, metrics.height(), metrics.boundingRect(action->text()).height()});
    }
    // Room left inside the tool bar: its bottom border and the buttons' own borders.
    const int room = m_pToolBar->maximumHeight() - 3 * ScaledInt(1);
    const int content = std::min(m_pToolBar->iconSize().height() + 4 + textHeight, room);
    // The fixed height holds the icon and the line under it only without the general tool-bar
    // padding of the application style sheet.
    m_pToolBar->setStyleSheet(
        QStringLiteral("QToolBar#COptionToolBar{padding:0px %1px;}"
                       "QToolBar#COptionToolBar QToolButton{padding:0px %2px;min-height:%3px;}")
            .arg(ScaledInt(8))
            .arg(ScaledInt(10))
            .arg(content));
}

void COption::closeEvent(QCloseEvent* event)
{
    SaveOption();
    if (m_pLoop)
        m_pLoop->exit(0);
    CFramelessWindow::closeEvent(event);
    CFramelessWindow::ApplyLanguageDirection();
}
