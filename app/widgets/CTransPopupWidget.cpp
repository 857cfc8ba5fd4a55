#include "CTransPopupWidget.h"

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
}
