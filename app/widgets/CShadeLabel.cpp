#include "CShadeLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimerEvent>

#include <algorithm>
#include <cstdint>

namespace
{

constexpr int kSlideInterval = 100;  // ms per pixel while sliding
constexpr int kRestInterval = 10000; // ms a text rests before it slides away

// The start text is picked by the first value of a linear congruential generator seeded with
// 12345 (the classic Microsoft C runtime one, first value 7584), so a given number of texts
// always starts at the same one. Kept local: the process-wide rand() state is not touched.
int FirstCycleValue()
{
    std::uint32_t state = 12345;
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fff);
}

// The text cut to its shortest prefix at least `limit` wide, followed by "...", when it is wider
// than `width`.
QString Elided(const QFontMetrics& metrics, const QString& text, int width, int limit)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    for (int n = 1; n <= text.size(); ++n)
    {
        if (metrics.horizontalAdvance(text.left(n)) >= limit)
            return text.left(n) + QStringLiteral("...");
    }
    return text;
}

// Room for the ink some letters draw past their advance (the tail of a final Arabic letter, which
// in a right-to-left line lies at the label's left edge): texts are wrapped and placed that far
// inside the label, so the last letter of a line is never cut.
int LeftOverhang(const QFontMetrics& metrics)
{
    return std::max(0, -metrics.minLeftBearing());
}

int RightOverhang(const QFontMetrics& metrics)
{
    return std::max(0, -metrics.minRightBearing());
}

} // namespace

CShadeLabel::CShadeLabel(QStatusBar* statusBar) : QLabel(nullptr), m_pStatusBar(statusBar) {}

CShadeLabel::~CShadeLabel()
{
    if (m_iCycleTimer && !m_bPaused)
        killTimer(m_iCycleTimer);
}

bool CShadeLabel::AddText(const QString& text)
{
    if (text.isEmpty() || m_texts.contains(text))
        return false;
    m_texts.append(text);
    UpdateHeight();
    return true;
}

void CShadeLabel::SetLineHeight(int height)
{
    m_iLineHeight = height;
    UpdateHeight();
}

void CShadeLabel::UpdateHeight()
{
    // The owner places a label without a line height itself.
    if (m_iLineHeight <= 0)
        return;
    const QFontMetrics metrics(font());
    const int line = std::max(m_iLineHeight, metrics.height());
    const int room = width() - LeftOverhang(metrics) - RightOverhang(metrics);
    bool wide = metrics.horizontalAdvance(text()) > room;
    for (const QString& each : m_texts)
        wide = wide || metrics.horizontalAdvance(each) > room;
    const int wanted = wide ? line + metrics.lineSpacing() : line;
    if (wanted == height() && minimumHeight() == wanted)
        return;
    setFixedHeight(wanted);
    // A fixed-size widget's new height reaches no layout by itself: the label's holder (a stack
    // of header lines) is told, so it grows with the second line instead of cutting it.
    if (QWidget* holder = parentWidget())
        holder->updateGeometry();
}

void CShadeLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        UpdateHeight();
}

void CShadeLabel::Clear()
{
    if (isVisible())
        SetShadeHidden(true);
    m_texts.clear();
    setText(QString());
    UpdateHeight();
}

void CShadeLabel::SetText(const QString& text)
{
    QLabel::setText(text);
    UpdateHeight();
}

void CShadeLabel::RestartCycleTimer(int interval)
{
    if (m_iCycleTimer && !m_bPaused)
        killTimer(m_iCycleTimer);
    m_bPaused = false;
    m_iCycleTimer = interval > 0 ? startTimer(interval) : 0;
}

void CShadeLabel::SetShadeHidden(bool hide)
{
    if (hide)
    {
        RestartCycleTimer(0);
        QLabel::hide();
        return;
    }
    RestartCycleTimer(0);
    m_iScrollStep = 0;
    if (m_texts.size() > 1)
    {
        SetText(m_texts.at(FirstCycleValue() % m_texts.size()));
        RestartCycleTimer(kSlideInterval);
    }
    else if (m_texts.size() == 1)
    {
        SetText(m_texts.first());
    }
    show();
}

QString CShadeLabel::NextText() const
{
    const int index = m_texts.indexOf(text());
    if (index < 0)
        return QString();
    return m_texts.at((index + 1) % m_texts.size());
}

void CShadeLabel::ShowNextText()
{
    SetText(NextText());
}

void CShadeLabel::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_iCycleTimer || m_bPaused)
    {
        QLabel::timerEvent(event);
        return;
    }
    ++m_iScrollStep;
    if (m_iScrollStep == 1)
    {
        RestartCycleTimer(kRestInterval);
        return;
    }
    if (m_iScrollStep == 2)
        RestartCycleTimer(kSlideInterval);
    if (m_iScrollStep >= height())
    {
        ShowNextText();
        m_iScrollStep = 0;
    }
    update();
}

void CShadeLabel::enterEvent(QEnterEvent*)
{
    if (m_pStatusBar)
        m_pStatusBar->showMessage(text());
    if (m_iCycleTimer && !m_bPaused)
    {
        killTimer(m_iCycleTimer);
        m_bPaused = true;
    }
}

void CShadeLabel::leaveEvent(QEvent*)
{
    if (m_pStatusBar)
        m_pStatusBar->clearMessage();
    if (m_iCycleTimer)
        RestartCycleTimer(kSlideInterval);
}

void CShadeLabel::DrawText(QPainter& painter, const QRect& rect, const QString& text) const
{
    const QFontMetrics metrics(font());
    const QRect inside = rect.adjusted(LeftOverhang(metrics), 0, -RightOverhang(metrics), 0);
    const int wrapped = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    if (metrics.horizontalAdvance(text) <= inside.width() ||
        metrics.boundingRect(QRect(0, 0, inside.width(), 100000), wrapped, text).height() <= height())
    {
        painter.drawText(inside, wrapped, text);
        return;
    }
    const int limit = inside.width() - (metrics.horizontalAdvance(QStringLiteral("...")) + 5);
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, Elided(metrics, text, inside.width(), limit));
}

void CShadeLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.save();
    const QRect current(0, -m_iScrollStep, width(), height());
    DrawText(painter, current, text());
    if (m_texts.size() > 1)
        DrawText(painter, current.translated(0, height()), NextText());
    painter.restore();
}

void CShadeLabel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
}

void CShadeLabel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
}
