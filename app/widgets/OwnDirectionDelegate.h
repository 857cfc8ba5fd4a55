#pragma once

#include <QStyledItemDelegate>

// Draws each cell's text in the direction of its own content, whatever the view's direction: a
// Latin title in a right-to-left window reads "21 Guns", not "Guns 21", and an Arabic title in a
// left-to-right window keeps its order too. A path (a text starting with '/') is always laid out
// left to right. The cell itself (alignment, icon, check box) still follows the view. Child of
// its view; GUI thread.
class COwnDirectionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text wrapped in the Unicode isolate that gives it its own direction.
    static QString Isolated(const QString& text);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
