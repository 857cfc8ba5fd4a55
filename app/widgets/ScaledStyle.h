#pragma once

#include <QProxyStyle>

// The Fusion style with the check boxes of list and tree rows scaled like everything else: the
// rows lay their text out beside the larger box, so the box never covers the text. A tree's
// branch arrows grow with the scale too (Fusion keeps them at a few pixels). Owned by the
// application once set.
class CScaledStyle : public QProxyStyle
{
public:
    CScaledStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
