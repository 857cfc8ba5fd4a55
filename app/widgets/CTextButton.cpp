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
    painter.setPen(m_bHovered ? QColor(255, 168, 0) : QColor(255, 222, 0));
    painter.drawText(QRect(0, -5, width(), height()), Qt::AlignHCenter | Qt::AlignVCenter, text());
}
