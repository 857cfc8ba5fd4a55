#include "TextWalker.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

namespace {

// Source text -> its translations, over every context of the file.
QHash<QString, QStringList> ReadTranslations(const QString& code)
{
    QHash<QString, QStringList> table;
    QFile file(QStringLiteral(TIDEWELL_TS_DIR "/tidewell_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            table[source] << xml.readElementText();
    }
    return table;
}

bool StillEnglish(const QHash<QString, QStringList>& table, const QString& text)
{
    auto found = table.constFind(text);
    if (found == table.constEnd())
        found = table.constFind(text.trimmed()); // title bars pad their text with blanks
    // English when the text is a source that no context leaves as it is.
    return found != table.constEnd() && !found->contains(text) && !found->contains(text.trimmed());
}

bool TooWide(const QWidget* widget, const QString& text)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
    {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().startsWith(QLatin1Char('<')))
            return false;
        // Each line of a label set with explicit line breaks.
        for (const QString& line : text.split(QLatin1Char('\n')))
        {
            if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width())
                return true;
        }
        return false;
    }
    if (text.contains(QLatin1Char('\n')))
        return false;
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
    {
        const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
        return combo->fontMetrics().horizontalAdvance(text) + arrow > combo->width();
    }
    // Buttons and boxes: the layout could not give them the room their text needs.
    return widget->width() < widget->minimumSizeHint().width();
}

} // namespace

QStringList WalkTexts(QWidget* window, const QString& code)
{
    QStringList problems;
    const QHash<QString, QStringList> table = ReadTranslations(code);
    if (table.isEmpty())
        return {QStringLiteral("no translation file for %1").arg(code)};

    auto check = [&](const QWidget* widget, const QString& text, bool measure)
    {
        if (text.trimmed().isEmpty())
            return;
        const QString where = QStringLiteral("%1 %2 \"%3\"")
                                  .arg(QString::fromLatin1(widget->metaObject()->className()),
                                       widget->objectName(), text);
        if (StillEnglish(table, text))
            problems << where + QStringLiteral(": not translated");
        if (measure && TooWide(widget, text))
            problems << where + QStringLiteral(": wider than its widget");
    };

    check(window, window->windowTitle(), false);
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
    {
        if (!widget->isVisibleTo(window) || !widget->isVisible())
            continue;
        check(widget, widget->toolTip(), false);
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(label, label->text(), true);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(button, button->text(), true);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
        {
            for (int i = 0; i < combo->count(); ++i)
                check(combo, combo->itemText(i), false);
            check(combo, combo->currentText(), true);
        }
        else if (auto* toolBar = qobject_cast<QToolBar*>(widget))
        {
            for (QAction* action : toolBar->actions())
            {
                check(toolBar, action->text(), false);
                check(toolBar, action->toolTip(), false);
            }
        }
    }
    return problems;
}
