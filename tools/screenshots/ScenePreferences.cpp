// The preferences dialog opened from the main window's menu, one picture per page.
#include "ScreenshotScene.h"

#include "MainUI.h"
#include "Option.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>

namespace
{

using screens::SceneContext;

void PreferencesPages(SceneContext& context)
{
    CMainUI* window = context.Window();
    // The dialog runs its own loop inside Preferences(); the pictures are taken from a timer.
    auto* timer = new QTimer(window);
    QObject::connect(
        timer, &QTimer::timeout, window,
        [timer, &context]()
        {
            auto* dialog = qobject_cast<COption*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            const QList<QAction*> pages = dialog->findChild<QToolBar*>()->actions();
            const char* names[] = {"preferences-general", "preferences-network", "preferences-update"};
            for (int i = 0; i < pages.size() && i < 3; ++i)
            {
                pages.at(i)->trigger();
                context.Shot(QString::fromLatin1(names[i]), dialog);
            }
            dialog->close();
            timer->deleteLater();
        });
    timer->start(50);
    window->Preferences();
}

} // namespace

TIDEWELL_SCENE("90-preferences", PreferencesPages);
