#include "StartUpRules.h"

#include "AppGlobals.h"
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

QString StartLanguageForLocale(const QLocale& locale)
{
    switch (locale.language())
    {
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::Japanese:
        return QStringLiteral("jp");
    case QLocale::Russian:
        return QStringLiteral("ru");
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::Portuguese:
        return QStringLiteral("br");
    case QLocale::Arabic:
        return QStringLiteral("ar");
    case QLocale::French:
        return QStringLiteral("fr");
    default:
        return QStringLiteral("en");
    }
}

QString TranslationFileName(const QString& code)
{
    return QStringLiteral("tidewell_") + code + QStringLiteral(".qm");
}

bool InstallTranslation(const QString& code, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString file = TranslationFileName(code);
    if (!translator->load(file, folder))
    {
        delete translator;
        return false;
    }
    if (g_pTranslator)
    {
        QCoreApplication::removeTranslator(g_pTranslator);
        delete g_pTranslator;
    }
    g_pTranslator = translator;
    QCoreApplication::installTranslator(translator);
    InstallQtTranslationFor(translator);
    return true;
}
