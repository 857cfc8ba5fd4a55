#include "InterfaceLanguage.h"

#include "AppGlobals.h"
#include "QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

QString InterfaceLanguageFolder()
{
    // Tests point this at a folder of their own making (damaged and missing files).
    if (const QString folder = qEnvironmentVariable("TIDEWELL_LANGUAGE_DIR"); !folder.isEmpty())
        return folder;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/language");
}

QString InterfaceTranslationFile(const QString& code)
{
    return QStringLiteral("tidewell_") + code + QStringLiteral(".qm");
}

QTranslator* LoadInterfaceTranslator(const QString& code)
{
    if (code.isEmpty())
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(InterfaceTranslationFile(code), InterfaceLanguageFolder()))
        return nullptr;
    translator->setParent(QCoreApplication::instance());
    return translator.release();
}

void InstallInterfaceTranslator(QTranslator* translator)
{
    if (!translator)
        return;
    if (g_pTranslator && g_pTranslator != translator)
    {
        QCoreApplication::removeTranslator(g_pTranslator);
        delete g_pTranslator;
    }
    g_pTranslator = translator;
    QCoreApplication::installTranslator(translator);
    InstallQtTranslationFor(translator);
}
