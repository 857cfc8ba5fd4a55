#pragma once

#include <QString>

// The UI log "UI.log" in the data folder, with rotated copies "UI_0.log" .. "UI_9.log" beside
// it (0 the oldest). Every use of the log file happens under g_uiLogMutex; any thread may call.

// Size from which the live log is moved aside to a numbered copy.
constexpr qint64 kUILogLimit = 10485760;

// Opens the log for appending when it is not open yet. False when it was already open, when
// there are no settings, or when the file cannot be opened.
bool OpenUILog();

// The log entry point: keeps the log present, open and under its size limit, rotating it to the
// next numbered copy at the limit, then appends the message as one line after a timestamp.
// 0, or -1 when the log cannot be opened or written.
int WriteUILog(const QString& message);

// Closes the log; a later WriteUILog opens it again.
void CloseUILog();
