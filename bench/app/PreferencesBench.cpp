// Opens and closes the preferences dialog N times (build, show, first paint, close with its save
// of the ini file), then switches the interface language N times the way a close with a new
// language does (install the translator, retranslate the dialog and its pages), and last switches
// the main window's language N times.
// Usage: QT_QPA_PLATFORM=offscreen bench_app_preferences [rounds=50]
#include "AppGlobals.h"
#include "AppSettings.h"
#include "InterfaceLanguage.h"
#include "MainUI.h"
#include "Option.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    // A throw-away home, so the bench never touches the user's own settings.
    QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, home.path().toUtf8());
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    if (LoadAppSettings() != 0)
        return 1;
    InstallInterfaceTranslator(LoadInterfaceTranslator(QStringLiteral("en")));

    std::vector<double> open;
    std::vector<double> close;
    for (int i = 0; i < rounds; ++i)
    {
        QElapsedTimer timer;
        timer.start();
        COption dialog(nullptr);
        QTimer::singleShot(0, &dialog,
                           [&]
                           {
                               open.push_back(timer.nsecsElapsed() / 1e6);
                               timer.restart();
                               dialog.close();
                           });
        dialog.Exec();
        close.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::vector<double> change;
    for (int i = 0; i < rounds; ++i)
    {
        COption dialog(nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.findChild<QComboBox*>(QStringLiteral("GeneralLanguage"))
            ->setCurrentIndex((i + 1) % 8); // German to French, then English again
        QElapsedTimer timer;
        timer.start();
        dialog.close();
        QCoreApplication::processEvents();
        change.push_back(timer.nsecsElapsed() / 1e6);
    }

    // The main window's own retranslation (its texts, the start page, the result pages).
    std::vector<double> window;
    {
        CMainUI mainWindow;
        mainWindow.show();
        QCoreApplication::processEvents();
        const QStringList codes{QStringLiteral("de"), QStringLiteral("jp"), QStringLiteral("ru"),
                                QStringLiteral("es"), QStringLiteral("br"), QStringLiteral("ar"),
                                QStringLiteral("fr"), QStringLiteral("en")};
        for (int i = 0; i < rounds; ++i)
        {
            const QString& code = codes.at(i % codes.size());
            QElapsedTimer timer;
            timer.start();
            InstallInterfaceTranslator(LoadInterfaceTranslator(code));
            GetAppSettings()->SetLanguage(code);
            mainWindow.loadLanguage();
            QCoreApplication::processEvents();
            window.push_back(timer.nsecsElapsed() / 1e6);
        }
        mainWindow.hide();
    }

    std::printf("preferences: open (build, show, first events) median %.2f ms, max %.2f ms\n", Median(open),
                *std::max_element(open.begin(), open.end()));
    std::printf("preferences: close (save every page, write the ini) median %.2f ms\n", Median(close));
    std::printf("preferences: close with a language change median %.2f ms, max %.2f ms\n", Median(change),
                *std::max_element(change.begin(), change.end()));
    std::printf(
        "main window: language switch (load, install, retranslate, relayout) median %.2f ms, max %.2f ms\n",
        Median(window), *std::max_element(window.begin(), window.end()));
    ReleaseAppSettings();
    return 0;
}
