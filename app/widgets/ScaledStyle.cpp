#include "ScaledStyle.h"

#include "StyleTemplates.h"

#include <QStyleFactory>

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
