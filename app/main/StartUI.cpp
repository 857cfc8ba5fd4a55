#include "StartUI.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioTypes.h"
#include "BackgroundPool.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "CWarnMessage.h"
#include "DesktopHandOver.h"
#include "FileDialogs.h"
#include "LanguageDirection.h"
#include "OwnDirectionDelegate.h"
#include "SpecialFolders.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent>

std::atomic<EWorkMode> g_nWorkMode{EWorkMode::ITunes};

namespace
{

constexpr int kMusicFolder = 10;

QString StartButtonStyle(const QString& objectName, const QString& image, const QString& colour,
                         const QString& hoverColour, double width, double height, double padding)
{
    const auto n = [](double v) { return QString::number(v, 'g', 6); };
    // One caption size in every state: the caption must not shrink under the pointer.
    return QStringLiteral(
               "QPushButton#%1{border:0;min-width: %5;max-width: %5;max-height: %6;min-height: %6;color:%3;"
               "border-image: url(:/res/res/win/button/%2.png);font:bold "
               "%8px;text-align:bottom;padding-bottom:%7px;}"
               "QPushButton#%1:hover{border-image: url(:/res/res/win/button/%2_on.png);font:bold "
               "%8px;color:%4;}"
               "QPushButton#%1:pressed{border-image: url(:/res/res/win/button/%2_down.png);font:bold "
               "%8px;color:%4;}"
               "QPushButton#%1:disabled{border-image: url(:/res/res/win/button/%2_disable.png);font:bold "
               "%8px;"
               "color:%3;}")
        .arg(objectName, image, colour, hoverColour, n(ScaledValue(width)), n(ScaledValue(height)),
             n(ScaledValue(padding)), n(ScaledValue(14)));
}

QString MusicFolder()
{
    QString folder;
    GetSpecialFolderPath(&folder, kMusicFolder);
    return folder;
}

} // namespace

CStartUI::CStartUI(QWidget* parent) : QWidget(parent)
{
    m_pLibraryButton = MakeButton(QStringLiteral("libraryclean_obj"), QStringLiteral("cleanitunes"),
                                  QStringLiteral("#5a5a5a"), QStringLiteral("#5e5e5e"), 205, 195, 10);
    m_pOpenButton = MakeButton(QStringLiteral("open_obj"), QStringLiteral("musicfolder"),
                               QStringLiteral("#5a5a5a"), QStringLiteral("#5e5e5e"), 205, 195, 10);
    m_pDuplicateButton = MakeButton(QStringLiteral("duplicate_obj"), QStringLiteral("duplicates"),
                                    QStringLiteral("#5a5a5a"), QStringLiteral("#5e5e5e"), 205, 195, 10);
    m_pLoadButton = MakeButton(QStringLiteral("load_obj"), QStringLiteral("loadsaved"),
                               QStringLiteral("#5a5a5a"), QStringLiteral("#5e5e5e"), 205, 195, 10);
    m_pSettingButton = MakeButton(QStringLiteral("set_obj"), QStringLiteral("setting"),
                                  QStringLiteral("#5e5e5e"), QStringLiteral("#ffffff"), 32, 32, 0);
    m_pFacebookButton = MakeButton(QStringLiteral("facebook_obj"), QStringLiteral("facebook"),
                                   QStringLiteral("#5e5e5e"), QStringLiteral("#ffffff"), 32, 32, 0);
    m_pTwitterButton = MakeButton(QStringLiteral("twitter_obj"), QStringLiteral("twitter"),
                                  QStringLiteral("#5e5e5e"), QStringLiteral("#ffffff"), 32, 32, 0);
    m_pLibraryButton->setText(tr("Start to Clean iTunes"));
    RetranslateTexts();

    auto* bigRow = new QHBoxLayout;
    bigRow->addStretch();
    for (QPushButton* button : {m_pLibraryButton, m_pOpenButton, m_pDuplicateButton, m_pLoadButton})
    {
        bigRow->addWidget(button, 0, Qt::AlignHCenter);
        if (button != m_pLoadButton)
            bigRow->addSpacing(10);
    }
    bigRow->addStretch();
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addStretch();
    bottomRow->addWidget(m_pSettingButton);
    bottomRow->addSpacing(10);
    bottomRow->addWidget(m_pFacebookButton);
    bottomRow->addSpacing(10);
    bottomRow->addWidget(m_pTwitterButton, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(bigRow);
    layout->addStretch();
    layout->addLayout(bottomRow, 2);

    connect(m_pLibraryButton, &QPushButton::clicked, this, &CStartUI::StartLibraryClean);
    connect(m_pOpenButton, &QPushButton::clicked, this, &CStartUI::OpenMusicFiles);
    connect(m_pLoadButton, &QPushButton::clicked, this, &CStartUI::LoadSaveResult);
    connect(m_pDuplicateButton, &QPushButton::clicked, this, &CStartUI::SltDuplicate);
    connect(m_pSettingButton, &QPushButton::clicked, this, &CStartUI::Setting);
    connect(m_pFacebookButton, &QPushButton::clicked, this, &CStartUI::FaceBook);
    connect(m_pTwitterButton, &QPushButton::clicked, this, &CStartUI::Twitter);

    m_strDBPath = g_strDBPath;
    QTimer::singleShot(5000, this, &CStartUI::CheckingIsSave);
    setFocusPolicy(Qt::WheelFocus);
    setAcceptDrops(false);
}

CStartUI::~CStartUI() = default;

QPushButton* CStartUI::MakeButton(const QString& objectName, const QString& image, const QString& colour,
                                  const QString& hoverColour, double width, double height, double padding)
{
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(StartButtonStyle(objectName, image, colour, hoverColour, width, height, padding));
    return button;
}

void CStartUI::RetranslateTexts()
{
    m_pOpenButton->setText(tr("Open Music Files"));
    m_pLoadButton->setText(tr("Load Saved Result"));
    m_pDuplicateButton->setText(tr("Clean-up Duplicates"));
    m_pSettingButton->setToolTip(tr("Settings"));
    m_pFacebookButton->setToolTip(tr("Facebook"));
    m_pTwitterButton->setToolTip(tr("Twitter"));
    // The round buttons show only pictures: screen readers read these names instead.
    m_pSettingButton->setAccessibleName(m_pSettingButton->toolTip());
    m_pFacebookButton->setAccessibleName(m_pFacebookButton->toolTip());
    m_pTwitterButton->setAccessibleName(m_pTwitterButton->toolTip());
}

void CStartUI::SetWorkMode(EWorkMode mode)
{
    g_bScaniTunes = false;
    m_iWorkMode = mode;
    g_nWorkMode = mode;
}

void CStartUI::SetLibraryButtonText(const QString& text)
{
    m_pLibraryButton->setText(text);
}

QString CStartUI::LibraryButtonText() const
{
    return m_pLibraryButton->text();
}

void CStartUI::ClearLeftovers()
{
    m_eLeftovers = ELeftovers::Clearing;
    const CAppSettings* settings = GetAppSettings();
    const QString recycle = settings ? settings->GetRecycleFolder() : QString();
    // A run started meanwhile has a database of its own, whose songs have left nothing.
    const QString database = m_bCopying || (m_isIdle && !m_isIdle()) ? QString() : m_strDBPath;
    const QStringList besideFiles{CMusicLink::DefaultLibraryPath()};
    QStringList folders{QFileInfo(m_strDBPath).absolutePath(), MusicFolder()};
    if (settings && !settings->GetLastProjectFolder().isEmpty())
        folders << settings->GetLastProjectFolder();
    auto* watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcher<bool>::finished, this,
            [this, watcher, recycle]()
            {
                watcher->deleteLater();
                m_eLeftovers = ELeftovers::Cleared;
                if (watcher->result())
                    m_strCopiesRemainIn = recycle;
                CheckingIsSave();
            });
    watcher->setFuture(
        QtConcurrent::run(BackgroundPool(), [database, besideFiles, folders, recycle]()
                          { return CMusicLink::ClearLeftovers(database, besideFiles, folders, recycle); }));
}

void CStartUI::CheckingIsSave()
{
    if (m_eLeftovers != ELeftovers::Cleared)
    {
        if (m_eLeftovers == ELeftovers::NotCleared)
            ClearLeftovers();
        return;
    }
    if (!m_strCopiesRemainIn.isEmpty())
    {
        // Never over another question or a file dialog, like the offer below.
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        {
            QTimer::singleShot(kOfferRetryMs, this, &CStartUI::CheckingIsSave);
            return;
        }
        const QString folder = std::exchange(m_strCopiesRemainIn, QString());
        CWarnMessage::ShowMessage(this, tr("Recycle folder"),
                                  tr("Tidewell was ended while it moved songs into or out of the recycle "
                                     "folder. The copies it moved remain there:\n%1")
                                      .arg(COwnDirectionDelegate::Isolated(folder)),
                                  0, QString(), QString(), QString(), 0);
    }
    if (m_bOffered || !QFileInfo::exists(m_strDBPath))
        return;
    // A run started in the first seconds has replaced the old working database, and a saved
    // result being placed is about to: nothing to offer.
    if (m_bCopying || m_bCheckingLeft || (m_isIdle && !m_isIdle()))
        return;
    // Never over another question or a file dialog, where it would take the user's typing: the
    // offer waits until none is open.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
    {
        QTimer::singleShot(kOfferRetryMs, this, &CStartUI::CheckingIsSave);
        return;
    }
    if (!m_bLeftChecked)
    {
        // Clean closes take the working database with them, so one that is still here was left
        // by a run that ended unexpectedly; it is offered when it holds a result that loads.
        m_bCheckingLeft = true;
        auto* watcher = new QFutureWatcher<QString>(this);
        connect(watcher, &QFutureWatcher<QString>::finished, this,
                [this, watcher]()
                {
                    watcher->deleteLater();
                    m_bCheckingLeft = false;
                    if (const QString invalid = watcher->result(); !invalid.isEmpty())
                    {
                        WriteUILog(invalid);
                        return;
                    }
                    m_bLeftChecked = true;
                    CheckingIsSave();
                });
        const QString db = m_strDBPath;
        watcher->setFuture(
            QtConcurrent::run(BackgroundPool(), [db]() { return CMusicLink::CheckLeftDatabase(db); }));
        return;
    }
    m_bOffered = true;
    const int answer = CWarnMessage::ShowMessage(
        this, tr("Continue"),
        tr("Last fixing project was interrupted\nunexpectedly. Do you want to continue it?"), 2,
        tr("Continue"), tr("Cancel"), QString(), 0);
    if (answer != 1 || m_bCopying || (m_isIdle && !m_isIdle()))
        return;
    m_strProjectPath = m_strDBPath;
    emit Complete(QStringList(), m_strProjectPath, RunModeProject);
}

void CStartUI::StartLibraryClean()
{
    SetWorkMode(EWorkMode::ITunes);
    m_strProjectPath = m_strDBPath;
    QStringList paths;
    if (m_pLibraryButton->text() != tr("Start to Clean iTunes"))
    {
        const QString file =
            GetOpenFileName(this, tr("Open Library.xml"), MusicFolder(), QStringLiteral("XML files (*.xml)"));
        if (file.isEmpty() || !QFileInfo::exists(file))
            return;
        paths << file;
    }
    WriteUILog(QStringLiteral("Enter CStartUI::StartLibraryClean"));
    emit Complete(paths, m_strProjectPath, RunModeITunes);
}

void CStartUI::OpenMusicFiles()
{
    SetWorkMode(EWorkMode::Files);
    const QString open = GetAppSettings() ? GetAppSettings()->GetOpenPath() : QString();
    const QStringList files =
        GetOpenFileNames(this, tr("Open Files And Folders"), open,
                         tr("Music Files(%1)").arg(CAudioTypes::Patterns(CAudioTypes::ERoad::Fix)));
    if (files.isEmpty())
        return;
    m_strProjectPath = m_strDBPath;
    emit Complete(files, m_strProjectPath, RunModeFiles);
}

void CStartUI::LoadSaveResult()
{
    SetWorkMode(EWorkMode::SavedResult);
    m_strProjectPath = GetOpenFileName(this, tr("Open Result File"), MusicFolder(), ProjectFileFilter());
    if (m_strProjectPath.isEmpty() || m_bCopying)
        return;
    // The copy runs off the GUI thread. It goes into a temporary file that replaces the working
    // database only when whole, so a failed copy leaves the old one as it was; the working
    // database itself, when picked, is loaded as it is.
    m_bCopying = true;
    auto* watcher = new QFutureWatcher<QString>(this);
    const QString project = m_strProjectPath;
    const QString db = m_strDBPath;
    connect(watcher, &QFutureWatcher<QString>::finished, this,
            [this, watcher, project]()
            {
                watcher->deleteLater();
                m_bCopying = false;
                const QString error = watcher->result();
                if (!error.isEmpty())
                {
                    WriteUILog(error);
                    emit LoadSaveFailed();
                    return;
                }
                emit Complete(QStringList(), project, RunModeProject);
            });
    watcher->setFuture(QtConcurrent::run(BackgroundPool(), [project, db]()
                                         { return CMusicLink::PlaceProjectAsDatabase(project, db); }));
}

void CStartUI::Setting()
{
    emit SetPreferences();
}

QString CStartUI::FacebookUrl(const QString& language)
{
    return language == QLatin1String("de") ? QStringLiteral("https://www.facebook.com/zavro.de")
                                           : QStringLiteral("https://www.facebook.com/zavro");
}

QString CStartUI::TwitterUrl(const QString& language)
{
    return language == QLatin1String("de") ? QStringLiteral("https://twitter.com/zavro_de")
                                           : QStringLiteral("https://twitter.com/zavro");
}

void CStartUI::FaceBook()
{
    CDesktopHandOver::OpenAddress(
        this, QUrl(FacebookUrl(GetAppSettings() ? GetAppSettings()->GetLanguage() : QString())));
}

void CStartUI::Twitter()
{
    CDesktopHandOver::OpenAddress(
        this, QUrl(TwitterUrl(GetAppSettings() ? GetAppSettings()->GetLanguage() : QString())));
}

void CStartUI::SltDuplicate()
{
    SetWorkMode(EWorkMode::Duplicates);
    emit Duplicate();
}

void CStartUI::loadLanguage()
{
    if (m_pLibraryButton->text().contains(QLatin1String("XML")))
        m_pLibraryButton->setText(tr("Select Library XML File"));
    else
        m_pLibraryButton->setText(tr("Start to Clean iTunes"));
    RetranslateTexts();
    ApplyLanguageDirection(this);
}

void CStartUI::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
