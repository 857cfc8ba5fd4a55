#include "LanguageDirection.h"

#include "AppSettings.h"

#include <QApplication>
#include <QWidget>

bool IsRightToLeftLanguage()
{
    const CAppSettings* settings = GetAppSettings();
    return settings && settings->GetLanguage() == QLatin1String("ar");
}

void ApplyLanguageDirection(QWidget* widget)
{
    if (!widget)
        return;
    if (IsRightToLeftLanguage())
    {
        widget->setLayoutDirection(Qt::RightToLeft);
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    else if (widget->layoutDirection() == Qt::RightToLeft)
    {
        widget->setLayoutDirection(Qt::LeftToRight);
    }
}

QLocale InterfaceLocale()
{
    const CAppSettings* settings = GetAppSettings();
    const QString code = settings ? settings->GetLanguage() : QString();
    if (code == QLatin1String("jp"))
        return QLocale(QLocale::Japanese, QLocale::Japan);
    if (code == QLatin1String("br"))
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    // Arabic as written with the Latin digits that the rest of the interface (times, counts, the
    // score) uses: one row never mixes two digit systems.
    if (code == QLatin1String("ar"))
        return QLocale(QLocale::Arabic, QLocale::Morocco);
    if (code.isEmpty() || code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(code);
}
