#include "CStatusBar.h"

#include "StyleTemplates.h"

#include <QPainter>

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent)
{
    const QImage logo(QStringLiteral(":/res/res/win/label/zavrologo.png"));
    if (!logo.isNull())
        m_logo = logo.scaledToHeight(ScaledInt(15), Qt::FastTransformation);
    const int height = static_cast<int>(m_logo.height() * 1.5);
    setMinimumHeight(height);
    setMaximumHeight(height);
}

CStatusBar::~CStatusBar() = default;

void CStatusBar::paintEvent(QPaintEvent* event)
{
    QStatusBar::paintEvent(event);
    if (!currentMessage().isEmpty() || m_logo.isNull())
        return;
    const QRect area = rect();
    QPainter painter(this);
    painter.drawImage(area.x() + (area.width() - m_logo.width()) / 2,
                      area.y() + (area.height() - m_logo.height()) / 2, m_logo);
}
