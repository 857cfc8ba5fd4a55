#include "ListDelegate.h"

#include "AppGlobals.h"
#include "BackgroundPool.h"
#include "ListItem.h"
#include "OwnDirectionDelegate.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QThreadPool>

#include <iterator>

namespace
{
// Past this many pictures the cache starts again; a page holds far fewer distinct covers.
constexpr int kCacheLimit = 4000;
// The side of the square a cell's picture is fitted into, before scaling.
constexpr int kPictureSide = 100;

QPixmap SharedOr(const std::unique_ptr<QPixmap>& shared, const QString& resource)
{
    if (shared && !shared->isNull())
        return *shared;
    const int side = ScaledInt(kPictureSide);
    return QPixmap(resource).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void DrawCentred(QPainter* painter, const QRect& area, const QPixmap& picture)
{
    const QSize size = picture.deviceIndependentSize().toSize();
    const QRect target(area.left() + (area.width() - size.width()) / 2,
                       area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
    painter->drawPixmap(target, picture);
}
} // namespace

CListDelegate::CListDelegate(QListWidget* list) : QStyledItemDelegate(list), m_pList(list)
{
    m_nReserve = QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("...")) + 10;
}

CListDelegate::~CListDelegate() = default;

QRect CListDelegate::PictureBox(const QRect& cell)
{
    const int side = ScaledInt(kPictureSide);
    return QRect(cell.left() + (cell.width() - side) / 2, cell.top() + (cell.height() - side) / 2, side,
                 side);
}

QRect CListDelegate::CheckMarkRect(const QRect& cell)
{
    // In the top-left corner of the picture, inside its rounded border.
    const QRect box = PictureBox(cell).adjusted(ScaledInt(4), ScaledInt(4), 0, 0);
    return QRect(box.topLeft(), QSize(ScaledInt(15), ScaledInt(14)));
}

QRect CListDelegate::CandidatesRect(const QRect& cell)
{
    // In the bottom-right corner of the picture, inside its rounded border.
    const QRect box = PictureBox(cell).adjusted(0, 0, -ScaledInt(4), -ScaledInt(4));
    const int side = ScaledInt(24);
    return QRect(box.right() + 1 - side, box.bottom() + 1 - side, side, side);
}

QSize CListDelegate::FittedSize(const QSize& picture, int side)
{
    if (picture.isEmpty())
        return {};
    if (picture.height() > picture.width())
        return QSize(qMax(1, picture.width() * side / picture.height()), side);
    return QSize(side, qMax(1, picture.height() * side / picture.width()));
}

QString CListDelegate::ElideName(const QString& text, const QFontMetrics& metrics, int width, int reserve)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    int length = qMin<int>(5, text.size());
    while (length < text.size() && metrics.horizontalAdvance(text.left(length)) < width - reserve)
        ++length;
    return text.left(length) + QStringLiteral("...");
}

QString CListDelegate::CacheKey(const QString& path, int side, bool stretch)
{
    // No file look-up here: it would cost a stat per cell per paint. A picture rewritten under
    // its old name is dropped with ForgetPicture.
    return path + QLatin1Char('|') + QString::number(side) + (stretch ? QLatin1Char('s') : QLatin1Char('f'));
}

QPixmap CListDelegate::CachedPicture(const QString& path) const
{
    return CachedPicture(path, ScaledInt(kPictureSide), false);
}

QPixmap CListDelegate::CachedPicture(const QString& path, int side, bool stretch) const
{
    if (path.isEmpty() || side <= 0)
        return {};
    const QString key = CacheKey(path, side, stretch);
    const auto it = m_cache.constFind(key);
    if (it != m_cache.cend())
        return it.value();
    if (!m_pending.contains(key))
        StartDecode(path, key, side, stretch);
    return {};
}

void CListDelegate::ClearCache()
{
    m_cache.clear();
}

void CListDelegate::ForgetPicture(const QString& path)
{
    const QString prefix = path + QLatin1Char('|');
    for (auto it = m_cache.begin(); it != m_cache.end();)
        it = it.key().startsWith(prefix) ? m_cache.erase(it) : std::next(it);
}

void CListDelegate::StartDecode(const QString& path, const QString& key, int side, bool stretch) const
{
    m_pending.insert(key);
    QPointer<CListDelegate> self(const_cast<CListDelegate*>(this));
    BackgroundPool()->start(
        [self, path, key, side, stretch]
        {
            QImage image;
            QFile file(path);
            // Only a regular file: reading a FIFO or device would hold this worker, and closing.
            if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
                image.loadFromData(file.readAll());
            if (image.isNull())
                image.load(QStringLiteral(":/res/res/win/list/artwork_failed.png"));
            if (!image.isNull())
                image = image.scaled(stretch ? QSize(side, side) : FittedSize(image.size(), side),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // Back on the GUI thread: the pointer is only read there.
            QMetaObject::invokeMethod(qApp,
                                      [self, path, key, side, stretch, image]
                                      {
                                          if (!self)
                                              return;
                                          self->m_pending.remove(key);
                                          if (self->m_cache.size() >= kCacheLimit)
                                              self->m_cache.clear();
                                          const QPixmap picture = QPixmap::fromImage(image);
                                          self->m_cache.insert(key, picture);
                                          if (self->m_pList)
                                              self->m_pList->viewport()->update();
                                          emit self->PictureReady(path, side, stretch, picture);
                                      });
        });
}

QPixmap CListDelegate::FramedCopy(const QPixmap& picture)
{
    QPixmap framed(picture.size());
    framed.setDevicePixelRatio(picture.devicePixelRatio());
    framed.fill(Qt::white);
    QPainter painter(&framed);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QRectF whole(QPointF(0, 0), picture.deviceIndependentSize());
    QLinearGradient gradient(whole.topLeft(), whole.bottomLeft());
    gradient.setColorAt(0, QColor(103, 180, 255));
    gradient.setColorAt(1, QColor(20, 120, 218));
    painter.setBrush(gradient);
    painter.drawRoundedRect(whole, 8, 8);
    const QRectF inner = whole.adjusted(4, 4, -4, -4);
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(
        inner, picture,
        QRectF(inner.left() * ratio, inner.top() * ratio, inner.width() * ratio, inner.height() * ratio));
    return framed;
}

void CListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    const auto* cell = m_pList ? dynamic_cast<const CListItem*>(m_pList->item(index.row())) : nullptr;
    if (!cell)
    {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPixmap failed =
        SharedOr(g_pixArtworkFailed, QStringLiteral(":/res/res/win/list/artwork_failed.png"));

    QPixmap picture;
    bool real = false;
    switch (cell->GetArtworkState())
    {
    case ArtworkFixing:
        picture = SharedOr(g_pixArtworkDefault, QStringLiteral(":/res/res/win/list/artwork_def.png"));
        break;
    case ArtworkFailed:
        picture = failed;
        break;
    case ArtworkFound:
        real = true;
        if (cell->GetArtworkPath().isEmpty())
        {
            picture = failed;
        }
        else
        {
            picture = CachedPicture(cell->GetArtworkPath());
            if (picture.isNull()) // still being read
                picture = SharedOr(g_pixArtworkLoad, QStringLiteral(":/res/res/win/list/artwork_load.png"));
        }
        break;
    default:
        picture = cell->GetCheckState() == Qt::Checked
                      ? SharedOr(g_pixArtworkLoad, QStringLiteral(":/res/res/win/list/artwork_load.png"))
                      : SharedOr(g_pixArtworkLoadUncheck,
                                 QStringLiteral(":/res/res/win/list/artwork_load_uncheck.png"));
        break;
    }

    painter->save();
    DrawCentred(painter, r, selected ? FramedCopy(picture) : picture);

    if (real)
    {
        const QPixmap mark = cell->GetCheckState() == Qt::Checked
                                 ? SharedOr(g_pixCheck, QStringLiteral(":/res/res/win/list/check.png"))
                                 : SharedOr(g_pixUncheck, QStringLiteral(":/res/res/win/list/uncheck.png"));
        painter->drawPixmap(CheckMarkRect(r), mark);
        if (cell->HasMultiArtwork())
        {
            const QRect candidates = CandidatesRect(r);
            painter->drawPixmap(candidates,
                                SharedOr(g_pixExpand, QStringLiteral(":/res/res/win/list/expand.png")));
            QFont font = QApplication::font();
            font.setBold(true);
            font.setPixelSize(qMax(1, ScaledInt(12)));
            painter->setFont(font);
            painter->setPen(Qt::black);
            const QRect corner(candidates.right() + 1 - ScaledInt(20),
                               candidates.bottom() + 1 - ScaledInt(24), ScaledInt(20), ScaledInt(24));
            painter->drawText(corner, Qt::AlignCenter, QString::number(cell->GetArtworkCount()));
        }
    }

    QRect strip = r;
    strip.setTop(r.bottom() - ScaledInt(5));
    strip.setBottom(strip.top() + ScaledInt(15));
    const QVariant fontRole = index.data(Qt::FontRole);
    const QFont textFont = fontRole.isValid() ? fontRole.value<QFont>() : option.font;
    painter->setFont(textFont);
    // The title in its own direction, its "..." at its own end: "21 Guns" in a right-to-left grid too.
    const QString name = COwnDirectionDelegate::Isolated(
        ElideName(cell->text(), QFontMetrics(textFont), strip.width(), m_nReserve));
    painter->setPen(option.palette.color(QPalette::Active, QPalette::Text));
    painter->drawText(strip, Qt::AlignTop | Qt::AlignHCenter, name);
    painter->restore();
}
