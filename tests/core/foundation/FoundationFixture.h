#pragma once

#include "AppSettings.h"
#include "TempHome.h"
#include "UILog.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace tidewell::test
{

// A private home per test; the process-wide settings object and UI log are released afterwards
// so the next test starts from nothing.
class FoundationTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CloseUILog();
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    QString dataFolder() const { return home.path() + "/.local/share/Zavro/Tidewell"; }
    QString documentsRoot() const { return home.path() + "/Documents/Zavro/Tidewell"; }
    QString iniPath() const { return dataFolder() + "/merrow.ini"; }

    // Writes merrow.ini before the settings object loads.
    void writeIni(const QByteArray& text) const
    {
        QDir().mkpath(dataFolder());
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    CAppSettings* load()
    {
        EXPECT_EQ(LoadAppSettings(), 0);
        return GetAppSettings();
    }

    TempHome home;
};

} // namespace tidewell::test
