#include "FileDialogs.h"

#include "CMessageSeam.h"
#include "StyleTemplates.h"

namespace
{

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
