#include "Label.h"

#include "AppGlobals.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

CLabel::CLabel(QWidget* parent) : QWidget(parent), m_font(QApplication::font())
{
    m_font.setPointSize(std::max(1, ScaledInt(12)));
    setFont(m_font);
    setMinimumSize(ScaledInt(24), ScaledInt(24));
    setMaximumSize(ScaledInt(100), ScaledInt(24));
}

void CLabel::SetText(const QString& text)
{
    m_text = text;
    const int width = fontMetrics().horizontalAdvance(text);
    setFixedSize(static_cast<int>((width + 10) * g_dScale), ScaledInt(24));
    update();
}

void CLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The caps and the middle are shared by every badge; they exist while the main window does.
    const QImage* left = g_imgLabelLeft.get();
    const QImage* right = g_imgLabelRight.get();
    const QImage* middle = g_imgLabelCenter.get();
    if (left && !left->isNull())
        painter.drawImage(0, 0, *left);
    if (right && !right->isNull())
        painter.drawImage(width() - right->width(), 0, *right);
    if (left && right && middle && !left->isNull() && !right->isNull() && !middle->isNull())
        painter.drawImage(QRect(left->width(), 0, width() - left->width() - right->width(), middle->height()),
                          *middle);
    if (m_text.isEmpty())
        return;
    painter.setFont(m_font);
    painter.setPen(m_color);
    const QFontMetrics metrics(m_font);
    const QRect box((width() - metrics.horizontalAdvance(m_text)) / 2 - 5,
                    (height() - metrics.height()) / 2 - 3, width(), height());
    painter.drawText(box, Qt::AlignCenter, m_text);
}
