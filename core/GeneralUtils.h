#pragma once

#include <QString>

// Path and folder helpers used from start-up on. Stateless; called from the GUI thread.

// A copy of the path with every '/' replaced by the platform separator. On Linux that is '/'
// again, so the path comes back unchanged; backslashes are never touched.
QString ToNativeSeparators(const QString& path);

// True when a folder exists at the path (relative paths are taken from the current folder),
// otherwise creates it with every missing parent and answers whether that worked.
bool CreateDirPath(const QString& path);

// Shows a file selected in the desktop's file manager, or opens a folder. False (and nothing
// started) when nothing exists at the path.
bool ShowInExplorer(const QString& path);
