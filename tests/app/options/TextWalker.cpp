#include "TextWalker.h"

#include "CShadeLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QXmlStreamReader>

#include <functional>

namespace
{

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
        if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
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

// Every text the walker looks at, with the widget showing it and whether to measure it.
void ForEachText(QWidget* window, const std::function<void(const QWidget*, const QString&, bool)>& check)
{
    check(window, window->windowTitle(), false);
    for (QWidget* widget : window->findChildren<QWidget*>())
    {
        if (!widget->isVisibleTo(window) || !widget->isVisible())
            continue;
        check(widget, widget->toolTip(), false);
        if (auto* shade = qobject_cast<CShadeLabel*>(widget))
        {
            // Every text the label cycles through, not only the one showing now.
            for (const QString& text : shade->Texts())
                check(shade, text, true);
            check(shade, shade->text(), true);
        }
        else if (auto* label = qobject_cast<QLabel*>(widget))
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
}

} // namespace

QStringList LeftoverTexts(QWidget* window, const QString& code)
{
    QStringList problems;
    const QHash<QString, QStringList> table = ReadTranslations(code);
    QSet<QString> foreign;
    for (auto it = table.constBegin(); it != table.constEnd(); ++it)
    {
        for (const QString& translation : it.value())
        {
            if (translation != it.key() && !translation.trimmed().isEmpty())
                foreign.insert(translation.trimmed());
        }
    }
    ForEachText(window,
                [&](const QWidget* widget, const QString& text, bool)
                {
                    if (foreign.contains(text.trimmed()))
                        problems << QStringLiteral("%1 %2 \"%3\": still in %4")
                                        .arg(QString::fromLatin1(widget->metaObject()->className()),
                                             widget->objectName(), text, code);
                });
    return problems;
}

QStringList WalkTexts(QWidget* window, const QString& code)
{
    QStringList problems;
    const QHash<QString, QStringList> table = ReadTranslations(code);
    if (table.isEmpty())
        return {QStringLiteral("no translation file for %1").arg(code)};

    // A translation may be as wide as its English source: where the source itself does not fit,
    // the window's layout is at fault, not the translation.
    QHash<QString, QString> sourceOf;
    for (auto it = table.constBegin(); it != table.constEnd(); ++it)
        for (const QString& translation : it.value())
            sourceOf.insert(translation, it.key());
    auto fitsLikeSource = [&](const QWidget* widget, const QString& text)
    {
        const auto source = sourceOf.constFind(text);
        if (source == sourceOf.constEnd())
            return false;
        const QFontMetrics metrics = widget->fontMetrics();
        return metrics.horizontalAdvance(text) <= metrics.horizontalAdvance(*source);
    };
    auto check = [&](const QWidget* widget, const QString& text, bool measure)
    {
        if (text.trimmed().isEmpty())
            return;
        const QString where =
            QStringLiteral("%1 %2 \"%3\"")
                .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
        if (StillEnglish(table, text))
            problems << where + QStringLiteral(": not translated");
        if (measure && TooWide(widget, text) && !fitsLikeSource(widget, text))
            problems << where + QStringLiteral(": wider than its widget");
    };

    ForEachText(window, check);
    return problems;
}
