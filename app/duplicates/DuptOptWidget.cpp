#include "DuptOptWidget.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioTypes.h"
#include "FileDialogs.h"
#include "LanguageDirection.h"
#include "NativePath.h"
#include "OwnDirectionDelegate.h"
#include "RegularFile.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStandardPaths>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <unordered_set>

namespace
{

const QString kEmptyLook = QStringLiteral("QTreeWidget#DuptOptDragTree{border-image: "
                                          "url(:/res/res/win/label/dragmusic.png);}"
                                          "QTreeView#DuptOptDragTree::branch{image: none;}");
const QString kFilledLook = QStringLiteral("QTreeWidget#DuptOptDragTree{border-image: none;}"
                                           "QTreeView#DuptOptDragTree::branch{image: none;}");

// The name shown for a path: the text after its last separator, or the whole path.
QString ShownName(const QString& path)
{
    const int slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.mid(slash + 1);
}

// The tool bar's icon at picture size with room clear on each side of it: the style leaves only
// 4 px between an icon and the text beside it, whatever the scale, and the pictures reach their
// edges. Each side, so the text keeps its distance in either direction.
QIcon SpacedIcon(const QIcon& icon, const QSize& picture, int room)
{
    QIcon spaced;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
    {
        const QPixmap drawn = icon.pixmap(picture, 1.0, mode, QIcon::On);
        QPixmap wide(picture.width() + 2 * room, picture.height());
        wide.fill(Qt::transparent);
        QPainter painter(&wide);
        painter.drawPixmap(room + (picture.width() - drawn.width()) / 2,
                           (picture.height() - drawn.height()) / 2, drawn);
        painter.end();
        spaced.addPixmap(wide, mode, QIcon::On);
    }
    return spaced;
}

} // namespace

CDuptOptWidget::CDuptOptWidget(QWidget* parent) : QWidget(parent)
{
    m_pTree = new QTreeWidget(this);
    // File and folder names keep their own direction; paths read left to right.
    m_pTree->setItemDelegate(new COwnDirectionDelegate(m_pTree));
    m_pTree->setObjectName(QStringLiteral("DuptOptDragTree"));
    m_pTree->setStyleSheet(kEmptyLook);
    m_pTree->setColumnCount(3);
    m_pTree->setFocusPolicy(Qt::NoFocus);
    m_pTree->setFrameShape(QFrame::NoFrame);
    m_pTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTree->setAlternatingRowColors(true);
    m_pTree->setUniformRowHeights(true);
    // Icons follow the scale like the text beside them.
    m_pTree->setIconSize(QSize(ScaledInt(16), ScaledInt(16)));
    QHeaderView* header = m_pTree->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    m_pTree->setColumnWidth(0, ScaledInt(200));
    m_pTree->setColumnWidth(1, ScaledInt(350));
    m_pTree->setColumnWidth(2, ScaledInt(120));
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->setSectionResizeMode(2, QHeaderView::Fixed);
    m_pTree->setSortingEnabled(true);
    m_pTree->sortByColumn(0, Qt::AscendingOrder);
    // Drops land on this widget, not on the tree's viewport.
    m_pTree->setAcceptDrops(false);
    m_pTree->viewport()->setAcceptDrops(false);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("DuptOptToolBar"));
    toolBar->setContentsMargins(0, 0, 0, 0);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const QSize picture(ScaledInt(24), ScaledInt(24));
    const int room = ScaledInt(5);
    toolBar->setIconSize(QSize(picture.width() + 2 * room, picture.height()));
    m_pScaniTunes = new QAction(this);
    m_pAdd = new QAction(this);
    m_pDelete = new QAction(this);
    if (g_iconSetting)
        m_pScaniTunes->setIcon(SpacedIcon(*g_iconSetting, picture, room));
    if (g_iconAdd)
        m_pAdd->setIcon(SpacedIcon(*g_iconAdd, picture, room));
    if (g_iconDelete)
        m_pDelete->setIcon(SpacedIcon(*g_iconDelete, picture, room));
    toolBar->addAction(m_pScaniTunes);
    toolBar->addAction(m_pAdd);
    toolBar->addAction(m_pDelete);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pTree);
    layout->addWidget(toolBar);
    setAcceptDrops(true);

    loadLanguage();
    connect(m_pScaniTunes, &QAction::triggered, this, &CDuptOptWidget::ScaniTunes);
    connect(m_pAdd, &QAction::triggered, this, &CDuptOptWidget::AddFolders);
    connect(m_pDelete, &QAction::triggered, this, &CDuptOptWidget::DelFolders);
}

void CDuptOptWidget::loadLanguage()
{
    m_pTree->setHeaderLabels({tr("    Name"), tr("Path"), tr("File Size")});
    // The size column is at least as wide as its heading in the current language.
    m_pTree->setColumnWidth(2, std::max(ScaledInt(120), m_pTree->header()->sectionSizeHint(2)));
    m_pScaniTunes->setText(tr("Scan iTunes"));
    m_pAdd->setText(tr("Add"));
    m_pDelete->setText(tr("Delete"));
}

void CDuptOptWidget::SetEmptyLook(bool empty)
{
    m_pTree->setStyleSheet(empty ? kEmptyLook : kFilledLook);
}

void CDuptOptWidget::AddScanItem(const QStringList& paths)
{
    const int before = m_pTree->topLevelItemCount();
    // A folder or file is listed once, whichever spelling or link it came by.
    auto identity = [](const QString& path) { return FileIdentity(PathToNative(path).toStdString()); };
    std::unordered_set<FileIdentity, FileIdentity::Hash> listed;
    for (int i = 0; i < before; ++i)
        listed.insert(identity(m_pTree->topLevelItem(i)->text(1)));

    // Sorting would move each row as it lands; switch it off for the batch.
    const bool sorting = m_pTree->isSortingEnabled();
    m_pTree->setSortingEnabled(false);
    QList<QTreeWidgetItem*> rows;
    for (const QString& path : paths)
    {
        if (path.isEmpty() || !listed.insert(identity(path)).second)
            continue;
        const QFileInfo info(path);
        auto* row = new QTreeWidgetItem;
        if (info.isDir())
        {
            row->setIcon(0, ScaledIcon(QStringLiteral(":/res/res/win/label/folder.png")));
            row->setText(2, QStringLiteral("--"));
        }
        else
        {
            row->setIcon(0, ScaledIcon(QStringLiteral(":/res/res/win/label/music.png")));
            const double mb = static_cast<double>(info.size()) / 1024 / 1024;
            row->setText(2, tr("%1 MB").arg(InterfaceLocale().toString(mb, 'g', 2)));
        }
        row->setText(0, ShownName(path));
        row->setText(1, path);
        row->setSizeHint(0, QSize(ScaledInt(400), ScaledInt(25)));
        rows.append(row);
    }
    m_pTree->addTopLevelItems(rows);
    m_pTree->setSortingEnabled(sorting);
    if (before == 0 && m_pTree->topLevelItemCount() > 0)
        SetEmptyLook(false);
}

void CDuptOptWidget::TakeScanPaths(QStringList& paths)
{
    for (int i = m_pTree->topLevelItemCount() - 1; i >= 0; --i)
    {
        std::unique_ptr<QTreeWidgetItem> row(m_pTree->takeTopLevelItem(i));
        paths.append(row->text(1));
    }
    m_pTree->clear();
    SetEmptyLook(true);
}

QStringList CDuptOptWidget::ScanPaths() const
{
    QStringList paths;
    for (int i = m_pTree->topLevelItemCount() - 1; i >= 0; --i)
        paths.append(m_pTree->topLevelItem(i)->text(1));
    return paths;
}

void CDuptOptWidget::ScaniTunes()
{
    g_bScaniTunes = true;
    emit Complete(QStringList(), QString(), RunModeDuplicateITunes);
}

void CDuptOptWidget::AddFolders()
{
    QString start;
    if (CAppSettings* settings = GetAppSettings())
        start = settings->GetOpenPath();
    // No start folder of the user's own would leave the dialog in the program's working folder;
    // songs are looked for where the desktop keeps the user's music.
    if (start.isEmpty() || !QFileInfo(start).isDir())
    {
        start = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        if (!QFileInfo(start).isDir())
            start = QDir::homePath();
    }
    const QStringList picked =
        GetOpenFileNames(this, tr("Open Files And Folders"), start,
                         tr("Music Files(%1)").arg(CAudioTypes::Patterns(CAudioTypes::ERoad::Duplicates)));
    if (!picked.isEmpty())
        AddScanItem(picked);
}

void CDuptOptWidget::DelFolders()
{
    const QList<QTreeWidgetItem*> selected = m_pTree->selectedItems();
    if (selected.isEmpty())
        return;
    for (QTreeWidgetItem* row : selected)
    {
        if (!row->parent())
            delete row;
    }
    if (m_pTree->topLevelItemCount() == 0)
        SetEmptyLook(true);
}

void CDuptOptWidget::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void CDuptOptWidget::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void CDuptOptWidget::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void CDuptOptWidget::dropEvent(QDropEvent* event)
{
    QStringList taken;
    for (const QUrl& url : event->mimeData()->urls())
    {
        // Only local files and folders that exist: a remote or vanished URL is not a scan path.
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        const QFileInfo info(path);
        const bool audio = CAudioTypes::IsAudioFile(path, CAudioTypes::ERoad::Duplicates);
        if ((audio && info.isFile()) || info.isDir())
            taken.append(path);
    }
    event->acceptProposedAction();
    if (!taken.isEmpty())
        AddScanItem(taken);
}
