#include "ElidingHeader.h"

#include <QStyle>
#include <QStyleOptionHeader>

CElidingHeader::CElidingHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

int CElidingHeader::TextWidth(const QStyleOptionHeader& option, const QString& text) const
{
    // The style's size of a section with the text less that of one with an empty text: the
    // text's width in the font the style draws it in (a style sheet's, where one sets it).
    const auto sectionWidth = [&](const QString& shown)
    {
        QStyleOptionHeader probe(option);
        probe.text = shown;
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &probe, QSize(), this).width();
    };
    return sectionWidth(text) - sectionWidth(QStringLiteral(""));
}

void CElidingHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    const QString text = option->text;
    if (text.isEmpty() || orientation() != Qt::Horizontal)
        return;
    // Where the style draws the text: the section less its padding and the sort mark, and less
    // the header margin on each side, inside which the text is clipped.
    QStyleOptionHeader probe(*option);
    probe.rect = QRect(0, 0, sectionSize(logicalIndex), height());
    const int room = style()->subElementRect(QStyle::SE_HeaderLabel, &probe, this).width() -
                     2 * style()->pixelMetric(QStyle::PM_HeaderMargin, &probe, this);
    if (TextWidth(*option, text) <= room)
        return;
    // The longest start of the text that fits with the ellipsis; at least one character.
    const QChar ellipsis(0x2026);
    int low = 1;
    int high = text.size() - 1;
    while (low < high)
    {
        const int middle = (low + high + 1) / 2;
        if (TextWidth(*option, text.left(middle).trimmed() + ellipsis) <= room)
            low = middle;
        else
            high = middle - 1;
    }
    option->text = text.left(low).trimmed() + ellipsis;
}
