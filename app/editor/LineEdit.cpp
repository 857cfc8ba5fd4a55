#include "LineEdit.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace
{
constexpr int kMinPrefix = 6;
constexpr int kMaxLength = 1 << 24;
const QString kEllipsis = QStringLiteral("...");
} // namespace

CLineEdit::CLineEdit(QWidget* parent) : QLineEdit(parent)
{
    m_iReserve = QFontMetrics(font()).horizontalAdvance(kEllipsis) + 16;
    // QLineEdit cuts its text at 32767 characters by default; a tag may be longer, and a field
    // that cut it would save the cut text back.
    setMaxLength(kMaxLength);
    connect(this, &QLineEdit::textChanged, this, &CLineEdit::TextChanged);
}

void CLineEdit::SetFullText(const QString& text)
{
    m_strFullText = text;
    // With focus the field edits the full text itself; without, the next paint shortens it.
    if (m_bFocused)
        ShowText(text);
    update();
}

void CLineEdit::TextChanged(const QString& text)
{
    if (m_bFocused)
        m_strFullText = text;
}

void CLineEdit::ShowText(const QString& text)
{
    if (text == QLineEdit::text())
        return;
    setText(text);
    setCursorPosition(0);
}

QString CLineEdit::ElidedText(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const int length = static_cast<int>(m_strFullText.size());
    // A prefix is measured as its own string: handed the whole text, the metrics would lay out
    // all of it.
    auto prefixWidth = [&](int n) { return metrics.horizontalAdvance(m_strFullText.left(n)); };

    // The width of a prefix grows with its length, so only short prefixes are ever measured:
    // double the length until the prefix is wider than the field allows (or the text ends),
    // then halve within the last step. A 64 KB tag costs a few short measurements per paint.
    const int limit = width - 6;
    int high = std::min(length, 16);
    while (high < length && prefixWidth(high) <= limit)
        high = std::min(length, high * 2);
    if (prefixWidth(high) <= limit)
        return m_strFullText; // the whole text fits

    const int target = width - m_iReserve;
    int low = std::min(kMinPrefix, high);
    while (low < high)
    {
        const int mid = low + (high - low) / 2;
        if (prefixWidth(mid) >= target)
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
