#include "LineEdit.h"

#include <QEvent>
#include <QFontMetrics>

namespace
{
constexpr int kMinPrefix = 6;
const QString kEllipsis = QStringLiteral("...");
} // namespace

CLineEdit::CLineEdit(QWidget* parent) : QLineEdit(parent)
{
    m_iReserve = QFontMetrics(font()).horizontalAdvance(kEllipsis) + 16;
    connect(this, &QLineEdit::textChanged, this, &CLineEdit::TextChanged);
}

void CLineEdit::SetFullText(const QString& text)
{
    m_strFullText = text;
    m_iFullWidth = -1;
    // With focus the field edits the full text itself; without, the next paint shortens it.
    if (m_bFocused)
        ShowText(text);
    update();
}

void CLineEdit::TextChanged(const QString& text)
{
    if (m_bFocused && text != m_strFullText)
    {
        m_strFullText = text;
        m_iFullWidth = -1;
    }
}

void CLineEdit::ShowText(const QString& text)
{
    if (text == QLineEdit::text())
        return;
    setText(text);
    setCursorPosition(0);
}

int CLineEdit::FullTextWidth() const
{
    if (m_iFullWidth < 0)
        m_iFullWidth = fontMetrics().horizontalAdvance(m_strFullText);
    return m_iFullWidth;
}

QString CLineEdit::ElidedText(int width) const
{
    if (FullTextWidth() + 6 <= width)
        return m_strFullText;
    const QFontMetrics metrics = fontMetrics();
    const int target = width - m_iReserve;
    const int length = static_cast<int>(m_strFullText.size());
    // The width of a prefix grows with its length, so the shortest one wide enough is found by
    // halving: only O(log n) prefixes are measured, whatever the length of the tag.
    int low = std::min(kMinPrefix, length);
    int high = length;
    while (low < high)
    {
        const int mid = low + (high - low) / 2;
        if (metrics.horizontalAdvance(m_strFullText, mid) >= target)
            high = mid;
        else
            low = mid + 1;
    }
    return m_strFullText.left(low) + kEllipsis;
}

bool CLineEdit::event(QEvent* event)
{
    switch (event->type())
    {
    case QEvent::FocusIn:
        m_bFocused = true;
        m_bRefresh = true;
        break;
    case QEvent::FocusOut:
        m_bFocused = false;
        break;
    case QEvent::FontChange:
        m_iFullWidth = -1;
        m_iReserve = QFontMetrics(font()).horizontalAdvance(kEllipsis) + 16;
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

void CLineEdit::paintEvent(QPaintEvent* event)
{
    if (m_bFocused)
    {
        if (m_bRefresh)
        {
            m_bRefresh = false;
            ShowText(m_strFullText);
        }
    }
    else
    {
        ShowText(ElidedText(width()));
    }
    QLineEdit::paintEvent(event);
}
