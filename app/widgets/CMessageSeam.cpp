#include "CMessageSeam.h"

#include <utility>

CMessageSeam::Answerer& CMessageSeam::Current()
{
    static Answerer answerer;
    return answerer;
}

CMessageSeam::Scope::Scope(Answerer answerer) : m_previous(std::exchange(Current(), std::move(answerer))) {}

CMessageSeam::Scope::~Scope()
{
    Current() = std::move(m_previous);
}

bool CMessageSeam::IsInstalled()
{
    return static_cast<bool>(Current());
}

int CMessageSeam::Answer(const MessageQuestion& question)
{
    // A copy, so an answerer that installs another one for a nested question stays alive.
    const Answerer answerer = Current();
    if (!answerer)
        return 0;
    const int answer = answerer(question);
    return (answer >= 1 && answer <= question.buttons.size()) ? answer : 0;
}

CMessageSeam::FileAnswerer& CMessageSeam::CurrentFiles()
{
    static FileAnswerer answerer;
    return answerer;
}

CMessageSeam::FileScope::FileScope(FileAnswerer answerer)
    : m_previous(std::exchange(CurrentFiles(), std::move(answerer)))
{
}

CMessageSeam::FileScope::~FileScope()
{
    CurrentFiles() = std::move(m_previous);
}

bool CMessageSeam::IsFileAnswererInstalled()
{
    return static_cast<bool>(CurrentFiles());
}

QStringList CMessageSeam::AnswerFiles(const FileQuestion& question)
{
    const FileAnswerer answerer = CurrentFiles();
    return answerer ? answerer(question) : QStringList();
}
