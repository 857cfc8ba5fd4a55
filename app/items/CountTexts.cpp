#include "CountTexts.h"

QString CCountTexts::Clauses(const QString& first, const QString& second)
{
    return tr("%1, %2", "two clauses of one sentence").arg(first, second);
}

QString CCountTexts::Sentences(const QString& first, const QString& second)
{
    return tr("%1 %2", "two sentences of one message").arg(first, second);
}

QString CCountTexts::ScoreMessage(int code, int first, int second)
{
    switch (code)
    {
    case -12:
        return Clauses(tr("Scanned %n song(s)", nullptr, first),
                       tr("%n song(s) without artwork.", nullptr, second));
    case -4:
        return Sentences(tr("Fixed %n song(s) without artwork.", nullptr, first),
                         tr("Still %n song(s) not fixed.", nullptr, second));
    case -5:
        return Clauses(tr("Scanned %n song(s)", nullptr, first),
                       tr("%n song(s) without artist.", nullptr, second));
    case -6:
        return Sentences(tr("Fixed %n song(s) without artist.", nullptr, first),
                         tr("Still %n song(s) not fixed.", nullptr, second));
    case -7:
        return Clauses(tr("Scanned %n song(s)", nullptr, first),
                       tr("%n song(s) without album.", nullptr, second));
    case -8:
        return Sentences(tr("Fixed %n song(s) without album.", nullptr, first),
                         tr("Still %n song(s) not fixed.", nullptr, second));
    case -9:
        return Clauses(tr("Scanned %n song(s)", nullptr, first),
                       tr("%n song(s) unwritable,check them if exist in your computer.", nullptr, second));
    case -13:
        return second > 0 ? Sentences(tr("Removed %n missing song(s) from the library.", nullptr, first),
                                      tr("Still %n song(s) not fixed.", nullptr, second))
                          : tr("Removed %n missing song(s) from the library.", nullptr, first);
    case -10:
        return tr("%n unwritable song(s) not fixed\uFF0Cplease check them if exist in your computer.",
                  nullptr, first);
    default:
        return Sentences(tr("Fixed %n problem(s).", nullptr, first),
                         tr("Still %n song(s) unrecognized.", nullptr, second));
    }
}

QString CCountTexts::FixResult(int songs, int problems, int remaining)
{
    return Sentences(Clauses(tr("Fixed %n song(s)", nullptr, songs), tr("%n problem(s).", nullptr, problems)),
                     tr("Still %n problem(s) not fixed.", nullptr, remaining));
}

QString CCountTexts::DuplicatesFound(int songs, int duplicates)
{
    return Clauses(tr("Scanned %n song(s)", nullptr, songs),
                   tr("found %n duplicate(s).", nullptr, duplicates));
}

QString CCountTexts::DuplicatesRemoved(int removed)
{
    return tr("Removed %n duplicate(s). If not sure to remove, you can undo the removal.", nullptr, removed);
}

QString CCountTexts::DuplicateCount(int members)
{
    return tr("%n duplicate(s)", nullptr, members);
}

QString CCountTexts::ClearHistoryQuestion(int days, int seconds)
{
    return tr("Tidewell will clear the duplicates removal\nhistory that exists over %1 in %2.")
        .arg(tr("%n day(s)", "history older than", days), tr("%n second(s)", "cleared in", seconds));
}
