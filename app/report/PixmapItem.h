#pragma once

#include <QGraphicsPixmapItem>

// A picture item drawn smoothly and antialiased, so it stays clean while CRotation turns it.
class CPixmapItem : public QGraphicsPixmapItem
{
public:
    using QGraphicsPixmapItem::QGraphicsPixmapItem;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};
