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
