#include "WindowPainting.h"

#include <QBitmap>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

void PaintStyledBackground(QWidget* widget)
{
    QStyleOption option;
    option.initFrom(widget);
    QPainter painter(widget);
    widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
}

void PaintRoundedWindow(QWidget* widget)
{
    QBitmap shape(widget->size());
    {
        // On a bitmap white is transparent (color0) and black opaque (color1).
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(shape.rect(), Qt::white);
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(shape.rect(), 6, 6);
    }
    // setMask returns at once when the shape did not change, so painting does not loop.
    widget->setMask(shape);
    PaintStyledBackground(widget);
}
