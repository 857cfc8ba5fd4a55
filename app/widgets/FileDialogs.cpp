#include "FileDialogs.h"

#include "CMessageSeam.h"

QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                             QString* selectedFilter, QFileDialog::Options options)
{
    if (CMessageSeam::IsFileAnswererInstalled())
        return CMessageSeam::AnswerFiles({parent, caption, dir, filter});
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
}
