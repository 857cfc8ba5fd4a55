#include "AnalyReport.h"

#include "AcrMediaInfoRunnable.h"

#include "AppGlobals.h"
#include "AppHelpers.h"
#include "AppSettings.h"
#include "ArtworkList.h"
#include "CMusicLink.h"
#include "CShowMaxPicture.h"
#include "ConditionWait.h"
#include "CountTexts.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "GeneralUtils.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicObj.h"
#include "QuantityWidget.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "TreeItem.h"
#include "UILog.h"
#include "UtilityToolkit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyleOption>
#include <QThread>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWaitCondition>

#include <algorithm>
#include <utility>

namespace
{
constexpr int kBitMissing = 0x10000;
constexpr int kBitArtist = 0x400;
constexpr int kBitAlbum = 0x800;
constexpr int kBitArtwork = 0x8000000;
constexpr int kBitTitle = 0x1000000;
constexpr int kBitHandled = 0x200;

// Page of each category in the stack.
int PageOf(ReportCategory category)
{
    switch (category)
    {
    case ReportUnrecognized:
        return 4;
    case ReportArtwork:
        return 0;
    case ReportArtist:
        return 3;
    case ReportAlbum:
        return 2;
    case ReportMissingFile:
        return 1;
    }
    return 0;
}

MusicInfo* Record(CMusicLink* link, CMusicObj* track, int which = 1)
{
    MusicInfo* info = nullptr;
    if (!link || !track || link->GetMusicRecord(track, &info, which) != 0)
        return nullptr;
    return info;
}

QFont RowFont()
{
    QFont font = QApplication::font();
    font.setPointSize(g_dScale == 1.0 ? 10 : 13);
    return font;
}

// The side of the song pictures of Unrecognized Songs.
int ThumbSide()
{
    return ScaledInt(30);
}

// Most rows of Unrecognized Songs show one of these: made once per scale, not once per row.
QPixmap ResourceThumb(const QString& resource)
{
    static QHash<QString, QPixmap> cached;
    static int cachedSide = -1;
    const int side = ThumbSide();
    if (cachedSide != side)
    {
        cached.clear();
        cachedSide = side;
    }
    auto it = cached.find(resource);
    if (it == cached.end())
        it = cached.insert(
            resource, QPixmap(resource).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return it.value();
}

QPixmap FailedThumb()
{
    return ResourceThumb(QStringLiteral(":/res/res/win/list/artwork_failed.png"));
}

// Shown while the song's own picture is being decoded.
QPixmap WaitingThumb()
{
    return ResourceThumb(QStringLiteral(":/res/res/win/list/artwork_load.png"));
}

// Which request a row's picture answers: set with each request, compared when it comes back.
constexpr int kThumbSerialRole = Qt::UserRole + 17;

QIcon CompleteIcon()
{
    return g_iconComplete ? *g_iconComplete : QIcon(QStringLiteral(":/res/res/win/list/complete.png"));
}

QIcon FailedIcon()
{
    return g_iconFailed ? *g_iconFailed : QIcon(QStringLiteral(":/res/res/win/list/failed.png"));
}

QIcon LoadingIcon()
{
    return g_iconLoading ? *g_iconLoading : QIcon();
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Construction

CAnalyReport::CAnalyReport(QWidget* parent) : QWidget(parent)
{
    Build();
}

CAnalyReport::CAnalyReport(int mediaLibrary, QWidget* parent) : QWidget(parent), m_nMediaLibrary(mediaLibrary)
{
    Build();
}

CAnalyReport::~CAnalyReport()
{
    // No job may reach the page once it is gone, and a pause of its fix does not outlive it.
    m_bPullStop = true;
    SetRecognitionHold(false);
    if (m_pPool)
        m_pPool->waitForDone();
    StopThumbJobs();
    // The entries are ours, not the tree's; their badges are the tree's item widgets.
    for (auto& entry : m_entries)
        entry->SetBadge(nullptr);
    while (m_pTypeTree->topLevelItemCount() > 0)
        m_pTypeTree->takeTopLevelItem(0);
}

void CAnalyReport::DropBadge(CTypeTreeItem* entry)
{
    CQuantityWidget* badge = entry->GetBadge();
    if (!badge)
        return;
    badge->SetSpinning(false);
    badge->hide();
    entry->SetBadge(nullptr);
    // The view owns its item widgets: removing it lets the view forget and free it; a badge of
    // an entry outside the tree is ours to free.
    if (entry->treeWidget() == m_pTypeTree)
        m_pTypeTree->removeItemWidget(entry, 3);
    else
        delete badge;
}

void CAnalyReport::Build()
{
    m_pPool = std::make_unique<QThreadPool>();
    m_pPool->setMaxThreadCount(10);
    m_pRowReaper = new CRowReaper(this);
    m_pThumbPool = std::make_unique<QThreadPool>();
    m_pThumbPool->setMaxThreadCount(2);
    m_pWriter = new CFixWriter(this);

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setObjectName(QStringLiteral("ReportSplitter"));
    m_pSplitter->setFocusPolicy(Qt::ClickFocus);
    m_pSplitter->setContentsMargins(0, 0, 0, 0);
    m_pSplitter->setOpaqueResize(true);
    m_pSplitter->setHandleWidth(1);

    m_pTypeTree = new QTreeWidget(m_pSplitter);
    m_pTypeTree->setObjectName(QStringLiteral("ReportListType"));
    m_pTypeTree->setFrameShape(QFrame::NoFrame);
    m_pTypeTree->setFocusPolicy(Qt::NoFocus);
    m_pTypeTree->setContentsMargins(0, 0, 0, 0);
    m_pTypeTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTypeTree->header()->setSectionsMovable(false);
    m_pTypeTree->header()->hide();
    m_pTypeTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTypeTree->setColumnCount(4);
    m_pTypeTree->setColumnWidth(0, ScaledInt(1));
    m_pTypeTree->setColumnWidth(1, ScaledInt(20));
    m_pTypeTree->setColumnWidth(2, ScaledInt(200));
    m_pTypeTree->setColumnWidth(3, ScaledInt(30));
    // The title column takes what the tree's width leaves, so the badge column always ends at
    // the tree's edge instead of reaching past it.
    m_pTypeTree->header()->setStretchLastSection(false);
    m_pTypeTree->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_pTypeTree->setIconSize(QSize(ScaledInt(16), ScaledInt(16)));
    m_pTypeTree->setMinimumWidth(ScaledInt(250));
    m_pTypeTree->setRootIsDecorated(false);

    struct CategoryText
    {
        ReportCategory category;
        const char* title;
        const char* icon;
    };
    static const CategoryText kCategories[] = {
        {ReportUnrecognized, QT_TR_NOOP("Unrecognized Songs"), ":res/res/win/list/type/unrecognized.png"},
        {ReportArtwork, QT_TR_NOOP("Songs Without Album Artwork"), ":res/res/win/list/type/artwork.png"},
        {ReportArtist, QT_TR_NOOP("Songs Without Artist"), ":res/res/win/list/type/artist.png"},
        {ReportAlbum, QT_TR_NOOP("Songs Without Album"), ":res/res/win/list/type/album.png"},
        {ReportMissingFile, QT_TR_NOOP("Songs Without Original Files"),
         ":res/res/win/list/type/duplicate.png"},
    };
    for (const CategoryText& text : kCategories)
    {
        auto* badge = new CQuantityWidget(0);
        auto entry =
            std::make_unique<CTypeTreeItem>(tr(text.title), QString::fromLatin1(text.icon), badge, nullptr);
        entry->SetCategory(text.category);
        entry->SetBadgePage(0);
        m_pTypeTree->addTopLevelItem(entry.get());
        m_pTypeTree->setItemWidget(entry.get(), 3, badge);
        m_entries.push_back(std::move(entry));
    }
    m_pTypeTree->setCurrentItem(m_entries[1].get());
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);

    m_pRight = new QWidget(m_pSplitter);
    m_pStack = new QStackedWidget(m_pRight);
    m_pStack->setFocusPolicy(Qt::ClickFocus);
    m_pStack->setMinimumWidth(ScaledInt(400));

    m_pArtworkList = new CListWidget(this);
    m_pArtworkList->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_pArtworkList->setFrameShape(QFrame::NoFrame);
    m_pArtworkList->setFocusPolicy(Qt::NoFocus);
    m_pArtworkList->setMovement(QListView::Static);
    m_pArtworkList->viewport()->setAcceptDrops(true);
    m_pArtworkList->setDropIndicatorShown(true);
    m_pArtworkList->setDragEnabled(false);
    m_pArtworkList->setViewMode(QListView::IconMode);
    m_pArtworkList->setGridSize(QSize(ScaledInt(140), ScaledInt(140)));
    m_pArtworkList->setIconSize(QSize(ScaledInt(108), ScaledInt(108)));
    m_pArtworkList->setResizeMode(QListView::Adjust);
    m_pArtworkList->setSelectionRectVisible(true);
    m_pArtworkList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every cell has the same size: layout never measures cells one by one, and batches.
    m_pArtworkList->setUniformItemSizes(true);
    m_pArtworkList->setLayoutMode(QListView::Batched);
    m_pArtworkList->setBatchSize(500);
    m_pDelegate = new CListDelegate(m_pArtworkList);
    connect(m_pDelegate, &CListDelegate::PictureReady, this, &CAnalyReport::UnrecognizedThumbReady);
    m_pArtworkList->setItemDelegate(m_pDelegate);
    connect(m_pArtworkList, &QListWidget::itemDoubleClicked, this, &CAnalyReport::ShowMaxPicture);
    connect(m_pArtworkList, &CListWidget::SendCheckState, this, &CAnalyReport::ArtworkChangeChecked);
    connect(m_pArtworkList, &CListWidget::SetUnchecked, this, &CAnalyReport::ArtworkChangeChecked);
    connect(m_pArtworkList, &CListWidget::SetAllUnchecked, this, &CAnalyReport::ArtworkUncheckedAll);
    connect(m_pArtworkList, &CListWidget::SendSelectArtwork, this, &CAnalyReport::SelectArtworkList);

    auto makeProblemTree = [this]
    {
        auto* tree = new CFailedTreeWidget(this);
        tree->setFocusPolicy(Qt::NoFocus);
        tree->setFrameShape(QFrame::NoFrame);
        tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
        tree->setAutoScroll(false);
        tree->setColumnCount(6);
        const int widths[] = {160, 80, 150, 150, 0, 30};
        for (int i = 0; i < 6; ++i)
            tree->setColumnWidth(i, ScaledInt(widths[i]));
        tree->setColumnHidden(4, true);
        tree->setAlternatingRowColors(true);
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        QHeaderView* header = tree->header();
        const QHeaderView::ResizeMode modes[] = {QHeaderView::Stretch, QHeaderView::Fixed,
                                                 QHeaderView::Stretch, QHeaderView::Stretch,
                                                 QHeaderView::Fixed,   QHeaderView::Fixed};
        for (int i = 0; i < 6; ++i)
            header->setSectionResizeMode(i, modes[i]);
        header->setStretchLastSection(false);
        header->hide();
        return tree;
    };
    m_pAlbumTree = makeProblemTree();
    m_pArtistTree = makeProblemTree();
    m_pMissingTree = makeProblemTree();
    m_pMissingTree->SetMenuEnabled(false);
    m_pMissingTree->viewport()->installEventFilter(this);
    m_pMissingTree->viewport()->setMouseTracking(true);
    connect(m_pMissingTree, &QTreeWidget::itemClicked, this, &CAnalyReport::OpenRepeatMusicPath);
    connect(m_pAlbumTree, &QTreeWidget::itemClicked, this, &CAnalyReport::AlbumChangeChecked);
    connect(m_pArtistTree, &QTreeWidget::itemClicked, this, &CAnalyReport::ArtistChangeChecked);
    connect(m_pMissingTree, &QTreeWidget::itemClicked, this, &CAnalyReport::NotExistChangeChecked);
    connect(m_pAlbumTree, &CFailedTreeWidget::SetUnchecked, this, &CAnalyReport::AlbumChangeChecked);
    connect(m_pArtistTree, &CFailedTreeWidget::SetUnchecked, this, &CAnalyReport::ArtistChangeChecked);
    connect(m_pMissingTree, &CFailedTreeWidget::SetUnchecked, this, &CAnalyReport::NotExistChangeChecked);
    connect(m_pAlbumTree, &CFailedTreeWidget::SetAllUnchecked, this, &CAnalyReport::AlbumUncheckedAll);
    connect(m_pArtistTree, &CFailedTreeWidget::SetAllUnchecked, this, &CAnalyReport::ArtistUncheckedAll);
    connect(m_pMissingTree, &CFailedTreeWidget::SetAllUnchecked, this, &CAnalyReport::NotExistUncheckedAll);

    m_pUnrecognizedTree = new CFailedTreeWidget(m_pRight);
    m_pUnrecognizedTree->setFocusPolicy(Qt::NoFocus);
    m_pUnrecognizedTree->setFrameShape(QFrame::NoFrame);
    m_pUnrecognizedTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pUnrecognizedTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pUnrecognizedTree->setAlternatingRowColors(true);
    m_pUnrecognizedTree->setAutoScroll(false);
    m_pUnrecognizedTree->setRootIsDecorated(false);
    m_pUnrecognizedTree->setUniformRowHeights(true);
    m_pUnrecognizedTree->setIconSize(QSize(ScaledInt(30), ScaledInt(30)));
    m_pUnrecognizedTree->setColumnCount(9);
    {
        const int widths[] = {50, 50, 200, 80, 200, 200, 25, 25, 10};
        const QHeaderView::ResizeMode modes[] = {
            QHeaderView::Fixed, QHeaderView::Fixed,   QHeaderView::Stretch,
            QHeaderView::Fixed, QHeaderView::Stretch, QHeaderView::Stretch,
            QHeaderView::Fixed, QHeaderView::Fixed,   QHeaderView::Fixed};
        for (int i = 0; i < 9; ++i)
        {
            m_pUnrecognizedTree->setColumnWidth(i, ScaledInt(widths[i]));
            m_pUnrecognizedTree->header()->setSectionResizeMode(i, modes[i]);
        }
        m_pUnrecognizedTree->header()->setStretchLastSection(false);
        m_pUnrecognizedTree->setColumnHidden(6, true);
        m_pUnrecognizedTree->setColumnHidden(7, true);
    }
    connect(m_pUnrecognizedTree->header(), &QHeaderView::sectionClicked, this, &CAnalyReport::SortFailedTree);
    connect(m_pArtworkList, &QListWidget::currentItemChanged, this,
            qOverload<QListWidgetItem*, QListWidgetItem*>(&CAnalyReport::CurrentItemChanged));
    for (QTreeWidget* tree :
         {static_cast<QTreeWidget*>(m_pAlbumTree), static_cast<QTreeWidget*>(m_pArtistTree),
          static_cast<QTreeWidget*>(m_pUnrecognizedTree)})
        connect(tree, &QTreeWidget::currentItemChanged, this,
                qOverload<QTreeWidgetItem*, QTreeWidgetItem*>(&CAnalyReport::CurrentItemChanged));

    m_pModify = new CModifyMusicInfo(m_pRight);
    m_pModify->setObjectName(QStringLiteral("ModifyMusicinfo"));
    m_pModify->setContentsMargins(0, 0, 0, 0);
    m_pModify->SetMusicLink(nullptr);
    m_pModify->hide();
    connect(m_pModify, &CModifyMusicInfo::SendEditItem, this, &CAnalyReport::EditFixItem);
    connect(this, &CAnalyReport::EditInfoHide, m_pModify, &CModifyMusicInfo::EditHide);

    m_pStack->addWidget(m_pArtworkList);
    m_pStack->addWidget(m_pMissingTree);
    m_pStack->addWidget(m_pAlbumTree);
    m_pStack->addWidget(m_pArtistTree);
    m_pStack->addWidget(m_pUnrecognizedTree);

    auto* rightLayout = new QVBoxLayout(m_pRight);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(m_pStack);
    rightLayout->addWidget(m_pModify);

    m_pSplitter->addWidget(m_pTypeTree);
    m_pSplitter->addWidget(m_pRight);
    m_pSplitter->setCollapsible(0, false);
    m_pSplitter->setCollapsible(1, false);
    m_pSplitter->setStretchFactor(0, 1);
    m_pSplitter->setStretchFactor(1, 3);
    m_pTypeTree->setMinimumWidth(ScaledInt(280));
    m_pTypeTree->setMaximumWidth(ScaledInt(350));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pSplitter);

    m_pMaxPicture = new CShowMaxPicture(m_pArtworkList);
    m_pMaxPicture->hide();

    loadLanguage();

    connect(this, &CAnalyReport::PullSuccessSignal, this, &CAnalyReport::PullSuccessSlot);
    connect(this, &CAnalyReport::PullStartSignal, this, &CAnalyReport::PullStartSlot);
    connect(this, &CAnalyReport::PullCompleteSignal, this, &CAnalyReport::PullCompleteSlot);
    if (CAppSettings* settings = GetAppSettings())
        CreateDirPath(settings->GetDataFolder() + QStringLiteral("/pmi"));
}

void CAnalyReport::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

CTypeTreeItem* CAnalyReport::CategoryEntry(ReportCategory category) const
{
    for (const auto& entry : m_entries)
    {
        if (entry->GetCategory() == category)
            return entry.get();
    }
    return nullptr;
}

void CAnalyReport::SetMusicLink(CMusicLink* link)
{
    m_pLink = link;
    m_pWriter->SetLink(link);
    m_pModify->SetMusicLink(link);
    setFocusPolicy(Qt::ClickFocus);
    if (link)
        connect(link, &CMusicLink::SendPlayOver, this, &CAnalyReport::PlayOver, Qt::UniqueConnection);
    if (!m_pArtworkPopup)
    {
        m_pArtworkPopup = new CArtworkList(link, m_pArtworkList, Qt::Popup);
        connect(m_pArtworkPopup, &CArtworkList::SetArtwork, m_pModify, &CModifyMusicInfo::OpenFileImg);
        m_pArtworkPopup->hide();
    }
}

void CAnalyReport::SetStopState(int stop)
{
    m_nStop = stop;
}

QString CAnalyReport::UnknownText(const QString& text, const QString& word)
{
    if (!text.isEmpty())
        return ScreenText(text);
    return QObject::tr("Unknown %1").arg(word);
}

void CAnalyReport::loadLanguage()
{
    static const char* const kTitles[] = {
        QT_TR_NOOP("Unrecognized Songs"), QT_TR_NOOP("Songs Without Album Artwork"),
        QT_TR_NOOP("Songs Without Artist"), QT_TR_NOOP("Songs Without Album"),
        QT_TR_NOOP("Songs Without Original Files")};
    for (const auto& entry : m_entries)
        entry->setText(2, tr(kTitles[entry->GetCategory() - 1]));
    m_pArtworkList->RetranslateMenu();
    m_pUnrecognizedTree->setHeaderLabels({QStringLiteral("    ") + QChar(0x221A), QStringLiteral(" "),
                                          tr("Song title"), tr("Time"), tr("Artist"), tr("Album"),
                                          QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")});
    const QString artistWord = tr("Artist");
    const QString albumWord = tr("Album");
    auto rewrite = [&](QTreeWidget* tree, int artistColumn, int albumColumn)
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
        {
            auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i));
            MusicInfo* info = row ? Record(m_pLink, row->GetMusicData()) : nullptr;
            if (!info)
                continue;
            if (info->Artist.isEmpty())
                row->setText(artistColumn, UnknownText(QString(), artistWord));
            if (info->Album.isEmpty())
                row->setText(albumColumn, UnknownText(QString(), albumWord));
        }
    };
    rewrite(m_pMissingTree, 2, 3);
    rewrite(m_pAlbumTree, 2, 3);
    rewrite(m_pArtistTree, 2, 3);
    rewrite(m_pUnrecognizedTree, 4, 5);
}

// ---------------------------------------------------------------------------------------------
// Songs of the analysis

QString CAnalyReport::PictureFolder()
{
    CAppSettings* settings = GetAppSettings();
    return settings ? settings->GetPictureFolder() : QString();
}

bool CAnalyReport::SaveInsidePictureFolder(const QImage& image, const QString& path)
{
    // A saved project is untrusted: its artwork paths may point anywhere. Only the Picture folder
    // is ours to write.
    const QString folder = PictureFolder();
    if (folder.isEmpty() || path.isEmpty())
        return false;
    const QString root = QDir(folder).canonicalPath();
    const QFileInfo target(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString parent = QDir(target.absolutePath()).canonicalPath();
    if (root.isEmpty() || parent.isEmpty() || !(parent == root || parent.startsWith(root + QLatin1Char('/'))))
        return false;
    if (target.isSymLink())
        return false;
    return image.save(target.absoluteFilePath());
}

QString CAnalyReport::StoreAnswerArtwork(const QByteArray& bytes, const QString& target)
{
    if (bytes.isEmpty() || target.isEmpty())
        return {};
    // Any format the answer came in; stored as the JPEG its name says.
    const QImage image = QImage::fromData(bytes);
    if (image.isNull() || !SaveInsidePictureFolder(image, target))
        return {};
    return target;
}

int CAnalyReport::AddProblemTrack(CMusicObj* track, int problem, int state, int64_t, int identify, int)
{
    if (m_nStop.load() || !track)
        return 0;
    PendingTrack song{track, problem, state, identify, {}, false};
    if (NeedsStoredArtwork(problem))
    {
        bool prepared = false;
        {
            QMutexLocker lock(&m_pendingMutex);
            if (auto it = m_preparedArtwork.find(track); it != m_preparedArtwork.end())
            {
                song.artworkPath = it->artworkPath;
                song.artworkSaved = it->artworkSaved;
                m_preparedArtwork.erase(it);
                prepared = true;
            }
        }
        if (!prepared)
            ReadStoredArtwork(song);
    }
    if (QThread::currentThread() == thread())
    {
        // Already on the GUI thread (the window hands songs over in batches): file it now, after
        // anything a worker queued before, so the order stays the caller's.
        FlushPendingTracks();
        FileProblemTrack(song);
        return 0;
    }
    bool post = false;
    {
        QMutexLocker lock(&m_pendingMutex);
        m_pending.push_back(std::move(song));
        if (!m_bFlushPosted)
        {
            m_bFlushPosted = true;
            post = true;
        }
    }
    if (post)
        QMetaObject::invokeMethod(this, &CAnalyReport::FlushPendingTracks, Qt::QueuedConnection);
    return 0;
}

void CAnalyReport::FlushPendingTracks()
{
    std::vector<PendingTrack> batch;
    {
        QMutexLocker lock(&m_pendingMutex);
        batch.swap(m_pending);
        m_bFlushPosted = false;
    }
    if (batch.empty())
        return;
    const QList<QWidget*> pages = {m_pArtworkList, m_pAlbumTree, m_pArtistTree, m_pMissingTree};
    for (QWidget* page : pages)
        page->setUpdatesEnabled(false);
    for (const PendingTrack& song : batch)
    {
        if (m_nStop.load())
            break;
        FileProblemTrack(song);
    }
    for (QWidget* page : pages)
        page->setUpdatesEnabled(true);
}

void CAnalyReport::FileProblemTrack(const PendingTrack& song)
{
    const int mask = m_nCategoryMask.load();
    if (song.problem & kBitMissing)
    {
        if (mask & kBitMissing)
            FillProblemTree(song.track, song.problem, m_pMissingTree, 1, (song.state & kBitMissing) ? 0 : 2,
                            -1, song.state & kBitHandled);
        return;
    }
    bool added = false;
    if ((song.problem & kBitArtist) && (mask & kBitArtist))
        added |= FillProblemTree(song.track, song.problem, m_pArtistTree, 2,
                                 (song.state & kBitArtist) ? 0 : 2, song.identify, false) >= 0;
    if ((song.problem & kBitAlbum) && (mask & kBitAlbum))
        added |= FillProblemTree(song.track, song.problem, m_pAlbumTree, 3, (song.state & kBitAlbum) ? 0 : 2,
                                 song.identify, false) >= 0;
    if ((song.problem & kBitArtwork) && (mask & kBitArtwork))
    {
        if (CListItem* cell = AddArtworkCell(song.track, song.problem, song.identify, &song))
        {
            cell->SetCheckState((song.state & kBitArtwork) ? 0 : 2, false);
            added = true;
        }
    }
    if (added)
    {
        if (MusicInfo* info = Record(m_pLink, song.track))
            m_pullQueue.insert(song.identify, info->Location);
    }
}

int CAnalyReport::FillProblemTree(CMusicObj* track, int kind, CFailedTreeWidget* tree, int mode,
                                  int checkState, int userValue, bool handled)
{
    if (!m_pLink)
        return 0;
    MusicInfo* info = Record(m_pLink, track);
    if (!info)
        return -1;
    auto* row = new CTreeItem();
    row->SetMusicData(track, kind);
    // Every page, the missing files included, shows the check box its song's exclusion word
    // gives: without one the user could not keep a song in iTunes, nor remove it.
    row->setCheckState(0, checkState == 2 ? Qt::Checked : Qt::Unchecked);
    row->setText(0, ScreenText(info->Name));
    row->setToolTip(0, ScreenText(info->Name));
    QString duration;
    FormatDuration(info->TotalTime, duration);
    row->setText(1, duration);
    row->setText(2, UnknownText(info->Artist, tr("Artist")));
    row->setText(3, UnknownText(info->Album, tr("Album")));
    row->SetLocation(info->Location);
    row->SetPersistentID(info->PersistentID);
    row->SetUserValue(userValue);
    const QFont font = RowFont();
    for (int c = 0; c < 4; ++c)
        row->setFont(c, font);

    TrackRows& rows = m_trackRows[track];
    auto markFixed = [&]
    {
        row->setIcon(5, CompleteIcon());
        row->SetFixState(2);
        tree->SetFixedCount(tree->GetFixedCount() + 1);
    };
    if (mode == 2)
    {
        if (info->Artist.isEmpty())
            row->setForeground(2, m_unknownColour);
        else
            markFixed();
        rows.artist = row;
    }
    else if (mode == 3)
    {
        if (info->Album.isEmpty())
            row->setForeground(3, m_unknownColour);
        else
            markFixed();
        rows.album = row;
    }
    else
    {
        if (handled)
            markFixed();
        rows.missing = row;
    }
    if (userValue >= 0)
        m_identifyTracks.insert(userValue, track);
    row->setSizeHint(0, QSize(ScaledInt(300), ScaledInt(25)));
    tree->addTopLevelItem(row);
    return tree->topLevelItemCount() - 1;
}

CListItem* CAnalyReport::AddArtworkCell(CMusicObj* track, int kind, int identify, const PendingTrack* stored)
{
    MusicInfo* info = Record(m_pLink, track);
    if (!info)
        return nullptr;
    auto* cell = new CListItem(track, kind);
    cell->setTextAlignment(Qt::AlignBottom | Qt::AlignHCenter);
    QFont font = QApplication::font();
    font.setPointSize(qMax(1, ScaledInt(10)));
    cell->setFont(font);
    cell->setSizeHint(QSize(ScaledInt(108), ScaledInt(128)));
    cell->setText(ScreenText(info->Name));
    cell->setToolTip(ScreenText(info->Name));
    cell->SetLocation(info->Location);
    cell->SetPersistentID(info->PersistentID);
    cell->SetUserValue(identify);
    m_pArtworkList->addItem(cell);
    m_trackRows[track].cell = cell;
    if (identify >= 0)
        m_identifyTracks.insert(identify, track);

    if (!stored)
    {
        // Re-added after an edit: the candidates and the chosen path as the library has them.
        const QString path = m_pLink->GetArtworkPath(track);
        const int count = m_pLink->GetArtworkCount(track);
        cell->SetArtworkCount(count);
        cell->SetMultiArtwork(count > 1);
        if (!path.isEmpty())
        {
            cell->SetArtworkState(2, false);
            cell->SetLoadState(2);
            cell->SetArtworkPath(path);
            m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
        }
        else
        {
            cell->SetArtworkState(0, true);
        }
        return cell;
    }
    if (stored->artworkSaved)
    {
        cell->SetArtworkCount(1);
        cell->SetArtworkState(2, false);
        cell->SetLoadState(2);
        cell->SetArtworkPath(stored->artworkPath);
        m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
    }
    else
    {
        cell->SetArtworkState(0, true);
    }
    return cell;
}

bool CAnalyReport::NeedsStoredArtwork(int problem) const
{
    return !(problem & kBitMissing) && (problem & kBitArtwork) && (m_nCategoryMask.load() & kBitArtwork);
}

void CAnalyReport::PrepareStoredArtwork(CMusicObj* track, int problem)
{
    if (!track || m_nStop.load() || !NeedsStoredArtwork(problem))
        return;
    PendingTrack song;
    song.track = track;
    ReadStoredArtwork(song);
    QMutexLocker lock(&m_pendingMutex);
    m_preparedArtwork.insert(track, song);
}

void CAnalyReport::ReadStoredArtwork(PendingTrack& song) const
{
    CMusicLink* link = m_pLink;
    if (!link)
        return;
    song.artworkPath = link->GetArtworkPath(song.track);
    if (song.artworkPath.isEmpty())
        return;
    const QImage image = QImage::fromData(link->GetArtworkData(song.track));
    song.artworkSaved = !image.isNull() && SaveInsidePictureFolder(image, song.artworkPath);
    if (!song.artworkSaved)
    {
        MusicInfo* info = Record(link, song.track);
        WriteUILog(QStringLiteral("pixmap.loadFromData Failed: PID:%1 picPath:%2")
                       .arg(info ? info->PersistentID : QString(), song.artworkPath));
    }
}

void CAnalyReport::ClearPullQueue()
{
    m_pullQueue.clear();
}

// ---------------------------------------------------------------------------------------------
// Category tree

void CAnalyReport::ReflashView(bool selectFirst)
{
    const bool hide = m_pArtworkList->count() > 0;
    if (hide)
        m_pArtworkList->hide();
    ReflashMusicNum(selectFirst);
    if (hide)
        m_pArtworkList->show();
}

void CAnalyReport::ShowEditorWith(int kind, CMusicObj* track)
{
    m_pModify->SetEditorHidden(false);
    m_pModify->setVisible(true);
    m_pModify->ShowTrack(kind, track);
    if (m_pModify->IsContentHidden())
        m_pModify->EditHide();
}

void CAnalyReport::ReflashMusicNum(bool selectFirst)
{
    WriteUILog(QStringLiteral("CAnalyReport::ReflashMusicNum"));
    disconnect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
    for (auto& entry : m_entries)
        DropBadge(entry.get());
    while (m_pTypeTree->topLevelItemCount() > 0)
        m_pTypeTree->takeTopLevelItem(0);

    for (auto& entry : m_entries)
    {
        int count = 0;
        switch (entry->GetCategory())
        {
        case ReportUnrecognized:
            count = m_pUnrecognizedTree->topLevelItemCount();
            break;
        case ReportArtwork:
            count = m_pArtworkList->count();
            break;
        case ReportArtist:
            count = m_pArtistTree->topLevelItemCount();
            break;
        case ReportAlbum:
            count = m_pAlbumTree->topLevelItemCount();
            break;
        case ReportMissingFile:
            count = m_pMissingTree->topLevelItemCount();
            break;
        }
        if (count <= 0)
            continue;
        auto* badge = new CQuantityWidget(count);
        entry->SetBadge(badge);
        entry->SetBadgePage(entry->GetBadgePage());
        if (entry->GetBadgePage() == 2)
            badge->SetSpinning(true);
        m_pTypeTree->addTopLevelItem(entry.get());
        m_pTypeTree->setItemWidget(entry.get(), 3, badge);
    }

    if (m_pTypeTree->topLevelItemCount() > 0)
    {
        auto* first = static_cast<CTypeTreeItem*>(m_pTypeTree->topLevelItem(0));
        if (first->GetBadge())
            first->GetBadge()->SetSelected(true);
        m_pTypeTree->setCurrentItem(first);
        ClickType(first, nullptr);
        if (selectFirst)
        {
            switch (first->GetCategory())
            {
            case ReportArtwork:
                if (auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(0)))
                {
                    m_pArtworkList->setCurrentItem(cell);
                    ShowEditorWith(cell->GetKind(), cell->GetMusicData());
                }
                break;
            case ReportMissingFile:
                m_pModify->HideModify();
                m_pModify->hide();
                break;
            default:
            {
                auto* tree = static_cast<QTreeWidget*>(m_pStack->currentWidget());
                if (auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(0)))
                {
                    tree->setCurrentItem(row);
                    ShowEditorWith(row->GetKind(), row->GetMusicData());
                }
                break;
            }
            }
        }
    }
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
}

void CAnalyReport::SendSummaryFor(CTypeTreeItem* entry)
{
    const ReportCategory category = entry->GetCategory();
    const int page = entry->GetBadgePage();
    int total = 0;
    if (page == 0 && category != ReportUnrecognized && m_pLink)
    {
        // Clean songs leave the indexable list after the analysis; every song was scanned.
        int largest = 0;
        total = std::max(m_pLink->GetMusicCount(&largest), largest);
    }
    auto send = [this](const QString& text, int number, int count, int code)
    { emit StartFixAll(text, QString::number(number), count, code); };
    // "n - fixed" never reads below 0, however the counts drifted.
    auto open = [](int rows, int fixed) { return std::max(0, rows - fixed); };
    switch (category)
    {
    case ReportUnrecognized:
    {
        const int fixed = m_pArtworkList->GetFixedCount() + m_pArtistTree->GetFixedCount() +
                          m_pMissingTree->GetFixedCount();
        const int n = m_pUnrecognizedTree->topLevelItemCount();
        send(CCountTexts::ScoreMessage(-11, fixed, n), fixed, n, -11);
        break;
    }
    case ReportArtwork:
    {
        const int n = m_pArtworkList->count();
        const int fixed = m_pArtworkList->GetFixedCount();
        if (page == 0)
            send(CCountTexts::ScoreMessage(-12, total, n), total, n, -12);
        else
            send(CCountTexts::ScoreMessage(-4, fixed, open(n, fixed)), fixed, open(n, fixed), -4);
        break;
    }
    case ReportArtist:
    {
        const int n = m_pArtistTree->topLevelItemCount();
        const int fixed = m_pArtistTree->GetFixedCount();
        if (page == 0)
            send(CCountTexts::ScoreMessage(-5, total, n), total, n, -5);
        else
            send(CCountTexts::ScoreMessage(-6, fixed, open(n, fixed)), fixed, open(n, fixed), -6);
        break;
    }
    case ReportAlbum:
    {
        const int n = m_pAlbumTree->topLevelItemCount();
        const int fixed = m_pAlbumTree->GetFixedCount();
        if (page == 0)
            send(CCountTexts::ScoreMessage(-7, total, n), total, n, -7);
        else
            send(CCountTexts::ScoreMessage(-8, fixed, open(n, fixed)), fixed, open(n, fixed), -8);
        break;
    }
    case ReportMissingFile:
    {
        const int n = m_pMissingTree->topLevelItemCount();
        if (page == 0)
            send(CCountTexts::ScoreMessage(-9, total, n), total, n, -9);
        else
            send(CCountTexts::ScoreMessage(-10, n, -1), n, -1, -10);
        break;
    }
    }
}

void CAnalyReport::ClickType(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    auto* entry = dynamic_cast<CTypeTreeItem*>(current);
    if (!entry)
        return;
    m_pStack->setCurrentIndex(PageOf(entry->GetCategory()));
    if (m_nRunState == 0)
        SendSummaryFor(entry);
    m_pStack->currentWidget()->update();
    if (entry->GetBadge())
        entry->GetBadge()->SetSelected(true);

    if (entry->GetCategory() == ReportArtwork)
    {
        QListWidgetItem* cell = m_pArtworkList->currentItem();
        if (cell)
            CurrentItemChanged(cell, nullptr);
        else if (m_pArtworkList->count() > 0)
            m_pArtworkList->setCurrentItem(m_pArtworkList->item(0));
    }
    else if (auto* tree = dynamic_cast<QTreeWidget*>(m_pStack->currentWidget()))
    {
        QTreeWidgetItem* row = tree->currentItem();
        if (row)
            CurrentItemChanged(row, nullptr);
        else if (tree->topLevelItemCount() > 0)
            tree->setCurrentItem(tree->topLevelItem(0));
    }
    if (auto* before = dynamic_cast<CTypeTreeItem*>(previous); before && before->GetBadge())
        before->GetBadge()->SetSelected(false);
}

void CAnalyReport::PauseFixView()
{
    SetRecognitionHold(true);
    m_pArtworkList->SetBusyAnimationRunning(false);
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        if ((c == ReportArtwork || c == ReportArtist || c == ReportAlbum) && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(false);
            entry->GetBadge()->SetPage(0);
        }
    }
}

void CAnalyReport::ResumeFixView()
{
    SetRecognitionHold(false);
    m_pArtworkList->SetBusyAnimationRunning(true);
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        if ((c == ReportArtwork || c == ReportArtist || c == ReportAlbum) && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(true);
            entry->GetBadge()->SetPage(2);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Checking, the current song, sorting and pictures

void CAnalyReport::WriteExclusion(CMusicObj* track, bool unchecked, int bit)
{
    if (!m_pLink || !track)
        return;
    const int word = m_pLink->GetMusicState(track);
    if (unchecked == bool(word & bit))
        return; // already as the user wants it: nothing to write
    m_pLink->SetMusicState(track, unchecked ? (word | bit) : (word & ~bit));
}

void CAnalyReport::ChangeChecked(QTreeWidgetItem* item, int column, int bit)
{
    if (column != 0)
        return;
    if (auto* row = dynamic_cast<CTreeItem*>(item))
        WriteExclusion(row->GetMusicData(), row->checkState(0) != Qt::Checked, bit);
}

void CAnalyReport::ArtworkChangeChecked(QListWidgetItem* item)
{
    if (auto* cell = dynamic_cast<CListItem*>(item))
        WriteExclusion(cell->GetMusicData(), cell->GetCheckState() != 2, kBitArtwork);
}

void CAnalyReport::ArtistChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, kBitArtist);
}

void CAnalyReport::AlbumChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, kBitAlbum);
}

void CAnalyReport::NotExistChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, kBitMissing);
}

void CAnalyReport::ArtworkUncheckedAll(int value)
{
    if (m_pLink)
        m_pLink->ChangeAllMusicState(kBitArtwork, value);
}

void CAnalyReport::ArtistUncheckedAll(int value)
{
    if (m_pLink)
        m_pLink->ChangeAllMusicState(kBitArtist, value);
}

void CAnalyReport::AlbumUncheckedAll(int value)
{
    if (m_pLink)
        m_pLink->ChangeAllMusicState(kBitAlbum, value);
}

void CAnalyReport::NotExistUncheckedAll(int value)
{
    if (m_pLink)
        m_pLink->ChangeAllMusicState(kBitMissing, value);
}

void CAnalyReport::CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    if (m_nRunState != 0 || m_nStop.load())
        return;
    if (auto* row = dynamic_cast<CTreeItem*>(current))
        m_pModify->ShowTrack(row->GetKind(), row->GetMusicData());
}

void CAnalyReport::CurrentItemChanged(QListWidgetItem* current, QListWidgetItem*)
{
    if (m_nRunState != 0 || m_nStop.load())
        return;
    if (auto* cell = dynamic_cast<CListItem*>(current))
        m_pModify->ShowTrack(cell->GetKind(), cell->GetMusicData());
}

void CAnalyReport::SortFailedTree(int column)
{
    if (column != 1)
        return;
    const bool ascending = m_pUnrecognizedTree->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    QList<QTreeWidgetItem*> taken;
    for (int i = m_pUnrecognizedTree->topLevelItemCount() - 1; i >= 0; --i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pUnrecognizedTree->topLevelItem(i));
        if (!row)
            continue;
        bool take = false;
        if (row->GetKind() & kBitArtwork)
        {
            const bool hasPath = m_pLink && !m_pLink->GetArtworkPath(row->GetMusicData()).isEmpty();
            take = (!hasPath && ascending) || (hasPath && !ascending);
        }
        else
        {
            take = !ascending;
        }
        if (take)
            taken.append(m_pUnrecognizedTree->takeTopLevelItem(i));
    }
    m_pUnrecognizedTree->addTopLevelItems(taken);
}

void CAnalyReport::ShowMaxPicture(QListWidgetItem* item)
{
    auto* cell = dynamic_cast<CListItem*>(item);
    if (!cell || !m_pLink)
        return;
    const QString path = m_pLink->GetArtworkPath(cell->GetMusicData());
    if (path.isEmpty())
        return;
    // The overlay is a window of its own, placed in screen coordinates: centred over the grid
    // (its top left corner when the grid is smaller), wherever the window and the splitter are.
    const int side = ScaledInt(376);
    const int dx = m_pArtworkList->width() > side ? (m_pArtworkList->width() - side) / 2 : 0;
    const int dy = m_pArtworkList->height() > side ? (m_pArtworkList->height() - side) / 2 : 0;
    m_pMaxPicture->setGeometry(QRect(m_pArtworkList->mapToGlobal(QPoint(dx, dy)), QSize(side, side)));
    DecodeMaxPicture(path);
    m_pMaxPicture->setWindowModality(Qt::ApplicationModal);
}

void CAnalyReport::DecodeMaxPicture(const QString& path)
{
    // A large picture takes a good part of a second to decode: on a pool thread, scaled there to
    // the overlay's size. The overlay shows once it arrives, unless another was asked for since.
    const quint64 request = ++m_uMaxPictureRequest;
    const int side = ScaledInt(300);
    QPointer<CAnalyReport> self(this);
    m_pThumbPool->start(
        [self, path, request, side]
        {
            QImage image = LoadAnyImage(path);
            if (!image.isNull())
                image = image.height() > image.width() ? image.scaledToHeight(side, Qt::SmoothTransformation)
                                                       : image.scaledToWidth(side, Qt::SmoothTransformation);
            QMetaObject::invokeMethod(
                qApp,
                [self, request, image]
                {
                    if (self && request == self->m_uMaxPictureRequest)
                        self->m_pMaxPicture->SetPicture(QPixmap::fromImage(image));
                },
                Qt::QueuedConnection);
        });
}

void CAnalyReport::SelectArtworkList(QListWidgetItem* item)
{
    auto* cell = dynamic_cast<CListItem*>(item);
    if (!cell || !cell->GetMusicData() || !m_pLink || !m_pArtworkPopup)
        return;
    CMusicObj* track = cell->GetMusicData();
    const int n = m_pLink->GetArtworkCount(track);
    QStringList candidates;
    for (int i = 0; i < n; ++i)
        candidates.append(m_pLink->GetArtworkCandidate(track, i));
    const int current = candidates.indexOf(m_pLink->GetArtworkPath(track));
    m_pArtworkPopup->SetArtworks(cell, current, candidates);

    const QRect visual = m_pArtworkList->visualItemRect(cell);
    const QPoint p = m_pArtworkList->viewport()->mapToGlobal(visual.bottomRight());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 0;
    const int w = m_pArtworkPopup->width();
    int shift = 0;
    if (screenWidth < p.x() + w / 2)
        shift = p.x() + w / 2 - screenWidth;
    else if (p.x() - w / 2 < 0)
        shift = p.x() - w / 2;
    // The visual rectangle is mapped through the list itself, so the category tree's width is
    // already in p; adding it again would put the pop-up past the cell.
    m_pArtworkPopup->move(p.x() - w / 2 - shift - 18, p.y() - 10);
    m_pArtworkPopup->SetUserValue(w / 2 + shift - 18);
    m_pArtworkPopup->show();
    m_pArtworkPopup->setFocus();
}

void CAnalyReport::OpenRepeatMusicPath(QTreeWidgetItem* row, int column)
{
    if (row && column == 6 && !row->text(6).isEmpty())
        ShowInFolder(row->text(6));
}

bool CAnalyReport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pMissingTree->viewport())
    {
        if (event->type() == QEvent::MouseMove)
        {
            const auto* move = static_cast<QMouseEvent*>(event);
            const QPoint pos = move->position().toPoint();
            QTreeWidgetItem* row = m_pMissingTree->itemAt(pos);
            const bool onLink = row && m_pMissingTree->columnAt(pos.x()) == 6 && !row->text(6).isEmpty();
            setCursor(onLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
        else if (event->type() == QEvent::Leave)
        {
            setCursor(Qt::ArrowCursor);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Summary and queries

int CAnalyReport::UpdateFixSummary()
{
    const int mask = m_nCategoryMask.load();
    int remaining = 0;
    remaining += std::max(0, m_pArtworkList->count() - m_pArtworkList->GetFixedCount());
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree, m_pMissingTree})
        remaining += std::max(0, tree->topLevelItemCount() - tree->GetFixedCount());
    for (int i = 0; i < m_pUnrecognizedTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pUnrecognizedTree->topLevelItem(i));
        MusicInfo* info = row ? Record(m_pLink, row->GetMusicData()) : nullptr;
        if (!info)
            continue;
        const int both = row->GetKind() & mask;
        if ((both & kBitTitle) && info->Name.isEmpty())
            ++remaining;
        if ((both & kBitArtist) && info->Artist.isEmpty())
            ++remaining;
        if ((both & kBitAlbum) && info->Album.isEmpty())
            ++remaining;
        if ((both & kBitArtwork) && m_pLink->GetArtworkPath(row->GetMusicData()).isEmpty())
            ++remaining;
    }
    const int fixedSongs = FixedSongs();
    const int fixedProblems = m_pArtworkList->GetFixedCount() + m_pArtistTree->GetFixedCount() +
                              m_pAlbumTree->GetFixedCount() + m_pMissingTree->GetFixedCount();
    emit ReportFixInfo(remaining, 10000);
    if (remaining <= 0)
    {
        emit EndFialedState(true);
        emit StartFixAll(tr("Congratulations, your music library is 100% cleaned!"), QStringLiteral("-1"), -1,
                         -1);
    }
    else
    {
        emit EndFialedState(false);
        emit StartFixAll(CCountTexts::FixResult(fixedSongs, fixedProblems, remaining),
                         QString::number(fixedSongs), fixedProblems, remaining);
    }
    return remaining;
}

int CAnalyReport::FixedSongs() const
{
    // A song counts once one of its rows or cells is fixed and it has no row left among the
    // Unrecognized Songs: songs that only moved there were fixed by nothing.
    int fixed = 0;
    for (auto it = m_trackRows.cbegin(); it != m_trackRows.cend(); ++it)
    {
        const TrackRows& rows = it.value();
        const bool any = (rows.cell && rows.cell->GetLoadState() == 2) ||
                         (rows.artist && rows.artist->GetFixState() == 2) ||
                         (rows.album && rows.album->GetFixState() == 2) ||
                         (rows.missing && rows.missing->GetFixState() == 2);
        if (any && !m_unrecognizedRows.contains(it.key()))
            ++fixed;
    }
    return fixed;
}

bool CAnalyReport::IsNeedFix()
{
    for (int i = 0; i < m_pArtworkList->count(); ++i)
    {
        if (auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i)); cell && cell->GetLoadState() == 0)
            return true;
    }
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
        {
            if (auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i)); row && row->GetFixState() == 0)
                return true;
        }
    }
    for (int i = 0; i < m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pMissingTree->topLevelItem(i));
        if (row && row->GetFixState() == 0 && row->checkState(0) == Qt::Checked)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Rows that leave their pages

void CAnalyReport::ForgetRow(CMusicObj* track, QTreeWidgetItem* row)
{
    auto it = m_trackRows.find(track);
    if (it == m_trackRows.end())
        return;
    TrackRows& rows = it.value();
    if (rows.artist == row)
        rows.artist = nullptr;
    if (rows.album == row)
        rows.album = nullptr;
    if (rows.missing == row)
        rows.missing = nullptr;
    if (!rows.cell && !rows.artist && !rows.album && !rows.missing)
        m_trackRows.erase(it);
}

void CAnalyReport::ForgetCell(CMusicObj* track, QListWidgetItem* cell)
{
    m_pArtworkList->ForgetCell(cell);
    auto it = m_trackRows.find(track);
    if (it == m_trackRows.end())
        return;
    if (it->cell == cell)
        it->cell = nullptr;
    if (!it->cell && !it->artist && !it->album && !it->missing)
        m_trackRows.erase(it);
}

void CAnalyReport::MoveFailedItem()
{
    WriteUILog(QStringLiteral("Enter MoveFailed Item"));
    if (m_nStop.load() || !m_pLink)
        return;
    m_pLink->SetTransaction(false);
    {
        const QSignalBlocker blocker(m_pArtworkList->model());
        for (int i = m_pArtworkList->count() - 1; i >= 0; --i)
        {
            auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i));
            if (cell && cell->GetLoadState() != 2)
            {
                m_pArtworkList->takeItem(i);
                ForgetCell(cell->GetMusicData(), cell);
                m_takenCells.append(cell);
            }
        }
    }
    m_pArtworkList->reset();
    if (m_nStop.load())
    {
        m_pLink->SetTransaction(true);
        return;
    }
    for (CListItem* cell : std::as_const(m_takenCells))
    {
        if (cell->GetMusicData())
            AddUnrecognizedTrack(cell->GetMusicData(), cell->GetKind(), cell->GetLoadState() == -1 ? 0 : 2);
    }
    if (!m_nStop.load())
    {
        RecheckFixedRows(m_pAlbumTree, 3);
        RecheckFixedRows(m_pArtistTree, 2);
    }
    m_pLink->SetTransaction(true);
}

void CAnalyReport::MoveFailedItemOK()
{
    WriteUILog(QStringLiteral("Enter MoveFailedItemOK"));
    qDeleteAll(m_takenCells);
    if (!m_takenCells.isEmpty() && m_pArtworkList->count() > 0)
        m_bUnapplied = true;
    m_takenCells.clear();
    if (!m_takenArtistRows.isEmpty() && m_pArtistTree->topLevelItemCount() > 0)
        m_bUnapplied = true;
    m_pRowReaper->Discard(std::exchange(m_takenArtistRows, {}));
    if (!m_takenAlbumRows.isEmpty() && m_pAlbumTree->topLevelItemCount() > 0)
        m_bUnapplied = true;
    m_pRowReaper->Discard(std::exchange(m_takenAlbumRows, {}));

    m_pUnrecognizedTree->setSortingEnabled(false);
    m_pUnrecognizedTree->setUpdatesEnabled(false);
    m_pUnrecognizedTree->invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> rows;
    for (auto it = m_unrecognizedRows.begin(); it != m_unrecognizedRows.end();)
    {
        CTreeItem* row = it.value();
        MusicInfo* info = Record(m_pLink, it.key());
        if (m_nStop.load() || !info)
        {
            // The entry goes with its row: nothing may read the row afterwards.
            delete row;
            it = m_unrecognizedRows.erase(it);
            continue;
        }
        SetUnrecognizedPicture(row, it.key(), true);
        rows.append(row);
        ++it;
    }
    m_pUnrecognizedTree->addTopLevelItems(rows);
    m_pUnrecognizedTree->setUpdatesEnabled(true);
    m_pUnrecognizedTree->setSortingEnabled(true);
    m_nAlbumStage = 3;
    m_nUnrecognizedStage = 0;

    ReflashView(true);
    UpdateFixSummary();
    emit ReportFixAllComplete();
    m_nRunState = 0;
    emit HideProcessing();
    WriteUILog(QStringLiteral("End MoveFailedItemOK()"));
}

void CAnalyReport::SetUnrecognizedPicture(CTreeItem* row, CMusicObj* track, bool failedWhenNoPath)
{
    if (!m_pLink)
    {
        row->setData(1, kThumbSerialRole, QVariant());
        row->setIcon(1, QIcon(FailedThumb()));
        return;
    }
    const quint64 serial = ++m_nThumbSerial;
    row->setData(1, kThumbSerialRole, serial);
    row->setIcon(1, QIcon(WaitingThumb()));
    CMusicLink* link = m_pLink;
    const int side = ThumbSide();
    const bool fromFile = !failedWhenNoPath || !(row->GetKind() & kBitArtwork);
    // Finding the picture may take it out of the audio file: a worker does that. The pool is
    // emptied and waited for before the page, its rows or the tracks go, so the job may use them;
    // what it finds comes back queued to the row that still asks for it.
    m_pThumbPool->start(
        [this, link, track, serial, side, fromFile]
        {
            if (m_nStop.load())
                return;
            const QString path = link->GetArtworkPath(track);
            QImage image;
            if (path.isEmpty() && fromFile)
            {
                image = QImage::fromData(link->GetArtworkData(track));
                if (!image.isNull())
                    image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            QMetaObject::invokeMethod(
                this,
                [this, track, serial, path, image]
                {
                    CTreeItem* row = m_unrecognizedRows.value(track);
                    if (!row || row->data(1, kThumbSerialRole).toULongLong() != serial)
                        return;
                    // A picture file is decoded and cached by the artwork grid's decoder.
                    if (!path.isEmpty())
                        RequestUnrecognizedThumb(row, track, path);
                    else
                        row->setIcon(1, QIcon(image.isNull() ? FailedThumb() : QPixmap::fromImage(image)));
                },
                Qt::QueuedConnection);
        });
}

void CAnalyReport::StopThumbJobs()
{
    if (m_pModify)
        m_pModify->WaitArtworkReads();
    if (!m_pThumbPool)
        return;
    m_pThumbPool->clear();
    m_pThumbPool->waitForDone();
}

void CAnalyReport::RequestUnrecognizedThumb(CTreeItem* row, CMusicObj* track, const QString& path)
{
    const quint64 serial = ++m_nThumbSerial;
    row->setData(1, kThumbSerialRole, serial);
    const QPixmap cached = m_pDelegate->CachedPicture(path, ThumbSide(), true);
    if (!cached.isNull())
    {
        row->setIcon(1, QIcon(cached));
        return;
    }
    row->setIcon(1, QIcon(WaitingThumb()));
    m_thumbWaits[path].append(ThumbWait{track, serial});
}

void CAnalyReport::UnrecognizedThumbReady(const QString& path, int side, bool stretch, const QPixmap& picture)
{
    if (!stretch) // a picture of the artwork grid
        return;
    const QList<ThumbWait> waits = m_thumbWaits.take(path);
    if (side != ThumbSide()) // asked before the scale changed: the rows are built again
        return;
    for (const ThumbWait& wait : waits)
    {
        // The row may have been deleted, moved, or asked again for another picture meanwhile:
        // only the row that still carries this request's serial takes the picture.
        CTreeItem* row = m_unrecognizedRows.value(wait.track);
        if (row && row->data(1, kThumbSerialRole).toULongLong() == wait.serial)
            row->setIcon(1, QIcon(picture.isNull() ? FailedThumb() : picture));
    }
}

void CAnalyReport::AddUnrecognizedTrack(CMusicObj* track, int kind, int checkState)
{
    if (!track || m_unrecognizedRows.contains(track))
        return;
    MusicInfo* info = Record(m_pLink, track);
    if (!info)
        return;
    auto* row = new CTreeItem();
    row->SetMusicData(track, kind);
    row->setCheckState(0, checkState == 2 ? Qt::Checked : Qt::Unchecked);
    row->setText(2, ScreenText(info->Name));
    row->setToolTip(2, ScreenText(info->Name));
    QString duration;
    FormatDuration(info->TotalTime, duration);
    row->setText(3, duration);
    row->setText(4, UnknownText(info->Artist, tr("Artist")));
    row->setText(5, UnknownText(info->Album, tr("Album")));
    row->SetLocation(info->Location);
    row->SetPersistentID(info->PersistentID);
    row->setSizeHint(0, QSize(ScaledInt(300), ScaledInt(40)));
    m_pUnrecognizedTree->addTopLevelItem(row);
    // Entered even after a stop, so the row is freed with the page and never leaks.
    m_unrecognizedRows.insert(track, row);
}

void CAnalyReport::RecheckFixedRows(CFailedTreeWidget* page, int which)
{
    if (!page)
        return;
    QList<CTreeItem*>& moved = which == 2 ? m_takenArtistRows : m_takenAlbumRows;
    {
        const QSignalBlocker modelBlock(page->model());
        const QSignalBlocker headerBlock(page->header());
        for (int i = page->topLevelItemCount() - 1; i >= 0 && m_nStop.load() == 0; --i)
        {
            auto* row = dynamic_cast<CTreeItem*>(page->topLevelItem(i));
            if (!row || !row->GetMusicData() || row->GetFixState() == 2)
                continue;
            bool move = true;
            if (m_pLink && m_pLink->GetInfoFixState(row->GetMusicData()) == 2)
            {
                MusicInfo* info = Record(m_pLink, row->GetMusicData());
                if (!info)
                    continue;
                const QString& field = which == 2 ? info->Artist : info->Album;
                if (!field.isEmpty())
                {
                    row->setText(0, UnknownText(info->Name, QString()));
                    row->setText(2, UnknownText(info->Artist, tr("Artist")));
                    row->setText(3, UnknownText(info->Album, tr("Album")));
                    row->SetFixState(2);
                    row->setIcon(5, CompleteIcon());
                    move = false;
                }
            }
            if (move)
            {
                page->takeTopLevelItem(i);
                ForgetRow(row->GetMusicData(), row);
                moved.append(row);
            }
        }
    }
    page->reset();
    for (CTreeItem* row : std::as_const(moved))
    {
        if (m_nStop.load())
            break;
        if (row->GetMusicData())
            AddUnrecognizedTrack(row->GetMusicData(), row->GetKind(), 2);
    }
}

void CAnalyReport::EditFixItem(void* handle)
{
    auto* track = static_cast<CMusicObj*>(handle);
    MusicInfo* info = Record(m_pLink, track);
    if (!info)
        return;
    const TrackRows rows = m_trackRows.value(track);
    if (rows.cell)
    {
        rows.cell->setText(ScreenText(info->Name));
        rows.cell->setToolTip(ScreenText(info->Name));
        const QString path = m_pLink->GetArtworkPath(track);
        if (!path.isEmpty())
        {
            // The edit may have written the new picture under the old name.
            m_pDelegate->ForgetPicture(path);
            rows.cell->SetArtworkPath(path);
        }
        const int count = m_pLink->GetArtworkCount(track);
        if (count > 0)
            rows.cell->SetArtworkCount(count);
        m_pArtworkList->viewport()->update();
    }
    for (CTreeItem* row : {rows.artist, rows.album})
    {
        if (!row)
            continue;
        row->setText(2, UnknownText(info->Artist, tr("Artist")));
        row->setText(3, UnknownText(info->Album, tr("Album")));
    }
    CTreeItem* row = m_unrecognizedRows.value(track);
    if (!row)
        return;
    row->SetFixState(2);
    if (CheckUnrecognizedRow(row))
    {
        m_nRunState = 1;
        const int index = m_pUnrecognizedTree->indexOfTopLevelItem(row);
        if (index >= 0)
            m_pUnrecognizedTree->takeTopLevelItem(index);
        delete row;
        ReflashView(false);
        UpdateFixSummary();
        emit ReportFixAllComplete();
        m_nRunState = 0;
        m_bUnapplied = true;
        return;
    }
    row->setText(2, ScreenText(info->Name));
    row->setToolTip(2, ScreenText(info->Name));
    row->setText(4, UnknownText(info->Artist, tr("Artist")));
    row->setText(5, UnknownText(info->Album, tr("Album")));
    SetUnrecognizedPicture(row, track, false);
}

bool CAnalyReport::CheckUnrecognizedRow(CTreeItem* row)
{
    if (!row || !row->GetMusicData())
        return false;
    CMusicObj* track = row->GetMusicData();
    const int state = row->GetFixState();
    row->SetFixState(0);
    row->setIcon(8, QIcon());
    if (state != 2)
        return false;
    MusicInfo* info = Record(m_pLink, track);
    if (!info)
        return false;
    const int mask = m_nCategoryMask.load();
    const QString path = m_pLink->GetArtworkPath(track);
    const bool unfixed = ((mask & kBitArtwork) && path.isEmpty() && (row->GetKind() & kBitArtwork)) ||
                         ((mask & kBitArtist) && info->Artist.isEmpty()) ||
                         ((mask & kBitAlbum) && info->Album.isEmpty());
    if (unfixed)
    {
        if (!path.isEmpty())
            RequestUnrecognizedThumb(row, track, path);
        return false;
    }
    if (m_pLink->GetMusicState(track) != 0)
        m_pLink->SetMusicState(track, 0);
    const int both = row->GetKind() & mask;
    const TrackRows rows = m_trackRows.value(track);
    if (both & kBitArtwork)
    {
        if (rows.cell)
        {
            rows.cell->setText(ScreenText(info->Name));
        }
        else if (CListItem* cell = AddArtworkCell(track, row->GetKind(), -1, nullptr))
        {
            cell->SetCheckState(2, false);
        }
    }
    auto updateOrAdd = [&](CTreeItem* existing, CFailedTreeWidget* tree, int mode)
    {
        if (existing)
        {
            existing->setText(0, ScreenText(info->Name));
            existing->setText(2, ScreenText(info->Artist));
            existing->setText(3, ScreenText(info->Album));
        }
        else
        {
            FillProblemTree(track, row->GetKind(), tree, mode, 2, -1, false);
        }
    };
    if (both & kBitArtist)
        updateOrAdd(rows.artist, m_pArtistTree, 2);
    if (both & kBitAlbum)
        updateOrAdd(rows.album, m_pAlbumTree, 3);
    m_unrecognizedRows.remove(track);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Fix runs

int CAnalyReport::SetFixMode(int mode)
{
    m_nFixAllStage = mode;
    if (CTypeTreeItem* entry = CategoryEntry(ReportArtwork); entry && entry->GetBadge())
    {
        if (mode == 1)
        {
            entry->SetBadgePage(2);
            entry->GetBadge()->SetSpinning(true);
        }
        else
        {
            entry->GetBadge()->SetSpinning(false);
        }
    }
    m_nDone = 0;
    m_nTotal = m_pullQueue.size();
    return m_nTotal;
}

void CAnalyReport::SetRunState(int state)
{
    m_nRunState = state;
    if (state != 1 && state != 2)
        return;
    const std::pair<int, ReportCategory> stages[] = {{m_nFixAllStage, ReportArtwork},
                                                     {m_nAlbumStage, ReportAlbum},
                                                     {m_nArtistStage, ReportArtist},
                                                     {m_nMissingStage, ReportMissingFile},
                                                     {m_nUnrecognizedStage, ReportUnrecognized}};
    for (const auto& [stage, category] : stages)
    {
        if (stage != 1)
            continue;
        if (CTypeTreeItem* entry = CategoryEntry(category); entry && entry->GetBadge())
            entry->GetBadge()->SetSpinning(state == 1);
    }
}

void CAnalyReport::StartFixFailed()
{
    WriteUILog(QStringLiteral("CAnalyReport::StartFixFailed();"));
    m_nUnrecognizedStage = 1;
    m_nRunState = 1;
    m_pModify->HideModify();
    StopPlay();
    m_nDone = 0;
    m_nTotal = m_pUnrecognizedTree->topLevelItemCount();
    for (int i = 0; i < m_pUnrecognizedTree->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* row = m_pUnrecognizedTree->topLevelItem(i);
        for (int c = 6; c <= 8; ++c)
            row->setIcon(c, QIcon());
    }
    if (CTypeTreeItem* entry = CategoryEntry(ReportUnrecognized); entry && entry->GetBadge())
    {
        entry->SetBadgePage(2);
        entry->GetBadge()->SetSpinning(true);
    }
    StartPull();
}

void CAnalyReport::StartPull()
{
    // No re-entry: the wait below runs the event loop.
    if (m_bInPull)
        return;
    m_bInPull = true;
    m_nArtistRemaining = m_pArtistTree->topLevelItemCount();
    m_nAlbumRemaining = m_pAlbumTree->topLevelItemCount();
    m_nArtworkRemaining = m_pArtworkList->count();
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            tree->topLevelItem(i)->setIcon(5, LoadingIcon());
    }
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        if ((c == ReportArtwork || c == ReportArtist || c == ReportAlbum) && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(true);
            entry->SetBadgePage(2);
        }
    }
    // Cleared before the wait, so a stop made during it is kept.
    m_bPullStop = false;
    WaitPullIdle();
    m_bInPull = false;
    if (m_bPullStop.load())
        return;
    // A run without entries completes at once instead of leaving the badges spinning.
    // Posted, so the caller finishes setting up its run before the end arrives.
    if (m_pullQueue.isEmpty())
    {
        QMetaObject::invokeMethod(
            this,
            [this]
            {
                if (!m_bPullStop.load())
                    emit PullCompleteSignal();
            },
            Qt::QueuedConnection);
        return;
    }
    AcrMediaInfoRunnable::ResetFinishedCount();
    m_doneIdentifies.clear();
    // Twenty thousand jobs made in one turn kept the GUI thread for the better part of a second:
    // they are made and queued a batch per turn, in the queue's order, well ahead of the pool.
    auto songs = std::make_shared<std::vector<std::pair<int, QString>>>();
    songs->reserve(static_cast<size_t>(m_pullQueue.size()));
    for (auto it = m_pullQueue.cbegin(); it != m_pullQueue.cend(); ++it)
        songs->emplace_back(it.key(), it.value());
    QueuePullJobs(songs, 0, ++m_uPullRun);
}

void CAnalyReport::QueuePullJobs(const std::shared_ptr<std::vector<std::pair<int, QString>>>& songs,
                                 size_t from, quint64 run)
{
    constexpr size_t kBatch = 200;
    const int total = static_cast<int>(songs->size());
    const QString pictures = PictureFolder();
    const size_t end = std::min(songs->size(), from + kBatch);
    for (size_t i = from; i < end && !m_bPullStop.load(); ++i)
    {
        const auto& [index, path] = (*songs)[i];
        auto* job = new AcrMediaInfoRunnable(index, path, total);
        job->SetOwner(this);
        job->SetArtworkTarget(ArtworkTarget(pictures, index));
        m_pPool->start(job, 0);
    }
    if (end < songs->size() && !m_bPullStop.load())
        QMetaObject::invokeMethod(
            this,
            [this, songs, end, run]
            {
                // A stop, or a later run, ends this one's queueing.
                if (run == m_uPullRun && !m_bPullStop.load())
                    QueuePullJobs(songs, end, run);
            },
            Qt::QueuedConnection);
}

void CAnalyReport::WaitPullIdle()
{
    while (m_pPool->activeThreadCount() > 0)
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        m_pPool->waitForDone(10);
    }
}

int CAnalyReport::RunningPullJobs() const
{
    return m_pPool->activeThreadCount();
}

bool CAnalyReport::WaitFixWrites(const std::function<bool()>& stopped) const
{
    return m_pWriter->WaitIdle(stopped);
}

void CAnalyReport::StopFixWrites()
{
    m_pWriter->Discard();
}

QString CAnalyReport::ArtworkTarget(const QString& folder, int identify) const
{
    MusicInfo* info = Record(m_pLink, m_identifyTracks.value(identify));
    const QString id = info ? info->PersistentID : QString::number(identify);
    // Named by the song's id, never by the answer's title: a title may hold "/" or "..".
    return folder + QLatin1Char('/') + SafeFileName(id) + QStringLiteral(".jpg");
}

void CAnalyReport::PullStartSlot(int identify)
{
    CMusicObj* track = m_identifyTracks.value(identify);
    const TrackRows rows = m_trackRows.value(track);
    if (rows.cell && rows.cell->GetUserValue() == identify)
        m_pArtworkList->SetRowBusy(rows.cell, true);
}

void CAnalyReport::PullSuccessSlot(const QMap<QString, QVariant>& answer)
{
    static const std::pair<const char*, int> kFields[] = {{"title", kBitTitle},
                                                          {"artist", kBitArtist},
                                                          {"album", kBitAlbum},
                                                          {"releaseDate", 0x4000000},
                                                          {"genre", 0x2000000}};
    int mask = 0;
    QStringList values;
    for (const auto& [key, bit] : kFields)
    {
        const QString value = answer.value(QString::fromLatin1(key)).toString();
        if (!value.isEmpty())
        {
            mask |= bit;
            values.append(value);
        }
    }
    const int identify = answer.value(QStringLiteral("identify"), -1).toInt();
    CMusicObj* track = m_identifyTracks.value(identify);
    // A song among the Unrecognized Songs has no row with its identify number any more; its
    // answer is written all the same, and the row is judged once the run's writes are done.
    CTreeItem* unrecognized = track ? m_unrecognizedRows.value(track) : nullptr;
    if (!track || (!m_trackRows.contains(track) && !unrecognized))
        return; // removed meanwhile
    const TrackRows rows = m_trackRows.value(track);

    // A job stored the cover already; an answer handed over otherwise brings its picture.
    const QString storedKey = QLatin1String(AcrMediaInfoRunnable::kStoredArtwork);
    const QString artworkPath =
        answer.contains(storedKey)
            ? answer.value(storedKey).toString()
            : StoreAnswerArtwork(answer.value(QStringLiteral("imageBuffer")).toByteArray(),
                                 ArtworkTarget(PictureFolder(), identify));
    if (!artworkPath.isEmpty())
    {
        mask |= kBitArtwork;
        values.append(artworkPath);
    }

    const QString title = answer.value(QStringLiteral("title")).toString();
    const QString artist = answer.value(QStringLiteral("artist")).toString();
    const QString album = answer.value(QStringLiteral("album")).toString();
    bool matched = false;
    auto fixRow = [&](CTreeItem* row, CFailedTreeWidget* tree, int& remaining, const QString& field)
    {
        if (!row || row->GetUserValue() != identify)
            return;
        matched = true;
        row->setText(0, title.isEmpty() ? row->text(0) : ScreenText(title));
        if (!artist.isEmpty())
            row->setText(2, ScreenText(artist));
        if (!album.isEmpty())
            row->setText(3, ScreenText(album));
        const bool wasFixed = row->GetFixState() == 2;
        if (field.isEmpty())
        {
            // The answer lacks what this page is about: not fixed by it (a row fixed before
            // stays fixed).
            if (!wasFixed)
            {
                row->setIcon(5, FailedIcon());
                row->SetFixState(-2);
            }
        }
        else
        {
            row->setIcon(5, CompleteIcon());
            row->SetFixState(2);
            if (!wasFixed)
                tree->SetFixedCount(tree->GetFixedCount() + 1);
        }
        remaining = std::max(0, remaining - 1);
    };
    fixRow(rows.artist, m_pArtistTree, m_nArtistRemaining, artist);
    fixRow(rows.album, m_pAlbumTree, m_nAlbumRemaining, album);
    if (rows.cell && rows.cell->GetUserValue() == identify)
    {
        matched = true;
        m_pArtworkList->SetRowBusy(rows.cell, false);
        if (!artworkPath.isEmpty())
        {
            const bool wasFixed = rows.cell->GetLoadState() == 2;
            rows.cell->SetArtworkPath(artworkPath);
            rows.cell->SetArtworkState(2, false);
            rows.cell->SetLoadState(2);
            if (!wasFixed)
                m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
        }
        else
        {
            rows.cell->SetArtworkState(3, false);
            rows.cell->SetLoadState(-2);
        }
        m_nArtworkRemaining = std::max(0, m_nArtworkRemaining - 1);
        m_pArtworkList->viewport()->update();
    }
    if (unrecognized && mask)
    {
        matched = true;
        unrecognized->SetFixState(2);
    }
    if (!matched)
        return;
    // Stored answers are fixes still to be written: leaving asks about them even when every
    // song of the run was identified and nothing moved to Unrecognized Songs. The library write
    // runs on the writer thread.
    if (mask && m_pLink)
    {
        m_bUnapplied = true;
        m_pWriter->Modify(track, mask, values);
    }
    // A second answer for the same song is not counted again.
    if (m_doneIdentifies.contains(identify))
        return;
    m_doneIdentifies.insert(identify);
    ++m_nDone;
    emit ReportFixInfo(-1, m_nTotal > 0 ? std::min(10000, m_nDone * 10000 / m_nTotal) : 10000);
}

void CAnalyReport::PullFailSlot(int identify)
{
    CMusicObj* track = m_identifyTracks.value(identify);
    if (!track)
        return;
    const TrackRows rows = m_trackRows.value(track);
    if (rows.artist && rows.artist->GetUserValue() == identify)
    {
        rows.artist->setIcon(5, FailedIcon());
        rows.artist->SetFixState(-2);
        m_nArtistRemaining = std::max(0, m_nArtistRemaining - 1);
    }
    if (rows.album && rows.album->GetUserValue() == identify)
    {
        rows.album->setIcon(5, FailedIcon());
        rows.album->SetFixState(-2);
        m_nAlbumRemaining = std::max(0, m_nAlbumRemaining - 1);
    }
    if (rows.cell && rows.cell->GetUserValue() == identify)
    {
        rows.cell->SetArtworkState(3, false);
        rows.cell->SetLoadState(-2);
        m_pArtworkList->SetRowBusy(rows.cell, false);
        m_nArtworkRemaining = std::max(0, m_nArtworkRemaining - 1);
    }
}

void CAnalyReport::PullCompleteSlot()
{
    // The run ends behind its writes: the moves and the new score read what they wrote.
    if (!m_pWriter->IsIdle())
    {
        m_pWriter->Then(
            [this, generation = m_uFixGeneration]
            {
                if (generation == m_uFixGeneration && !m_bPullStop.load())
                    FinishPull();
            });
        return;
    }
    FinishPull();
}

void CAnalyReport::FinishPull()
{
    for (auto& entry : m_entries)
    {
        CQuantityWidget* badge = entry->GetBadge();
        if (!badge)
            continue;
        switch (entry->GetCategory())
        {
        case ReportUnrecognized:
            badge->SetSpinning(false);
            entry->SetBadgePage(m_pUnrecognizedTree->topLevelItemCount() == 0 ? 1 : 0);
            break;
        case ReportArtwork:
        case ReportArtist:
        case ReportAlbum:
        {
            const int remaining = entry->GetCategory() == ReportArtwork  ? m_nArtworkRemaining
                                  : entry->GetCategory() == ReportArtist ? m_nArtistRemaining
                                                                         : m_nAlbumRemaining;
            if (remaining == 0)
            {
                badge->SetSpinning(false);
                entry->SetBadgePage(1);
            }
            break;
        }
        default:
            break;
        }
    }
    RecheckAnsweredUnrecognized();
    // Songs that stayed unrecognised move to their own page in one pass per list: taking rows out
    // one by one costs the whole list each time, which froze the window for a large run. Every
    // row comes out at once and those that stay go back in one call, in their order.
    m_pUnrecognizedTree->setSortingEnabled(false);
    m_pUnrecognizedTree->setUpdatesEnabled(false);
    const auto moves = [](const CTreeItem* row)
    { return row && row->GetFixState() == -2 && row->GetMusicData(); };
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        bool any = false;
        for (int i = 0, n = tree->topLevelItemCount(); i < n && !any; ++i)
            any = moves(dynamic_cast<CTreeItem*>(tree->topLevelItem(i)));
        if (!any)
            continue;
        const bool sorted = tree->isSortingEnabled();
        tree->setSortingEnabled(false);
        tree->setUpdatesEnabled(false);
        const QList<QTreeWidgetItem*> all = tree->invisibleRootItem()->takeChildren();
        QList<QTreeWidgetItem*> stay;
        QList<QTreeWidgetItem*> gone;
        stay.reserve(all.size());
        for (auto it = all.crbegin(); it != all.crend(); ++it)
        {
            auto* row = dynamic_cast<CTreeItem*>(*it);
            if (!moves(row))
            {
                stay.prepend(*it);
                continue;
            }
            AddUnrecognizedTrack(row->GetMusicData(), row->GetKind(), 2);
            ForgetRow(row->GetMusicData(), row);
            gone.append(row);
        }
        m_pRowReaper->Discard(gone);
        tree->addTopLevelItems(stay);
        tree->setSortingEnabled(sorted);
        tree->setUpdatesEnabled(true);
    }
    bool anyCell = false;
    for (int i = 0, n = m_pArtworkList->count(); i < n && !anyCell; ++i)
    {
        const auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i));
        anyCell = cell && cell->GetLoadState() == -2 && cell->GetMusicData();
    }
    if (anyCell)
    {
        m_pArtworkList->setUpdatesEnabled(false);
        // Taken from the end, each take is cheap; the cells that stay go back in their order.
        QList<QListWidgetItem*> stay;
        stay.reserve(m_pArtworkList->count());
        for (int i = m_pArtworkList->count() - 1; i >= 0; --i)
        {
            QListWidgetItem* item = m_pArtworkList->takeItem(i);
            auto* cell = dynamic_cast<CListItem*>(item);
            if (!cell || cell->GetLoadState() != -2 || !cell->GetMusicData())
            {
                stay.append(item);
                continue;
            }
            AddUnrecognizedTrack(cell->GetMusicData(), cell->GetKind(), 2);
            ForgetCell(cell->GetMusicData(), cell);
            delete cell;
        }
        for (auto it = stay.crbegin(); it != stay.crend(); ++it)
            m_pArtworkList->addItem(*it);
        m_pArtworkList->setUpdatesEnabled(true);
    }
    emit ShowProcessingFailed();
    MoveFailedItem();
    MoveFailedItemOK();
}

void CAnalyReport::RecheckAnsweredUnrecognized()
{
    // The answers are in the library now: a song they fixed leaves the Unrecognized Songs for the
    // pages of its problems; one still lacking something shows what it got.
    const QList<CMusicObj*> tracks = m_unrecognizedRows.keys();
    for (CMusicObj* track : tracks)
    {
        CTreeItem* row = m_unrecognizedRows.value(track);
        if (!row || row->GetFixState() != 2)
            continue;
        if (CheckUnrecognizedRow(row))
        {
            const int index = m_pUnrecognizedTree->indexOfTopLevelItem(row);
            if (index >= 0)
                m_pUnrecognizedTree->takeTopLevelItem(index);
            delete row;
            continue;
        }
        if (MusicInfo* info = Record(m_pLink, track))
        {
            row->setText(2, info->Name);
            row->setToolTip(2, info->Name);
            row->setText(4, UnknownText(info->Artist, tr("Artist")));
            row->setText(5, UnknownText(info->Album, tr("Album")));
        }
    }
}

void CAnalyReport::AcceptFixResult(void* handle, int, int, int infoFixState)
{
    auto* track = static_cast<CMusicObj*>(handle);
    if (!track || !m_trackRows.contains(track))
        return;
    if (infoFixState == 2)
        EditFixItem(track);
    emit ReportFixInfo(-1, m_nTotal > 0 ? std::min(10000, m_nDone * 10000 / m_nTotal) : 10000);
}

// ---------------------------------------------------------------------------------------------
// Apply, pause, stop and reset

void CAnalyReport::SetPauseState(int type, bool wake)
{
    if (type == 2)
        SetApplyPause(true);
    else if (type == 1 && wake && g_iApplyPause.load() == 1)
        SetApplyPause(false);
}

QVector<CMusicObj*> CAnalyReport::PrepareApply()
{
    // Pending edits of the editor go to the library before anything is written.
    if (!m_pModify->IsContentHidden())
        emit EditInfoHide();
    // Songs whose file is gone and that the user left checked go from iTunes; rows already
    // handled (a previous apply) are not removed twice.
    QVector<CMusicObj*> missing;
    for (int i = 0; i < m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pMissingTree->topLevelItem(i));
        if (row && row->GetMusicData() && row->checkState(0) == Qt::Checked && row->GetFixState() != 2)
            missing.append(row->GetMusicData());
    }
    QMutexLocker lock(&m_applyMutex);
    m_applyMissing = missing;
    m_bApplyPrepared = true;
    return missing;
}

void CAnalyReport::AppleyiTunes()
{
    WriteUILog(QStringLiteral("Start AppleiTunes"));
    if (!m_pLink)
        return;
    QVector<CMusicObj*> missing;
    bool prepared = false;
    {
        QMutexLocker lock(&m_applyMutex);
        prepared = m_bApplyPrepared;
        missing = m_applyMissing;
        m_bApplyPrepared = false;
        m_applyMissing.clear();
    }
    if (!prepared)
    {
        if (QThread::currentThread() == thread())
        {
            missing = PrepareApply();
            QMutexLocker lock(&m_applyMutex);
            m_bApplyPrepared = false;
        }
        else
        {
            // The rows belong to the GUI thread: ask it, and wait without ever blocking a stop
            // (the GUI thread may be joining this one after setting the stop word).
            struct Handover
            {
                QMutex mutex;
                QWaitCondition ready;
                bool done = false;
                QVector<CMusicObj*> tracks;
            };
            auto handover = std::make_shared<Handover>();
            QMetaObject::invokeMethod(
                this,
                [this, handover]
                {
                    QVector<CMusicObj*> tracks = PrepareApply();
                    {
                        QMutexLocker own(&m_applyMutex);
                        m_bApplyPrepared = false;
                    }
                    QMutexLocker lock(&handover->mutex);
                    handover->tracks = tracks;
                    handover->done = true;
                    handover->ready.wakeAll();
                },
                Qt::QueuedConnection);
            QMutexLocker lock(&handover->mutex);
            while (!handover->done)
            {
                if (m_nStop.load())
                {
                    WriteUILog(QStringLiteral("Stop AppleiTunes"));
                    return;
                }
                ConditionWait(handover->ready, handover->mutex, QDeadlineTimer(50));
            }
            missing = handover->tracks;
        }
    }

    // The answers handed over so far are in the library before it is applied.
    if (!m_pWriter->WaitIdle([this] { return m_nStop.load() != 0; }))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }
    m_bUnapplied = false;
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures.clear();
    }
    CAppSettings* settings = GetAppSettings();
    const int replace = settings ? settings->GetReplace() : 0;
    const int replaceMask = (replace & 0x80000) ? replace : 0;
    bool failed = false;
    bool stopped = false;
    auto pausedOrStopped = [this]
    {
        // Waits while paused (in a loop: a spurious wake-up resumes nothing); true on a stop.
        return !WaitWhileApplyPaused([this] { return m_nStop.load() != 0; }) || m_nStop.load() != 0;
    };

    // The titles of the songs whose write failed, for the user; 0 (nothing to write) is no failure.
    QStringList failedSongs;
    auto noteFailure = [&](CMusicObj* track)
    {
        failed = true;
        MusicInfo* info = Record(m_pLink, track);
        const QString title = info ? (info->Name.isEmpty() ? info->Location : info->Name) : QString();
        WriteUILog(QStringLiteral("AppleiTunes: the write of %1 failed").arg(info ? info->Location : title));
        if (!title.isEmpty())
            failedSongs.append(title);
    };

    m_pLink->SetTransaction(false);
    const int n = m_pLink->GetMusicCount();
    for (int i = 0; i < n && !stopped; ++i)
    {
        if (pausedOrStopped())
        {
            stopped = true;
            break;
        }
        const int written = m_pLink->ApplyMusicFixes(i, replaceMask);
        if (written != 0 && written != 1)
        {
            CMusicObj* track = nullptr;
            m_pLink->GetMusicObj(i, &track);
            noteFailure(track);
        }
        emit UpdateProcess((i + 1) * 10000 / n);
    }
    // One pass after the songs: the checked songs whose file is gone leave iTunes once.
    QVector<CMusicObj*> removed;
    for (CMusicObj* track : std::as_const(missing))
    {
        if (stopped || pausedOrStopped())
        {
            stopped = true;
            break;
        }
        if (m_pLink->ApplyiTunesMusicInfo(track, 0x10000) < 0)
            noteFailure(track);
        else
            removed.append(track);
    }
    m_pLink->SetTransaction(true);
    if (failed || stopped)
        m_bUnapplied = true; // what was not written must not be lost at close
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures = failedSongs;
    }
    if (!stopped)
        emit UpdateProcess(10000);
    QMetaObject::invokeMethod(
        this,
        [this, removed, stopped]
        {
            for (CMusicObj* track : removed)
            {
                CTreeItem* row = m_trackRows.value(track).missing;
                if (row && row->GetFixState() != 2)
                {
                    row->SetFixState(2);
                    row->setIcon(5, CompleteIcon());
                    m_pMissingTree->SetFixedCount(m_pMissingTree->GetFixedCount() + 1);
                }
            }
            if (!stopped && m_nRunState == 0)
                UpdateFixSummary();
        },
        Qt::QueuedConnection);
    WriteUILog(QStringLiteral("Stop AppleiTunes"));
    qDebug() << "------::AppleyiTunes end";
}

QStringList CAnalyReport::ApplyFailures() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyFailures;
}

void CAnalyReport::StopPlay()
{
    m_pModify->HideModify();
    m_pModify->SetEditorHidden(true);
}

int CAnalyReport::OnPlayEvent(const int* eventRecord, CMusicLink* link)
{
    if (eventRecord && link && eventRecord[0] == 0 && (eventRecord[1] == 5 || eventRecord[1] == 7))
        link->EmitPlayState(10000, 2, 0);
    return 0;
}

void CAnalyReport::PlayOver()
{
    // The report page keeps no preview of its own; the tag editor's label plays and stops itself.
}

void CAnalyReport::StopAllWork()
{
    m_bPullStop = true;
    {
        QMutexLocker lock(&m_pendingMutex);
        m_pending.clear();
        m_preparedArtwork.clear();
    }
    StopThumbJobs();
    SetRecognitionHold(false);
    AcrMediaInfoRunnable::ResetFinishedCount();
    // Jobs must not reach the rows that are about to go: queued ones return at once, running
    // ones end their wait on the flag. Writes not begun are dropped with them.
    WaitPullIdle();
    StopFixWrites();
    StopPlay();
    ClearReport();
}

void CAnalyReport::ClearReport()
{
    ++m_uFixGeneration;
    StopThumbJobs();
    m_nDone = 0;
    m_nTotal = 0;
    m_nProblemTotal = 0;
    m_bUnapplied = false;
    m_nFixAllStage = m_nAlbumStage = m_nArtistStage = m_nMissingStage = m_nUnrecognizedStage = 0;
    m_nRunState = 0;
    m_nArtworkRemaining = m_nArtistRemaining = m_nAlbumRemaining = 0;

    disconnect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
    for (auto& entry : m_entries)
    {
        DropBadge(entry.get());
        entry->SetBadgePage(0);
    }
    while (m_pTypeTree->topLevelItemCount() > 0)
        m_pTypeTree->takeTopLevelItem(0);
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);

    m_pArtworkList->ClearBusyLabels();
    m_pArtworkList->clear();
    m_pArtworkList->SetFixedCount(0);
    m_pDelegate->ClearCache();
    // The rows leave their trees at once; deleting them goes a batch per event-loop turn.
    for (CFailedTreeWidget* tree : {m_pUnrecognizedTree, m_pAlbumTree, m_pArtistTree, m_pMissingTree})
    {
        m_pRowReaper->Discard(tree->invisibleRootItem()->takeChildren());
        tree->SetFixedCount(0);
    }
    qDeleteAll(m_takenCells);
    m_takenCells.clear();
    m_pRowReaper->Discard(std::exchange(m_takenArtistRows, {}));
    m_pRowReaper->Discard(std::exchange(m_takenAlbumRows, {}));
    m_trackRows.clear();
    m_identifyTracks.clear();
    m_unrecognizedRows.clear();
}
