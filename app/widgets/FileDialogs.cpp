#include "FileDialogs.h"

#include "CMessageSeam.h"

QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter, QFileDialog::Options options)
{
    if (CMessageSeam::IsFileAnswererInstalled())
        return CMessageSeam::AnswerFiles({parent, caption, dir, filter});
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter, selectedFilter, options);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    if (CMessageSeam::IsFileAnswererInstalled())
    {
        const QStringList answer = CMessageSeam::AnswerFiles({parent, caption, dir, filter});
        return answer.isEmpty() ? QString() : answer.first();
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    if (CMessageSeam::IsFileAnswererInstalled())
    {
        const QStringList answer = CMessageSeam::AnswerFiles({parent, caption, dir, filter});
        return answer.isEmpty() ? QString() : answer.first();
    }
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}
