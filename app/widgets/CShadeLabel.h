#pragma once

#include <QLabel>
#include <QPointer>
#include <QStringList>

class QStatusBar;

// A label that cycles through several texts: each rests about ten seconds, then slides up pixel
// by pixel while the next one comes in from below. Under the pointer it stops and puts its full
// text into the status bar. A text wider than the label wraps onto a second line (the label
// grows to two lines while one of its texts needs them); only a text that two lines cannot hold
// is cut with "...". Created without a parent and placed by its owner. GUI thread.
class CShadeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CShadeLabel(QStatusBar* statusBar);
    ~CShadeLabel() override;

    // Adds a text to the cycle; false for an empty text or one already there.
    bool AddText(const QString& text);
    // Hides the label (stopping the cycle) and forgets every text.
    void Clear();
    void SetText(const QString& text);
    // true: stop and hide. false: show one text, or cycle through several from a fixed start.
    void SetShadeHidden(bool hide);
    // The text after the shown one (after the last, the first); empty when the shown text is not
    // one of the cycle's.
    QString NextText() const;
    void ShowNextText();

    const QStringList& Texts() const { return m_texts; }
    // The height of one line: from then on the label is one line high, or two while one of its
    // texts is wider than the label. Without it the owner keeps the label's height.
    void SetLineHeight(int height);
    int ScrollStep() const { return m_iScrollStep; }
    int CycleTimerId() const { return m_iCycleTimer; }

protected:
    void timerEvent(QTimerEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RestartCycleTimer(int interval);
    // One line, or two while a text of the cycle (or the one shown) is wider than the label.
    void UpdateHeight();
    void DrawText(QPainter& painter, const QRect& rect, const QString& text) const;

    QPointer<QStatusBar> m_pStatusBar;
    QStringList m_texts;
    int m_iScrollStep = 0;
    int m_iCycleTimer = 0;
    bool m_bPaused = false; // under the pointer: the timer is killed, its id kept as a marker
    int m_iLineHeight = 0;  // 0: the height is the owner's
};
