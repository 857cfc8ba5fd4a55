#include "ElidingHeader.h"

#include <QStyle>
#include <QStyleOptionHeader>

CElidingHeader::CElidingHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

int CElidingHeader::NeededWidth(const QStyleOptionHeader& option, const QString& text) const
{
    QStyleOptionHeader probe(option);
    probe.text = text;
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &probe, QSize(), this).width();
}

void CElidingHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    const QString text = option->text;
    const int room = sectionSize(logicalIndex);
    if (text.isEmpty() || NeededWidth(*option, text) <= room)
        return;
    // The longest start of the text that fits with the ellipsis; at least one character.
    const QChar ellipsis(0x2026);
    int low = 1;
    int high = text.size() - 1;
    while (low < high)
    {
        const int middle = (low + high + 1) / 2;
        if (NeededWidth(*option, text.left(middle).trimmed() + ellipsis) <= room)
            low = middle;
        else
            high = middle - 1;
    }
    option->text = text.left(low).trimmed() + ellipsis;
}
