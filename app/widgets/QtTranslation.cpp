#include "QtTranslation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace
{

// The one translator of Qt's texts; owned by the application object.
QPointer<QTranslator>& QtTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

QString QtTranslationName(const QString& code)
{
    if (code == QLatin1String("jp"))
        return QStringLiteral("ja");
    if (code == QLatin1String("br"))
        return QStringLiteral("pt_BR");
    return code;
}

void InstallQtTranslationFor(const QTranslator* interfaceTranslator)
{
    if (QTranslator* previous = QtTranslator().data())
    {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    if (!interfaceTranslator)
        return;
    const QString prefix = QStringLiteral("tidewell_");
    const QString name = QFileInfo(interfaceTranslator->filePath()).completeBaseName();
    if (!name.startsWith(prefix))
        return;
    const QString code = name.mid(prefix.size());
    if (code.isEmpty() || code == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + QtTranslationName(code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    translator->setParent(QCoreApplication::instance());
    QtTranslator() = translator.get();
    QCoreApplication::installTranslator(translator.release());
}
