#pragma once

#include <QFileDialog>
#include <QStringList>

// Opens the multi-file picker. Every argument goes to QFileDialog unchanged; an empty list
// means the user cancelled.
QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter = nullptr,
                             QFileDialog::Options options = {});

// The single-file picker and the save picker, asked through the same seam; empty when cancelled.
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);

// The filter of the pickers that save and open a project, in the interface language.
QString ProjectFileFilter();
