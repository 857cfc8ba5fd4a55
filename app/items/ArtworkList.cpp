#include "ArtworkList.h"

#include "AppGlobals.h"
#include "BackgroundPool.h"
#include "FixWriter.h"
#include "ListItem.h"
#include "StyleTemplates.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>
#include <QVBoxLayout>

CArtworkList::CArtworkList(CFixWriter* writer, QWidget* parent, Qt::WindowFlags)
    : CTransPopupWidget(parent), m_pList(new QListWidget(this)),
      m_left(":/res/res/win/list/expandbg_left.png"), m_middle(":/res/res/win/list/expandbg_center.png"),
      m_right(":/res/res/win/list/expandbg_right.png"), m_pointer(":/res/res/win/list/expandbcl.png"),
      m_pWriter(writer)
{
    setObjectName("Artwork_list");
    setStyleSheet("QWidget#Artwork_list{background-color: transparent;}");

    m_pList->setObjectName("Artwork_list_list");
    m_pList->setContentsMargins(0, 0, 0, 0);
    m_pList->setStyleSheet("QListWidget#Artwork_list_list{ border:1; background-color: transparent; }");
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setMovement(QListView::Static);
    m_pList->setFocusPolicy(Qt::NoFocus);
    m_pList->setFlow(QListView::LeftToRight);
    m_pList->setGridSize(QSize(ScaledInt(90), ScaledInt(90)));
    m_pList->setIconSize(QSize(ScaledInt(80), ScaledInt(80)));
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setSelectionRectVisible(true);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(m_pList, &QListWidget::currentItemChanged, this, &CArtworkList::CurItemChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(ScaledInt(10), ScaledInt(35), ScaledInt(35), ScaledInt(10));
    layout->addWidget(m_pList);

    setFixedHeight(ScaledInt(156));
    setMinimumWidth(ScaledInt(200));
}

CArtworkList::~CArtworkList() = default;

void CArtworkList::SetArtworks(CListItem* cell, int current, const QStringList& paths)
{
    m_pCell = cell;
    m_paths = paths;

    // Clearing and refilling the list moves its current item; none of that is the user's pick.
    m_bRefilling = true;
    m_pList->clear();
    const int side = ScaledInt(80);
    for (int i = 0; i < paths.size(); ++i)
    {
        auto* item = new QListWidgetItem(m_pList);
        item->setSizeHint(QSize(side, side));
        if (i == current)
            m_pList->setCurrentItem(item);
    }
    m_bRefilling = false;

    // The pictures are read and scaled on a worker; their icons follow, for this filling only.
    const quint64 fill = ++m_uFill;
    QPointer<CArtworkList> self(this);
    BackgroundPool()->start(
        [self, fill, paths, side]
        {
            QList<QImage> pictures;
            for (const QString& path : paths)
            {
                QImage picture;
                QFile file(path);
                if (file.open(QIODevice::ReadOnly) && picture.loadFromData(file.readAll()))
                    picture = picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                pictures << picture;
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, fill, pictures]
                {
                    if (self && self->m_uFill == fill)
                        self->ShowPictures(pictures);
                },
                Qt::QueuedConnection);
        });

    const int count = static_cast<int>(paths.size());
    if (count > 0)
    {
        m_pList->setFixedSize(ScaledInt(95 * count), ScaledInt(90));
        setFixedSize(ScaledInt(95 * count + 10), ScaledInt(156));
    }
}

void CArtworkList::ShowPictures(const QList<QImage>& pictures)
{
    for (int i = 0; i < pictures.size() && i < m_pList->count(); ++i)
    {
        if (!pictures[i].isNull())
            m_pList->item(i)->setIcon(QIcon(QPixmap::fromImage(pictures[i])));
    }
}

int CArtworkList::CurrentRow() const
{
    return m_pList->currentRow();
}

void CArtworkList::CurItemChanged(QListWidgetItem* current, QListWidgetItem* previous)
{
    if (m_bRefilling || !current || current == previous)
        return;
    const int row = m_pList->currentRow();
    if (row < 0 || row >= m_paths.size())
        return;
    const QString& path = m_paths.at(row);
    if (m_pCell)
    {
        m_pCell->SetArtworkPath(path);
        if (m_pWriter)
            m_pWriter->SelectArtwork(m_pCell->GetMusicData(), row);
    }
    emit SetArtwork(path, false);
}

void CArtworkList::hideEvent(QHideEvent* event)
{
    CTransPopupWidget::hideEvent(event);
    emit SendHide();
}

void CArtworkList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintBackdrop(painter);
    // The pictures are drawn for scale 1; they grow with the pop-up, whose size and margins are
    // scaled, so at scale 2 the candidates stay inside the shape instead of hanging below it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, g_dScale != 1.0);
    const auto scaled = [](const QImage& image)
    { return QSize(ScaledInt(image.width()), ScaledInt(image.height())); };
    int leftWidth = 0;
    int rightWidth = 0;
    if (!m_left.isNull())
    {
        const QSize size = scaled(m_left);
        painter.drawImage(QRect(QPoint(0, 0), size), m_left);
        leftWidth = size.width();
    }
    if (!m_right.isNull())
    {
        const QSize size = scaled(m_right);
        painter.drawImage(QRect(QPoint(width() - size.width(), 0), size), m_right);
        rightWidth = size.width();
    }
    if (!m_middle.isNull())
        painter.drawImage(QRect(leftWidth, 0, width() - leftWidth - rightWidth, scaled(m_middle).height()),
                          m_middle);
    if (!m_pointer.isNull())
        painter.drawImage(QRect(QPoint(m_userValue, 0), scaled(m_pointer)), m_pointer);
}
