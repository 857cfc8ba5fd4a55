#include "LineEdit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace
{
constexpr int kMinPrefix = 6;
constexpr int kMaxLength = 1 << 24;
const QString kEllipsis = QString(QChar(0x2026));
// What QLineEdit keeps free on each side of its text inside its contents, and its cursor.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
} // namespace

CLineEdit::CLineEdit(QWidget* parent) : QLineEdit(parent)
{
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

int CLineEdit::TextRoom(int width) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.rect.setWidth(width);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - kCursorWidth;
}

QString CLineEdit::ElidedText(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const int length = static_cast<int>(m_strFullText.size());
    // A prefix is measured as its own string: handed the whole text, the metrics would lay out
    // all of it.
    auto prefixWidth = [&](int n) { return metrics.horizontalAdvance(m_strFullText.left(n)); };

    // The width of a prefix grows with its length, so only short prefixes are ever measured:
    // double the length until the prefix is wider than the room (or the text ends), then halve
    // within the last step. A 64 KB tag costs a few short measurements per paint.
    const int room = TextRoom(width);
    int high = std::min(length, 16);
    while (high < length && prefixWidth(high) <= room)
        high = std::min(length, high * 2);
    if (prefixWidth(high) <= room)
        return m_strFullText; // the whole text fits

    // The longest prefix that fits with the mark behind it.
    const int target = room - metrics.horizontalAdvance(kEllipsis);
    int low = std::min(kMinPrefix, high);
    while (low < high)
    {
        const int mid = low + (high - low + 1) / 2;
        if (prefixWidth(mid) <= target)
            low = mid;
        else
            high = mid - 1;
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
