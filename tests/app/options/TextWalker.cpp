#include "TextWalker.h"

#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace
{

// What the translation file of one language holds.
struct Translations
{
    // Source text -> its translations, over every context of the file.
    QHash<QString, QStringList> table;
    // Every form of every plural message, as a pattern with the count as digits.
    QList<QRegularExpression> pluralForms;
    // Translations of texts with a count ("song(s)") that are not plural messages.
    QList<QRegularExpression> countsWithoutPlural;
};

// A translation as a pattern: %n stands for digits, %1...%9 for any text.
QRegularExpression AsPattern(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(n|\\d)"));
    QString pattern;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
        pattern += match.captured(1) == QLatin1String("n") ? QStringLiteral("\\d+") : QStringLiteral(".+");
        from = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(pattern);
}

Translations ReadTranslations(const QString& code)
{
    Translations result;
    QFile file(QStringLiteral(TIDEWELL_TS_DIR "/tidewell_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    const QRegularExpression counted(QStringLiteral("%\\d.*\\(s\\)|\\(s\\).*%\\d"));
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message"))
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("numerusform"))
        {
            const QString form = xml.readElementText();
            result.table[source] << form;
            if (form.contains(QLatin1String("%n")))
                result.pluralForms << AsPattern(form);
        }
        else if (xml.name() == QLatin1String("translation") && !numerus)
        {
            const QString translation = xml.readElementText();
            result.table[source] << translation;
            if (counted.match(source).hasMatch())
                result.countsWithoutPlural << AsPattern(translation);
        }
    }
    return result;
}

bool StillEnglish(const QHash<QString, QStringList>& table, const QString& text)
{
    auto found = table.constFind(text);
    if (found == table.constEnd())
        found = table.constFind(text.trimmed()); // title bars pad their text with blanks
    // English when the text is a source that no context leaves as it is.
    return found != table.constEnd() && !found->contains(text) && !found->contains(text.trimmed());
}

// Whether a text is one of the interface's own (a translation, or made from plural forms) rather
// than data such as a song title or a path.
bool InterfaceText(const Translations& translations, const QSet<QString>& known, const QString& text)
{
    if (known.contains(text) || known.contains(text.trimmed()))
        return true;
    for (const QRegularExpression& form : translations.pluralForms)
    {
        if (form.match(text).hasMatch())
            return true;
    }
    return false;
}

// A number followed by a word ("5 songs", "5 песен", "5 曲") must come from a plural form.
QStringList CountProblems(const Translations& translations, const QSet<QString>& known, QString text)
{
    QStringList problems;
    // Digits a translation holds as they are ("choose 1 mode") are no count.
    if (known.contains(text.trimmed()))
        return problems;
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    for (const QRegularExpression& pattern : translations.countsWithoutPlural)
    {
        if (pattern.match(text).hasMatch())
        {
            problems << QStringLiteral("count text is not a plural form");
            break;
        }
    }
    static const QRegularExpression counted(QStringLiteral(
        "(?<![\\p{L}\\d.,:/-])\\d+ ?(?!(?:kbps|kb/s|kbit/s|KB|MB|Mo|GB|Hz|kHz|ms|px)\\b|"
        "\u041C\u0411|\u043A\u0431\u0438\u0442/\u0441|\u0645\u064A\u063A\u0627\u0628\u0627\u064A\u062A|"
        "\u0643\\.\u0628/\u062B)(?=\\p{L})"));
    QList<QPair<int, int>> covered;
    for (const QRegularExpression& form : translations.pluralForms)
    {
        for (auto it = form.globalMatch(text); it.hasNext();)
        {
            const QRegularExpressionMatch match = it.next();
            covered.append({match.capturedStart(), match.capturedEnd()});
        }
    }
    for (auto it = counted.globalMatch(text); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        const bool inForm =
            std::any_of(covered.cbegin(), covered.cend(),
                        [&](const QPair<int, int>& span) {
                            return span.first <= match.capturedStart() && match.capturedEnd() <= span.second;
                        });
        if (!inForm)
        {
            problems << QStringLiteral("number \"%1\" without a plural form").arg(match.captured().trimmed());
            break;
        }
    }
    return problems;
}

// The least room between a text and its button's icon or border, in rendered pixels.
constexpr int kTextClearance = 6;

// The room a button gives its text: its contents (style sheet paddings and borders taken off),
// less the icon it draws beside the text.
int ButtonTextRoom(const QAbstractButton* button)
{
    if (const auto* tool = qobject_cast<const QToolButton*>(button))
    {
        // Text under (or instead of) the icon has the button's width; beside it, what the icon
        // leaves.
        int room = tool->contentsRect().width() - 2;
        if (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull())
            room -= tool->iconSize().width() + 4;
        return room;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    int room = button->style()->subElementRect(element, &option, button).width();
    if (element == QStyle::SE_PushButtonContents && !button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

// Why a text is not drawn whole in its widget; empty when it is.
QString CutText(const QWidget* widget, const QString& text)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* shade = qobject_cast<const CShadeLabel*>(widget))
    {
        // One line, or wrapped onto the lines the label's height holds; cut otherwise.
        if (metrics.horizontalAdvance(text) <= shade->width())
            return {};
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, shade->width(), 100000), Qt::AlignLeft | Qt::TextWordWrap, text);
        return needed.height() <= shade->height() ? QString() : QStringLiteral("cut with \"...\"");
    }
    if (const auto* rich = qobject_cast<const CRichLabel*>(widget))
    {
        for (int i = 0; i < rich->SegmentCount(); ++i)
        {
            const QPair<int, int> span = rich->SegmentSpan(i);
            if (span.first < 0 || span.first + span.second > rich->width())
                return QStringLiteral("sentence wider than its label");
        }
        return {};
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget))
    {
        if (text.contains(QChar(0x2026)))
            return QStringLiteral("cut with \"...\"");
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        {
            if (label->heightForWidth(label->width()) > label->height() + 1)
                return QStringLiteral("wrapped text taller than its label");
            return {};
        }
        // Each line of a label set with explicit line breaks.
        for (const QString& line : text.split(QLatin1Char('\n')))
        {
            if (metrics.horizontalAdvance(line) > room.width())
                return QStringLiteral("wider than its label");
        }
        if (metrics.lineSpacing() * (text.count(QLatin1Char('\n')) + 1) >
            room.height() + metrics.leading() + 2)
            return QStringLiteral("taller than its label");
        return {};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
    {
        // The field beside the arrow, as the combo's style (sheet included) lays it out.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.currentText = text;
        option.editable = combo->isEditable();
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        return metrics.horizontalAdvance(text) > room ? QStringLiteral("combo value cut") : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
    {
        if (text.contains(QLatin1Char('\n')))
            return {};
        if (widget->width() < widget->minimumSizeHint().width())
            return QStringLiteral("button narrower than its text");
        if (metrics.horizontalAdvance(text) > ButtonTextRoom(button))
            return QStringLiteral("runs over the button's icon or border");
        // A button drawn from a picture, and a tool bar's text beside its icon: measured on their
        // pixels.
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (button->property("actionPicture").isValid() ||
            (tool && tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon && !tool->icon().isNull()))
        {
            const int clearance = TextClearance(const_cast<QAbstractButton*>(button));
            if (clearance >= 0 && clearance < kTextClearance)
                return QStringLiteral("text %1 px from its icon or border").arg(clearance);
        }
        return {};
    }
    return {};
}

// The first parent (up to the window) that the widget sticks out of; null when none. Scrolling
// views show part of their contents on purpose and are not looked past.
const QWidget* ClippingParent(const QWidget* widget, const QWidget* window)
{
    // Where the text can be: the widget less its contents margins.
    QRect area = widget->contentsRect();
    const QWidget* child = widget;
    for (const QWidget* parent = widget->parentWidget(); parent && child != window;
         child = parent, parent = parent->parentWidget())
    {
        if (qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
            return nullptr;
        area.translate(child->pos());
        if (!parent->rect().contains(area))
            return parent;
    }
    return nullptr;
}

using Check = std::function<void(const QWidget*, const QString&, bool)>;

// Every text the walker looks at, with the widget showing it and whether to measure it.
void ForEachText(QWidget* window, const Check& check)
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
        else if (auto* rich = qobject_cast<CRichLabel*>(widget))
            check(rich, QStringLiteral("(sentence)"), true);
        else if (auto* label = qobject_cast<QLabel*>(widget))
        {
            check(label, label->text(), true);
            // Each run of words between the tags of a rich text is a text of its own.
            if (Qt::mightBeRichText(label->text()))
            {
                static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
                for (const QString& run : label->text().split(tag, Qt::SkipEmptyParts))
                    check(label, run, false);
            }
        }
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

QString Where(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
}

// Header sections and the interface texts of tree rows (counts, states): each must fit its
// column. Song titles, artists and paths are data and may be cut.
void WalkTrees(QWidget* window, const Translations& translations, const QSet<QString>& known,
               QStringList& problems)
{
    for (QTreeWidget* tree : window->findChildren<QTreeWidget*>())
    {
        if (!tree->isVisible())
            continue;
        QHeaderView* header = tree->header();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        QTreeWidgetItem* headerItem = tree->headerItem();
        for (int column = 0; header->isVisible() && column < tree->columnCount(); ++column)
        {
            const QString text = headerItem->text(column);
            if (text.trimmed().isEmpty() || header->isSectionHidden(column) ||
                header->sectionSize(column) == 0)
                continue;
            if (StillEnglish(translations.table, text))
                problems << Where(tree, text) + QStringLiteral(": not translated");
            const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * margin;
            if (needed > header->sectionSize(column) ||
                header->sectionViewportPosition(column) + needed > header->viewport()->width())
                problems << Where(tree, text) + QStringLiteral(": header cut");
        }
        const QRect visible = tree->viewport()->rect();
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
        {
            QTreeWidgetItem* item = *it;
            const QRect row = tree->visualItemRect(item);
            if (item->isHidden() || !row.isValid() || !visible.intersects(row))
                continue;
            for (int column = 0; column < tree->columnCount(); ++column)
            {
                const QString text = item->text(column);
                if (text.trimmed().isEmpty())
                    continue;
                // "12 duplicates" with the number glued in front is an interface text too.
                QString words = text;
                words.remove(QRegularExpression(QStringLiteral("\\d+")));
                const bool ours = InterfaceText(translations, known, text) || known.contains(words.trimmed());
                if (!ours)
                    continue;
                for (const QString& problem : CountProblems(translations, known, text))
                    problems << Where(tree, text) + QStringLiteral(": ") + problem;
                int room =
                    tree->columnWidth(column) - 2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
                if (!item->icon(column).isNull())
                    room -= tree->iconSize().isValid() ? tree->iconSize().width() : 16;
                if (column == tree->header()->logicalIndex(0))
                    room -= tree->indentation() * (item->parent() ? 2 : 1);
                if (tree->fontMetrics().horizontalAdvance(text) > room)
                    problems << Where(tree, text) + QStringLiteral(": cut in its column");
            }
        }
    }
}

} // namespace

QStringList LeftoverTexts(QWidget* window, const QString& code)
{
    QStringList problems;
    const Translations translations = ReadTranslations(code);
    QSet<QString> foreign;
    for (auto it = translations.table.constBegin(); it != translations.table.constEnd(); ++it)
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
                        problems << Where(widget, text) + QStringLiteral(": still in ") + code;
                });
    return problems;
}

QStringList VisibleTexts(QWidget* window)
{
    QStringList texts;
    ForEachText(window,
                [&](const QWidget* widget, const QString& text, bool)
                {
                    if (!text.trimmed().isEmpty())
                        texts << QString::fromLatin1(widget->metaObject()->className()) + u' ' +
                                     text.trimmed();
                });
    for (QTreeWidget* tree : window->findChildren<QTreeWidget*>())
    {
        for (QTreeWidgetItemIterator it(tree); tree->isVisible() && *it; ++it)
        {
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column).trimmed() + u' ' + (*it)->text(column);
        }
    }
    texts.sort();
    return texts;
}

QStringList WalkTexts(QWidget* window, const QString& code)
{
    QStringList problems;
    const Translations translations = ReadTranslations(code);
    if (translations.table.isEmpty())
        return {QStringLiteral("no translation file for %1").arg(code)};
    QSet<QString> known;
    for (auto it = translations.table.constBegin(); it != translations.table.constEnd(); ++it)
    {
        known.insert(it.key().trimmed());
        for (const QString& translation : it.value())
            known.insert(translation.trimmed());
    }

    QSet<const QWidget*> clipped;
    auto check = [&](const QWidget* widget, const QString& text, bool measure)
    {
        if (text.trimmed().isEmpty())
            return;
        const QString where = Where(widget, text);
        if (StillEnglish(translations.table, text))
            problems << where + QStringLiteral(": not translated");
        if (!measure)
            return;
        for (const QString& problem : CountProblems(translations, known, text))
            problems << where + QStringLiteral(": ") + problem;
        if (const QString cut = CutText(widget, text); !cut.isEmpty())
            problems << where + QStringLiteral(": ") + cut;
        if (const QWidget* parent = ClippingParent(widget, window); parent && !clipped.contains(widget))
        {
            clipped.insert(widget);
            const QRect area = widget->contentsRect().translated(widget->mapTo(parent, QPoint(0, 0)));
            problems << where + QStringLiteral(": clipped by its parent %1 %2 (%3,%4 %5x%6 in %7x%8)")
                                    .arg(QString::fromLatin1(parent->metaObject()->className()),
                                         parent->objectName())
                                    .arg(area.x())
                                    .arg(area.y())
                                    .arg(area.width())
                                    .arg(area.height())
                                    .arg(parent->width())
                                    .arg(parent->height());
        }
    };

    ForEachText(window, check);
    WalkTrees(window, translations, known, problems);
    // Buttons side by side draw their texts in one size: a step smaller at most.
    QList<QPushButton*> pictured;
    int largest = 0;
    for (QPushButton* button : window->findChildren<QPushButton*>())
    {
        if (button->isVisible() && button->property("actionPicture").isValid())
        {
            pictured << button;
            largest = std::max(largest, QFontInfo(button->font()).pixelSize());
        }
    }
    for (QPushButton* button : pictured)
    {
        if (QFontInfo(button->font()).pixelSize() < largest - ScaledInt(1))
            problems << Where(button, button->text()) + QStringLiteral(": font %1 px beside %2 px")
                                                            .arg(QFontInfo(button->font()).pixelSize())
                                                            .arg(largest);
    }
    problems.removeDuplicates();
    return problems;
}
