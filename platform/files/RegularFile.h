#pragma once

#include <string>

// Whether a path names a regular file (after following links). Everything that reads a song,
// picture or project by a name that came from outside (a library, a project, a drop) asks first:
// opening a FIFO blocks until a writer appears and a device never ends, so either would hang the
// reader, and whoever waits for it.
bool isRegularFile(const char* path);
bool isRegularFile(const std::string& path);
