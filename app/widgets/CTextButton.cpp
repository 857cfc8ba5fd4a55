#include "CTextButton.h"

#include "StyleTemplates.h"

#include <QPainter>

CTextButton::CTextButton(QWidget* parent) : QPushButton(parent)
{
    QFont buttonFont = font();
    buttonFont.setPixelSize(ScaledInt(11));
    setFont(buttonFont);
}

CTextButton::~CTextButton() = default;

void CTextButton::SetButtonText(const QString& text)
{
    setText(text);
    setToolTip(fontMetrics().horizontalAdvance(text) > width() ? text : QString());
}

void CTextButton::enterEvent(QEnterEvent*)
{
    setCursor(Qt::PointingHandCursor);
    m_bHovered = true;
    update();
}

void CTextButton::leaveEvent(QEvent*)
{
    setCursor(Qt::ArrowCursor);
    m_bHovered = false;
    update();
}

void CTextButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Dark blue on the header's light grey: both reach well over 4.5:1.
    painter.setPen(m_bHovered ? QColor(0x06, 0x3d, 0x6b) : QColor(0x0a, 0x5a, 0x9c));
    painter.drawText(QRect(0, -5, width(), height()), Qt::AlignHCenter | Qt::AlignVCenter, text());
}
