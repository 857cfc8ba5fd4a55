#include "AudioTypes.h"

#include "sonalike_audio_types.h"

QStringList CAudioTypes::Suffixes(ERoad road)
{
    if (road == ERoad::Fix)
        return {QStringLiteral("mp3"), QStringLiteral("m4a"), QStringLiteral("wma")};
    static const QStringList engine =
        QString::fromLatin1(SONALIKE_AUDIO_EXTENSIONS).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return engine;
}

bool CAudioTypes::IsAudioFile(const QString& name, ERoad road)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.indexOf(QLatin1Char('/'), dot) >= 0)
        return false;
    return Suffixes(road).contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

QString CAudioTypes::Patterns(ERoad road)
{
    QStringList patterns;
    for (const QString& suffix : Suffixes(road))
        patterns << QStringLiteral("*.") + suffix;
    return patterns.join(QLatin1Char(' '));
}
