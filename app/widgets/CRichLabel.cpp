#include "CRichLabel.h"

#include "LanguageDirection.h"
#include "StyleTemplates.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace
{

constexpr int kProbeInterval = 120; // ms; re-tests the pointer while it rests over the label
constexpr int kLineHeight = 30;
const QColor kLinkColour(255, 222, 0);
// Segments are placed by this label itself, in both directions, so text alignment must not be
// mirrored again by a right-to-left layout.
constexpr Qt::Alignment kSegmentAlignment = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter;

} // namespace

CRichLabel::CRichLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

CRichLabel::~CRichLabel()
{
    if (m_iProbeTimer)
        killTimer(m_iProbeTimer);
}

void CRichLabel::AddText(const QString& text, int kind)
{
    m_iRunningWidth = width() + fontMetrics().horizontalAdvance(text);
    setMinimumSize(m_iRunningWidth, height());
    AppendText(text, kind);
}

void CRichLabel::AppendText(const QString& text, int kind)
{
    m_texts.append(text);
    m_kinds.append(kind);
    update();
}

void CRichLabel::Clear()
{
    if (isVisible())
        hide();
    m_texts.clear();
    m_kinds.clear();
    m_iHovered = -1;
    m_bRightToLeft = false;
    setText(QString());
}

void CRichLabel::AdjustLabelSize()
{
    // The height of one laid-out line (a child label starts 30 high). A label not yet placed
    // may still carry a top-level default of hundreds of pixels, which must not be scaled up.
    if (m_iBaseHeight < 0)
        m_iBaseHeight = qMin(height(), kLineHeight);
    const int height = ScaledInt(m_iBaseHeight);
    int total = 0;
    for (const QString& text : m_texts)
        total += fontMetrics().horizontalAdvance(text);
    m_bRightToLeft = IsRightToLeftLanguage();
    if (m_bRightToLeft)
    {
        // 240 x scale, unless the sentence needs more: a fixed width that cut it off would hide
        // the links at its right-hand end.
        const QSize size(qMax(ScaledInt(240), total), height);
        setMinimumSize(size);
        setMaximumSize(size);
    }
    else
    {
        setMinimumWidth(total + ScaledInt(4));
        setMinimumHeight(height);
    }
    update();
}

QList<int> CRichLabel::DrawOrder() const
{
    QList<int> order;
    for (int i = 0; i < m_texts.size(); ++i)
        order.append(i);
    if (m_bRightToLeft)
        std::reverse(order.begin(), order.end());
    return order;
}

QPair<int, int> CRichLabel::SegmentSpan(int index) const
{
    int x = 0;
    for (int i : DrawOrder())
    {
        const int w = fontMetrics().horizontalAdvance(m_texts[i]);
        if (i == index)
            return {x, w};
        if (m_kinds[i] == Plain || m_kinds[i] == Link)
            x += w;
    }
    return {-1, 0};
}

bool CRichLabel::event(QEvent* event)
{
    switch (event->type())
    {
    case QEvent::Enter:
        if (!m_iProbeTimer)
            m_iProbeTimer = startTimer(kProbeInterval);
        return true;
    case QEvent::Leave:
        if (m_iProbeTimer)
            killTimer(m_iProbeTimer);
        m_iProbeTimer = 0;
        if (cursor().shape() == Qt::PointingHandCursor)
            setCursor(Qt::ArrowCursor);
        return true;
    case QEvent::Timer:
        if (static_cast<QTimerEvent*>(event)->timerId() == m_iProbeTimer)
        {
            // The pointer may rest while the text under it changes: test it again.
            const QPointF local = mapFromGlobal(QCursor::pos());
            QMouseEvent probe(QEvent::MouseMove, local, QCursor::pos(), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
            mouseMoveEvent(&probe);
            return true;
        }
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void CRichLabel::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    int right = 0;
    for (int i : DrawOrder())
    {
        // Only drawn segments take room, so the hit test matches the painting.
        if (m_kinds[i] != Plain && m_kinds[i] != Link)
            continue;
        right += fontMetrics().horizontalAdvance(m_texts[i]);
        if (right < x)
            continue;
        if (m_kinds[i] == Link)
        {
            setCursor(Qt::PointingHandCursor);
            m_iHovered = i;
            return;
        }
        break;
    }
    if (cursor().shape() == Qt::PointingHandCursor)
        setCursor(Qt::ArrowCursor);
}

void CRichLabel::mousePressEvent(QMouseEvent*)
{
    if (cursor().shape() == Qt::PointingHandCursor && m_iHovered >= 0)
        emit Clicked(m_iHovered);
}

void CRichLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int x = rect().left();
    for (int i : DrawOrder())
    {
        const QString& text = m_texts[i];
        if (text.isEmpty())
            continue;
        const int w = fontMetrics().horizontalAdvance(text);
        const QRect area(x, rect().top() - 3, w, height());
        if (m_kinds[i] == Plain)
        {
            painter.drawText(area, kSegmentAlignment, text);
        }
        else if (m_kinds[i] == Link)
        {
            painter.save();
            QFont underlined = font();
            underlined.setUnderline(true);
            painter.setFont(underlined);
            painter.setPen(kLinkColour);
            painter.drawText(area, kSegmentAlignment, text);
            painter.restore();
        }
        else
        {
            continue;
        }
        x += w;
    }
}
