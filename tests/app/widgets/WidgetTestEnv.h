#pragma once

#include "IMusicLinkHost.h"
#include "TempHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTreeWidget>
#include <QUrl>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

// A private home folder with a loaded settings object, for one test executable. The settings
// object is released (and the home removed) when the environment goes.
class WidgetTestEnv
{
public:
    WidgetTestEnv();
    ~WidgetTestEnv();

    static void SetLanguage(const QString& language);

private:
    std::unique_ptr<tidewell::test::TempHome> m_home;
};

// The visible top-level widget of type T opened last, or null.
template <typename T> T* TopLevelOf()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
    {
        if (auto* typed = qobject_cast<T*>(widget); typed && typed->isVisible())
            return typed;
    }
    return nullptr;
}

// Runs action once a widget found by finder is visible, polling from the event loop (so it also
// runs inside nested modal loops). Gives up silently after a few seconds.
void WhenVisible(std::function<QWidget*()> finder, std::function<void(QWidget*)> action);

// Drops the addresses on the middle of target as a file manager does: drag enter, then drop.
void DropUrls(QWidget* target, const QList<QUrl>& urls);

// A click on the check box of a row's first column, where the style draws it.
void ClickCheck(QTreeWidget* tree, QTreeWidgetItem* item);

// The smallest rectangle inside area holding every pixel that differs from the area's background
// (the colour of its top-left pixel) by more than a few levels in a channel: where the text or
// picture drawn there really lies. Null when nothing is drawn.
QRect InkBounds(const QImage& image, const QRect& area);

// The drawn part of area alone, so two drawings compare whatever their alignment.
QImage InkOf(const QImage& image, const QRect& area);

// How close a button's text is drawn to any other drawing on its lines (its icon, the edge of
// its picture), in pixels: the text is what changes when the text is taken away, measured on the
// rendered button. -1 when the button draws no text.
int TextClearance(QAbstractButton* button);

// Answers every link the program opens, so no browser starts: register it for a scheme with
// QDesktopServices::setUrlHandler(scheme, &catcher, "Open").
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

// The window's side of the music link for tests of a single page: clean-files work mode, no
// duplicate engine, and a count of the analysis ends the manager reported.
class TestLinkHost : public IMusicLinkHost
{
public:
    EWorkMode GetWorkMode() const override { return EWorkMode::Files; }
    int GetDedupeTotal() const override { return 0; }
    void SetDedupeTotal(int) override {}
    void RestartAnalyzeThread() override { ++restarts; }
    std::atomic<int> restarts{0};
};
