#include "OwnDirectionDelegate.h"

QString COwnDirectionDelegate::Isolated(const QString& text)
{
    if (text.isEmpty())
        return text;
    // First-strong isolate: the direction of the text's first letter; left-to-right isolate for
    // a path, whose folder names must not reorder it.
    const QChar open = text.startsWith(QLatin1Char('/')) ? QChar(0x2066) : QChar(0x2068);
    return open + text + QChar(0x2069);
}

void COwnDirectionDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->features & QStyleOptionViewItem::HasDisplay)
        option->text = Isolated(option->text);
}
