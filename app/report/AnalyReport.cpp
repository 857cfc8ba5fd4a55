// The report page: construction and layout. The page's other work is in AnalyReport*.cpp beside it.
#include "AnalyReport.h"

#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ArtworkList.h"
#include "CMusicLink.h"
#include "CShowMaxPicture.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "GeneralUtils.h"
#include "ListDelegate.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicObj.h"
#include "QuantityWidget.h"
#include "ReportApply.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "StyleTemplates.h"
#include "TreeItem.h"

#include <QHeaderView>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyleOption>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>

using report_detail::Shown;

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
    // A page of a few hundred thousand rows would take the GUI thread for a second to free.
    ReleaseRows();
    FreeOffGuiThread(m_pullQueue);
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

void CAnalyReport::FitBadgeColumn()
{
    m_pTypeTree->ensurePolished();
    int width = ScaledInt(30);
    for (const auto& entry : m_entries)
    {
        if (entry->GetBadge() && entry->treeWidget() == m_pTypeTree)
            width = qMax(width, entry->GetBadge()->sizeHint().width());
    }
    m_pTypeTree->setColumnWidth(3, width);
    // The titles keep their room beside the wider badges: the tree grows as far as the
    // splitter lets it.
    int title = 0;
    for (const auto& entry : m_entries)
        title = qMax(title, m_pTypeTree->fontMetrics().horizontalAdvance(entry->text(2)));
    const int margin = 2 * m_pTypeTree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + ScaledInt(4);
    const int needed = m_pTypeTree->columnWidth(0) + m_pTypeTree->columnWidth(1) + title + margin + width +
                       2 * m_pTypeTree->frameWidth();
    m_pTypeTree->setMinimumWidth(qBound(ScaledInt(280), needed, ScaledInt(350)));
}

void CAnalyReport::Build()
{
    m_pApply = std::make_unique<CReportApply>(static_cast<IReportApplyHost&>(*this), *this);
    m_pPool = std::make_unique<QThreadPool>();
    m_pPool->setMaxThreadCount(10);
    m_pRowReaper = new CRowReaper(this);
    m_pThumbPool = std::make_unique<QThreadPool>();
    m_pThumbPool->setMaxThreadCount(2);
    m_pWriter = new CFixWriter(this);

    BuildCategoryTree();

    m_pRight = new QWidget(m_pSplitter);
    m_pStack = new QStackedWidget(m_pRight);
    m_pStack->setFocusPolicy(Qt::ClickFocus);
    m_pStack->setMinimumWidth(ScaledInt(400));

    BuildArtworkList();
    BuildProblemTrees();
    BuildUnrecognizedTree();
    connect(m_pArtworkList, &QListWidget::currentItemChanged, this,
            qOverload<QListWidgetItem*, QListWidgetItem*>(&CAnalyReport::CurrentItemChanged));
    for (QTreeWidget* tree :
         {static_cast<QTreeWidget*>(m_pAlbumTree), static_cast<QTreeWidget*>(m_pArtistTree),
          static_cast<QTreeWidget*>(m_pUnrecognizedTree)})
        connect(tree, &QTreeWidget::currentItemChanged, this,
                qOverload<QTreeWidgetItem*, QTreeWidgetItem*>(&CAnalyReport::CurrentItemChanged));

    BuildEditor();
    LayOutPages();

    loadLanguage();

    connect(this, &CAnalyReport::PullSuccessSignal, this, &CAnalyReport::PullSuccessSlot);
    connect(this, &CAnalyReport::PullStartSignal, this, &CAnalyReport::PullStartSlot);
    connect(this, &CAnalyReport::PullCompleteSignal, this, &CAnalyReport::PullCompleteSlot);
    if (CAppSettings* settings = GetAppSettings())
        CreateDirPath(settings->GetDataFolder() + QStringLiteral("/pmi"));
}

// The splitter, and on its left the tree of the five categories with their badges.
void CAnalyReport::BuildCategoryTree()
{
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
    // the tree's edge instead of reaching past it; the badge column grows with its widest badge.
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
    FitBadgeColumn();
    m_pTypeTree->setCurrentItem(m_entries[1].get());
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
}

// The artwork grid of Songs Without Album Artwork.
void CAnalyReport::BuildArtworkList()
{
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
    // The cells wrap at any width, so there is nothing to scroll sideways; until a narrowed grid
    // is laid out again its old width would show a bar over the last row's titles.
    m_pArtworkList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
}

// The pages of Songs Without Album, Without Artist and Without Original Files.
void CAnalyReport::BuildProblemTrees()
{
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
        tree->setIconSize(QSize(ScaledInt(16), ScaledInt(16)));
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
}

// The song list of Unrecognized Songs; a click on a heading sorts it.
void CAnalyReport::BuildUnrecognizedTree()
{
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
}

// The tag editor under the pages.
void CAnalyReport::BuildEditor()
{
    m_pModify = new CModifyMusicInfo(m_pRight);
    m_pModify->setObjectName(QStringLiteral("ModifyMusicinfo"));
    m_pModify->setContentsMargins(0, 0, 0, 0);
    m_pModify->SetMusicLink(nullptr, m_pWriter);
    m_pModify->hide();
    connect(m_pModify, &CModifyMusicInfo::SendEditItem, this, &CAnalyReport::EditFixItem);
    // Every edit saved is a fix still to apply, Year and Genre alone included.
    connect(m_pModify, &CModifyMusicInfo::EditSaved, this,
            [this]
            {
                m_bUnapplied = true;
                emit ResultChanged();
            });
    connect(this, &CAnalyReport::EditInfoHide, m_pModify, &CModifyMusicInfo::EditHide);
}

// The pages in their stack, the editor under them, the tree and the pages side by side.
void CAnalyReport::LayOutPages()
{
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
    FitBadgeColumn();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pSplitter);

    m_pMaxPicture = new CShowMaxPicture(m_pArtworkList);
    m_pMaxPicture->hide();
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
    m_pModify->SetMusicLink(link, m_pWriter);
    setFocusPolicy(Qt::ClickFocus);
    if (link)
        connect(link, &CMusicLink::SendPlayOver, this, &CAnalyReport::PlayOver, Qt::UniqueConnection);
    if (!m_pArtworkPopup)
    {
        m_pArtworkPopup = new CArtworkList(m_pWriter, m_pArtworkList, Qt::Popup);
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
    FitBadgeColumn();
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
            const std::optional<MusicInfo> info = row ? Shown(m_pLink, row->GetMusicData()) : std::nullopt;
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
    m_pModify->SetEmptyTexts(UnknownText(QString(), artistWord), UnknownText(QString(), albumWord));
}
