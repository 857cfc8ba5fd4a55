#pragma once

#include <QCoreApplication>
#include <QString>

// The messages that carry counts. Each count is one plural form of its own, so every language
// words "1 song", "2 songs" and "5 songs" its own way; a message with several counts joins its
// parts through a translatable pattern, so the order and the punctuation between them are the
// language's too. The report, the duplicate finder and the main window all build their messages
// here, so a language switch words a message exactly as the run that produced it did.
class CCountTexts
{
    Q_DECLARE_TR_FUNCTIONS(CCountTexts)

public:
    // The score screen's message for a report message code (-4 ... -13; any other code is the
    // unrecognized songs' message). first and second are the message's two counts.
    static QString ScoreMessage(int code, int first, int second);
    // After a fix run: songs fixed, problems fixed, problems left.
    static QString FixResult(int songs, int problems, int remaining);
    static QString DuplicatesFound(int songs, int duplicates);
    static QString DuplicatesRemoved(int removed);
    // The size cell of a duplicate group.
    static QString DuplicateCount(int members);
    static QString ClearHistoryQuestion(int days, int seconds);

private:
    // "Scanned 5 songs, 2 songs without artist.": two clauses of one sentence.
    static QString Clauses(const QString& first, const QString& second);
    // "Fixed 2 songs without artist. Still 1 song not fixed.": two sentences of one message.
    static QString Sentences(const QString& first, const QString& second);
};
