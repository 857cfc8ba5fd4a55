#pragma once

#include <QLabel>
#include <QList>

// One line made of plain and clickable (link) text segments; a click on a link emits Clicked
// with that segment's index, counted in the order the segments were added. In a right-to-left
// language the segments are shown in reverse order, and a click still reports the segment's own
// index (so the link "Apply Result" always answers the same number). GUI thread.
class CRichLabel : public QLabel
{
    Q_OBJECT

public:
    enum Kind
    {
        Plain = 0,
        Link = 1
    };

    explicit CRichLabel(QWidget* parent = nullptr);
    ~CRichLabel() override;

    // Appends a segment and widens the minimum size by its text.
    void AddText(const QString& text, int kind);
    // Appends a segment; the size is fixed later by AdjustLabelSize.
    void AppendText(const QString& text, int kind);
    // Hides the label and removes every segment.
    void Clear();
    // Fixes the size for the segments. For Arabic the order is shown right to left and the width
    // fixed at 240 x scale (or the sentence's width when that is more); otherwise a minimum width
    // that holds the whole line.
    void AdjustLabelSize();

    int SegmentCount() const { return m_texts.size(); }
    bool IsRightToLeft() const { return m_bRightToLeft; }
    // Left edge and width of a segment as drawn, by its own index; (-1, 0) when out of range.
    QPair<int, int> SegmentSpan(int index) const;

signals:
    void Clicked(int index);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Segment indexes in the order they are drawn from the left.
    QList<int> DrawOrder() const;

    QStringList m_texts;
    QList<int> m_kinds;
    int m_iHovered = -1;
    int m_iProbeTimer = 0;
    int m_iRunningWidth = 0;
    int m_iBaseHeight = -1; // height before the first AdjustLabelSize, so repeats do not compound
    bool m_bRightToLeft = false;
};
