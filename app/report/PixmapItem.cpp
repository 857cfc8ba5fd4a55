#include "PixmapItem.h"

#include <QPainter>

void CPixmapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF area(QPointF(0, 0), pixmap().deviceIndependentSize());
    painter->setClipRect(area, Qt::ReplaceClip);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawPixmap(area, pixmap(), QRectF(pixmap().rect()));
}
