#pragma once

#include <QHeaderView>

// A header whose section texts never run past their section: a text the section cannot hold is
// shortened at the end it is read to with "…", measured by the style in use, so a style sheet's
// font and padding and the sort mark count too. GUI thread.
class CElidingHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit CElidingHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    int TextWidth(const QStyleOptionHeader& option, const QString& text) const;
};
