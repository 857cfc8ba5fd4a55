#include "FileDialogs.h"

#include "CMessageSeam.h"
#include "StyleTemplates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace
{

// Draws a widget's texts left to right whatever the window's direction: for the picker's folder
// path and its file patterns, which are not sentences of the language. Owned by the picker.
class CLeftToRightTextStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole) const override
    {
        const Qt::LayoutDirection direction = painter->layoutDirection();
        painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        painter->setLayoutDirection(direction);
    }
};

// Qt's picker in the program's look: its icons at the interface's scale, its buttons (text alone)
// wide enough for any text they take in the language with room on both sides, and the folder path reading
// left to right inside a right-to-left window (a path is not a sentence of the language).
void FitPicker(QFileDialog& dialog)
{
    const QSize iconSize(ScaledInt(16), ScaledInt(16));
    for (auto* button : dialog.findChildren<QToolButton*>())
        button->setIconSize(iconSize);
    for (auto* view : dialog.findChildren<QAbstractItemView*>())
        view->setIconSize(iconSize);
    for (auto* combo : dialog.findChildren<QComboBox*>())
        combo->setIconSize(iconSize);
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
    {
        // The accept button changes its text with the selection; these are Qt's texts, looked up
        // in Qt's translation.
        static constexpr const char* kPickerContext = "QFileDialog";
        static constexpr const char* kAcceptSources[] = {"&Open", "&Choose", "&Save"};
        QStringList acceptTexts;
        for (const char* source : kAcceptSources)
            acceptTexts << QCoreApplication::translate(kPickerContext, source);
        for (QAbstractButton* button : box->buttons())
        {
            const QFontMetrics metrics(button->font());
            int text = metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
            if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
            {
                for (const QString& candidate : acceptTexts)
                    text = std::max(text,
                                    metrics.horizontalAdvance(QString(candidate).remove(QLatin1Char('&'))));
            }
            // Text alone, as on the program's own buttons: beside an icon Qt pushes a right-to-left
            // text against the button's far edge once the button is wider than its hint.
            button->setIcon(QIcon());
            button->setMinimumWidth(std::max(button->sizeHint().width(), text + ScaledInt(32)));
            button->setMinimumHeight(std::max(button->sizeHint().height(), metrics.height() + ScaledInt(10)));
        }
    }
    if (dialog.isRightToLeft())
    {
        auto* leftToRight = new CLeftToRightTextStyle();
        leftToRight->setParent(&dialog);
        for (const char* name : {"lookInCombo", "fileTypeCombo"})
        {
            if (auto* combo = dialog.findChild<QComboBox*>(QLatin1String(name)))
                combo->setStyle(leftToRight);
        }
        // The path's field itself runs left to right too: its folder icon in front of the path's
        // beginning, which is then never cut.
        if (auto* lookIn = dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo")))
            lookIn->setLayoutDirection(Qt::LeftToRight);
    }
}

// The picker at the interface's scale: its texts are drawn at the scale, so it opens as much
// larger as they are.
QStringList RunPicker(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                      QFileDialog::FileMode mode, QFileDialog::AcceptMode accept, QString* selectedFilter,
                      QFileDialog::Options options)
{
    if (CMessageSeam::IsFileAnswererInstalled())
        return CMessageSeam::AnswerFiles({parent, caption, dir, filter});
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setOptions(options);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    FitPicker(dialog);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(ScaledInt(640), ScaledInt(420))));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles();
}

} // namespace

QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    return RunPicker(parent, caption, dir, filter, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen,
                     selectedFilter, options);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return RunPicker(parent, caption, dir, filter, QFileDialog::ExistingFile, QFileDialog::AcceptOpen,
                     nullptr, {})
        .value(0);
}

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return RunPicker(parent, caption, dir, filter, QFileDialog::AnyFile, QFileDialog::AcceptSave, nullptr, {})
        .value(0);
}

QString ProjectFileFilter()
{
    return QCoreApplication::translate("FileDialogs", "files (*.zavrodata)");
}
