#include "ScaledStyle.h"

#include "StyleTemplates.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

CScaledStyle::CScaledStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int CScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric)
    {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return ScaledInt(QProxyStyle::pixelMetric(metric, option, widget));
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void CScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != PE_IndicatorBranch || ScaledInt(1) <= 1 || !(option->state & State_Children))
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's 8-pixel arrow, as many times larger as everything else, in the branch's middle.
    const QRectF area = option->rect;
    const qreal length = std::min({qreal(ScaledInt(8)), area.width(), area.height()});
    const qreal half = length / 2;
    const QPointF centre = area.center();
    QPolygonF arrow;
    if (option->state & State_Open)
        arrow << centre + QPointF(-half, -half / 2) << centre + QPointF(half, -half / 2)
              << centre + QPointF(0, half / 2);
    else if (option->direction == Qt::RightToLeft)
        arrow << centre + QPointF(half / 2, -half) << centre + QPointF(half / 2, half)
              << centre + QPointF(-half / 2, 0);
    else
        arrow << centre + QPointF(-half / 2, -half) << centre + QPointF(-half / 2, half)
              << centre + QPointF(half / 2, 0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(QPalette::WindowText));
    painter->drawPolygon(arrow);
    painter->restore();
}
