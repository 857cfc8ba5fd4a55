#include "CTransPopupWidget.h"

#include "WindowPainting.h"

#include <QPainter>
#include <QScreen>

CTransPopupWidget::CTransPopupWidget(QWidget* parent) : QFrame(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::ClickFocus);
}

CTransPopupWidget::~CTransPopupWidget() = default;

void CTransPopupWidget::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
}

void CTransPopupWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    hide();
}

void CTransPopupWidget::paintEvent(QPaintEvent*)
{
    // Nothing of its own: the translucent window shows only the children.
    if (!m_backdrop.isNull())
    {
        QPainter painter(this);
        PaintBackdrop(painter);
    }
}

void CTransPopupWidget::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    // The show event comes before the window is mapped: the screen still shows what lies under
    // the pop-up's place.
    m_backdrop = QPixmap();
    if (TranslucencyComposited())
        return;
    if (QScreen* screen = this->screen())
    {
        const QRect area = frameGeometry().translated(-screen->geometry().topLeft());
        m_backdrop = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    }
}

void CTransPopupWidget::PaintBackdrop(QPainter& painter) const
{
    if (!m_backdrop.isNull())
        painter.drawPixmap(rect(), m_backdrop);
}
