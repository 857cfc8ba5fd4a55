#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// One modal question as the user would see it.
struct MessageQuestion
{
    QWidget* parent = nullptr;
    QString title;
    QString text;
    int type = 0;
    QStringList buttons; // the visible buttons' texts, first to last, as shown (type 0: "OK")
    int countdown = 0;   // seconds until the first button takes itself; 0 for none
};

// One file-picker question.
struct FileQuestion
{
    QWidget* parent = nullptr;
    QString caption;
    QString dir;
    QString filter;
};

// The one place where modal questions can be answered without showing them. The message box
// and the duplicate-removal confirmation ask it first; while an answerer is installed they return
// its answer and no window opens, so GUI tests run headless and never block. The answer is the
// number of the button pressed (1 for the first) or 0 for "closed otherwise"; a number outside
// the buttons shown counts as 0. GUI thread only, like the boxes themselves.
class CMessageSeam
{
public:
    using Answerer = std::function<int(const MessageQuestion&)>;

    // Installs an answerer for the lifetime of the object and restores the previous one after.
    class Scope
    {
    public:
        explicit Scope(Answerer answerer);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Answerer m_previous;
    };

    static bool IsInstalled();
    // Answers through the installed answerer, the answer held to 0..buttons. Only with one.
    static int Answer(const MessageQuestion& question);

    // File pickers ask the same way: while a file answerer is installed they return its list
    // (empty for "cancelled") and no dialog opens.
    using FileAnswerer = std::function<QStringList(const FileQuestion&)>;
    class FileScope
    {
    public:
        explicit FileScope(FileAnswerer answerer);
        ~FileScope();
        FileScope(const FileScope&) = delete;
        FileScope& operator=(const FileScope&) = delete;

    private:
        FileAnswerer m_previous;
    };
    static bool IsFileAnswererInstalled();
    static QStringList AnswerFiles(const FileQuestion& question);

private:
    static Answerer& Current();
    static FileAnswerer& CurrentFiles();
};
