#include "WidgetTestEnv.h"

#include "AppSettings.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

WidgetTestEnv::WidgetTestEnv() : m_home(std::make_unique<tidewell::test::TempHome>())
{
    SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
    GetAppSettings();
}

WidgetTestEnv::~WidgetTestEnv()
{
    ReleaseAppSettings();
    SetAppSettingsExitHandler({});
}

void WidgetTestEnv::SetLanguage(const QString& language)
{
    GetAppSettings()->SetLanguage(language);
}

void DropUrls(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void WhenVisible(std::function<QWidget*()> finder, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, tries, finder = std::move(finder), action = std::move(action)]()
                     {
                         QWidget* widget = finder();
                         if (widget && widget->isVisible())
                         {
                             timer->stop();
                             timer->deleteLater();
                             action(widget);
                         }
                         else if (++*tries > 300)
                         {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start(10);
}
