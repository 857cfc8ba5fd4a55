#include "AppGlobals.h"
#include "AppSettings.h"
#include "GeneralWidget.h"
#include "InterfaceLanguage.h"
#include "NetWidget.h"
#include "Option.h"
#include "StyleTemplates.h"
#include "TextWalker.h"
#include "UpdateWidget.h"
#include "WidgetTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>

namespace
{

// Opens the dialog the way the main window does (Exec on the stack), lets act work on it once it
// is the active modal window, then closes it with the title bar's close button.
void RunPreferences(const std::function<void(COption*)>& act, COption** seen = nullptr)
{
    COption dialog(nullptr);
    if (seen)
        *seen = &dialog;
    WhenVisible([] { return qobject_cast<COption*>(QApplication::activeModalWidget()); },
                [act](QWidget* widget)
                {
                    auto* option = static_cast<COption*>(widget);
                    act(option);
                    option->close();
                });
    dialog.Exec();
    QVERIFY(!dialog.isVisible());
}

// The ini file as a fresh reader sees it after the settings object flushed it.
std::unique_ptr<QSettings> ReadIni()
{
    const QString path = GetAppSettings()->GetIniPath();
    ReleaseAppSettings();
    auto ini = std::make_unique<QSettings>(path, QSettings::IniFormat);
    GetAppSettings();
    return ini;
}

QCheckBox* Box(QWidget* page, const QString& text)
{
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        if (box->text() == text)
            return box;
    return nullptr;
}

QRadioButton* Radio(QWidget* page, const QString& text)
{
    for (QRadioButton* button : page->findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

const QStringList kCodes{"en", "de", "jp", "ru", "es", "br", "ar", "fr"};

// The grey level of the darkest pixel drawn: how dark a box's text and tick are.
int Darkest(const QImage& image)
{
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;

private slots:
    void init()
    {
        g_dScale = 1.0;
        m_env = std::make_unique<WidgetTestEnv>();
    }
    void cleanup()
    {
        InstallInterfaceTranslator(LoadInterfaceTranslator("en"));
        qunsetenv("TIDEWELL_LANGUAGE_DIR");
        m_env.reset();
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void closingUntouchedWritesEveryPage()
    {
        COption* dialog = nullptr;
        qApp->setStyleSheet(LoadApplicationStyleSheet());
        RunPreferences(
            [](COption* option)
            {
                QCOMPARE(option->size(), QSize(442, 325));
                // Replace is off: its fields are greyed, ticks and texts, not only refused.
                for (const char* name : {"Name", "Artist", "Album"})
                {
                    QCheckBox* box = Box(option->GeneralPage(), name);
                    QVERIFY(box->isChecked() && !box->isEnabled());
                    const int greyed = Darkest(box->grab().toImage());
                    box->setEnabled(true);
                    const int enabled = Darkest(box->grab().toImage());
                    box->setEnabled(false);
                    QVERIFY2(greyed > enabled + 40, qPrintable(QStringLiteral("%1: %2 greyed, %3 enabled")
                                                                   .arg(QLatin1String(name))
                                                                   .arg(greyed)
                                                                   .arg(enabled)));
                }
            },
            &dialog);
        qApp->setStyleSheet(QString());
        auto ini = ReadIni();
        QCOMPARE(ini->value("Genernal").toInt(), 134286336);
        QCOMPARE(ini->value("Replace").toInt(), 16780288);
        QCOMPARE(ini->value("b_proxy").toInt(), 0);
        QCOMPARE(ini->value("Auto_update").toInt(), 1);
        QCOMPARE(ini->value("Update_Days").toInt(), 7);
    }

    void replaceMasterFollowsClicksOnly()
    {
        GetAppSettings()->SetReplace(0x80000);
        GetAppSettings()->SetGenernal(0x8010c00 | 0x1); // a bit the page does not show
        RunPreferences(
            [](COption* option)
            {
                CGeneralWidget* page = option->GeneralPage();
                QCheckBox* master =
                    Box(page, QCoreApplication::translate("CGeneralWidget", "Replace original songs meta"));
                const QStringList names{"Name", "Artist", "Album", "Year", "Genre"};
                QVERIFY(master && !master->isChecked());
                for (const QString& name : names)
                    QVERIFY(Box(page, name)->isEnabled() && !Box(page, name)->isChecked());

                master->click(); // none checked: all five come on
                for (const QString& name : names)
                    QVERIFY(Box(page, name)->isChecked());
                for (const char* name : {"Name", "Artist", "Album", "Year"})
                    Box(page, name)->click();
                QVERIFY(master->isChecked());
                Box(page, "Genre")->click(); // the last one off takes the master along
                QVERIFY(!master->isChecked());
                QVERIFY(Box(page, "Genre")->isEnabled());
                Box(page, "Year")->click();
                QVERIFY(!master->isChecked());

                master->click();
                master->click(); // off again: greyed out, marks kept
                QVERIFY(!Box(page, "Year")->isEnabled() && Box(page, "Year")->isChecked());
                Box(page, "Songs Without Album")->click();
            });
        QCOMPARE(GetAppSettings()->GetReplace(), 0x4000000);
        QCOMPARE(GetAppSettings()->GetGenernal(), 0x8010400);
    }

    void updatePageShowsAndSavesOddValues()
    {
        CAppSettings* settings = GetAppSettings();
        settings->SetAutoUpdate(9);
        settings->SetUpdateDays(150);
        RunPreferences(
            [](COption* option)
            {
                CUpdateWidget* page = option->UpdatePage();
                QVERIFY(page->findChild<QCheckBox*>("UpdateAuto")->isChecked());
                for (QRadioButton* button : page->findChildren<QRadioButton*>())
                    QVERIFY(!button->isChecked());
                QCOMPARE(page->findChild<QSpinBox*>("UpdateDays")->value(), 7);
            });
        QCOMPARE(settings->GetAutoUpdate(), 9);
        QCOMPARE(settings->GetUpdateDays(), 150);

        RunPreferences(
            [](COption* option)
            {
                CUpdateWidget* page = option->UpdatePage();
                Radio(page, QCoreApplication::translate(
                                "CUpdateWidget", "Number of days between update checks (At least 1 days)"))
                    ->click();
                QVERIFY(page->findChild<QSpinBox*>("UpdateDays")->isEnabled());
            });
        QCOMPARE(settings->GetAutoUpdate(), 1);
        QCOMPARE(settings->GetUpdateDays(), 7);

        settings->SetAutoUpdate(3);
        settings->SetUpdateDays(30);
        RunPreferences(
            [](COption* option)
            {
                CUpdateWidget* page = option->UpdatePage();
                auto* spin = page->findChild<QSpinBox*>("UpdateDays");
                QVERIFY(Radio(page, "Update every week")->isChecked());
                QCOMPARE(spin->value(), 30);
                QVERIFY(!spin->isEnabled());
                auto* autoCheck = page->findChild<QCheckBox*>("UpdateAuto");
                autoCheck->click();
                QVERIFY(!spin->isEnabled() && !Radio(page, "Update every day")->isEnabled());
                autoCheck->click();
                QVERIFY(!spin->isEnabled() && Radio(page, "Update every day")->isEnabled());
                Radio(page, "Update every month")->click();
            });
        QCOMPARE(settings->GetAutoUpdate(), 4);
        QCOMPARE(settings->GetUpdateDays(), 30);

        // An emptied days field keeps the days the box held.
        settings->SetAutoUpdate(1);
        RunPreferences(
            [](COption* option)
            {
                auto* spin = option->UpdatePage()->findChild<QSpinBox*>("UpdateDays");
                QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(spin, Qt::Key_Backspace);
                QCOMPARE(spin->text(), QString());
            });
        QCOMPARE(settings->GetUpdateDays(), 30);

        RunPreferences([](COption* option)
                       { option->UpdatePage()->findChild<QCheckBox*>("UpdateAuto")->click(); });
        auto ini = ReadIni();
        QCOMPARE(ini->value("Auto_update").toInt(), 0);
        QCOMPARE(ini->value("Update_Days").toInt(), 30);
    }

    void proxySurvivesTheIniFile()
    {
        const QString host = QString::fromUtf8("прокси=1;#хост.例え.jp");
        const QString password = QString::fromUtf8("p=ss;#wörd كلمة");
        RunPreferences(
            [&](COption* option)
            {
                CNetWidget* page = option->NetPage();
                auto* type = page->findChild<QComboBox*>("ProxyType");
                auto* port = page->findChild<QLineEdit*>("ProxyPort");
                QCOMPARE(type->currentText(), QString("None"));
                QCOMPARE(port->text(), QString()); // 0: no port given
                QVERIFY(!port->isEnabled());
                type->setCurrentIndex(1);
                QVERIFY(port->isEnabled());
                page->findChild<QLineEdit*>("ProxyHost")->setText(host);
                port->clear();
                page->findChild<QLineEdit*>("ProxyUser")->setText("user;name");
                auto* secret = page->findChild<QLineEdit*>("ProxyPassword");
                QCOMPARE(secret->echoMode(), QLineEdit::Password);
                secret->setText(password);
            });
        auto ini = ReadIni();
        QCOMPARE(ini->value("b_proxy").toInt(), 1);
        QCOMPARE(ini->value("Proxy_prot").toInt(), 0);
        CAppSettings* settings = GetAppSettings();
        QCOMPARE(settings->GetProxyHost(), host);
        QCOMPARE(settings->GetProxyUser(), QString("user;name"));
        QCOMPARE(settings->GetProxyPassword(), password);

        settings->SetProxyPort(8080);
        RunPreferences(
            [](COption* option)
            {
                CNetWidget* page = option->NetPage();
                QCOMPARE(page->findChild<QLineEdit*>("ProxyPort")->text(), QString("8080"));
                page->findChild<QComboBox*>("ProxyType")->setCurrentIndex(0);
                QVERIFY(!page->findChild<QLineEdit*>("ProxyHost")->isEnabled());
                page->findChild<QLineEdit*>("ProxyHost")->setText("typed.but.off");
            });
        QCOMPARE(GetAppSettings()->GetProxyEnabled(), 0);
        QCOMPARE(GetAppSettings()->GetProxyHost(), host);
        QCOMPARE(GetAppSettings()->GetProxyPort(), 8080);
    }

    // A port is 1 to 65535 and a days box 1 to 99: a keystroke that leaves the range is
    // refused where it is typed, with a note giving the range, and nothing else is stored.
    void outOfRangeNumbersAreRefusedWhereTyped()
    {
        CAppSettings* settings = GetAppSettings();
        settings->SetProxyPort(999999); // stored by an earlier version
        settings->SetAutoUpdate(1);
        settings->SetUpdateDays(30);
        QStringList notes; // what the note said after each refused number
        const auto note = [&notes] { notes << (QToolTip::isVisible() ? QToolTip::text() : QString()); };
        RunPreferences(
            [&](COption* option)
            {
                CNetWidget* page = option->NetPage();
                page->findChild<QComboBox*>("ProxyType")->setCurrentIndex(1);
                auto* port = page->findChild<QLineEdit*>("ProxyPort");
                QCOMPARE(port->text(), QString());
                for (const char* typed : {"0", "65536", "100001", "999999"})
                {
                    port->clear();
                    QTest::keyClicks(port, typed);
                    note();
                }
                QCOMPARE(port->text(), QString("9999"));
                auto* days = option->UpdatePage()->findChild<QSpinBox*>("UpdateDays");
                days->setFocus();
                QTest::keyClick(days, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(days, Qt::Key_0);
                note();
                QCOMPARE(days->text(), QString("30"));
                QTest::keyClick(days, Qt::Key_9);
            });
        QCOMPARE(notes, QStringList(4, "Enter a number from 1 to 65535.") << "Enter a number from 1 to 99.");
        QCOMPARE(settings->GetProxyPort(), 9999);
        QCOMPARE(settings->GetUpdateDays(), 9);
        settings->SetProxyEnabled(0);
    }

    // The days box shows its two digits whole, at both scales.
    void daysBoxShowsItsNumberWhole()
    {
        const QFont before = QApplication::font();
        for (const int scale : {1, 2})
        {
            g_dScale = scale;
            QFont font(QStringLiteral("Tahoma"));
            font.setPixelSize(ScaledInt(12));
            QApplication::setFont(font);
            qApp->setStyleSheet(LoadApplicationStyleSheet());
            CUpdateWidget page;
            page.show();
            page.findChild<QSpinBox*>("UpdateDays")->setValue(77);
            QLineEdit* editor = page.findChild<QSpinBox*>("UpdateDays")->findChild<QLineEdit*>();
            // The digits' ink, against the same digits drawn alone in the box's font.
            const int drawn = InkBounds(editor->grab().toImage(), editor->rect()).width();
            QLineEdit alone(QStringLiteral("77"));
            alone.setFont(editor->font());
            alone.resize(ScaledInt(100), editor->height());
            const int whole = InkBounds(alone.grab().toImage(), alone.rect().adjusted(4, 4, -4, -4)).width();
            QVERIFY2(
                qAbs(drawn - whole) <= 1,
                qPrintable(QStringLiteral("scale %1: %2 px drawn of %3").arg(scale).arg(drawn).arg(whole)));
        }
        g_dScale = 1.0;
        qApp->setStyleSheet(QString());
        QApplication::setFont(before);
    }

    void eachLanguageInstallsAtClose()
    {
        // One known text per language, straight from the compiled files.
        const QStringList preferences{"Preferences",  "Einstellungen", "環境設定",  "Настройки",
                                      "Preferencias", "Preferências",  "التفضيلات", "Préférences"};
        GetAppSettings()->SetLanguage("en");
        QStringList problems;
        for (int row = 0; row < kCodes.size(); ++row)
        {
            const int other = (row + 1) % kCodes.size();
            // Start from another language, so choosing this row is a change.
            InstallInterfaceTranslator(LoadInterfaceTranslator(kCodes.at(other)));
            GetAppSettings()->SetLanguage(kCodes.at(other));
            QPointer<QTranslator> previous = g_pTranslator;
            QStringList titles;
            COption* seen = nullptr;
            std::unique_ptr<QSignalSpy> spy;
            RunPreferences(
                [&](COption* option)
                {
                    spy = std::make_unique<QSignalSpy>(option, &COption::sLanguageChange);
                    option->findChild<QComboBox*>("GeneralLanguage")->setCurrentIndex(row);
                    // Nothing changes before the close.
                    QCOMPARE(GetAppSettings()->GetLanguage(), kCodes.at(other));
                    QCOMPARE(g_pTranslator, previous.data());
                },
                &seen);
            QCOMPARE(spy->count(), 1);
            QCOMPARE(GetAppSettings()->GetLanguage(), kCodes.at(row));
            QVERIFY(previous.isNull()); // removed and deleted, not left behind the new one
            QCOMPARE(QCoreApplication::translate("COption", "Preferences"), preferences.at(row));

            // Every page of a dialog opened in the new language: translated, nothing clipped.
            COption fresh(nullptr);
            fresh.show();
            for (int page = 0; page < 3; ++page)
            {
                qobject_cast<QStackedWidget*>(fresh.GeneralPage()->parentWidget())->setCurrentIndex(page);
                QCoreApplication::processEvents();
                problems << WalkTexts(&fresh, kCodes.at(row));
            }
            fresh.close();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        auto ini = ReadIni();
        QCOMPARE(ini->value("Language").toString(), QString("fr"));
    }

    void arabicTurnsTheDialogRightToLeft()
    {
        GetAppSettings()->SetLanguage("en");
        RunPreferences([](COption* option)
                       { option->findChild<QComboBox*>("GeneralLanguage")->setCurrentIndex(6); });
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        COption dialog(nullptr);
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("التفضيلات"));
        dialog.findChild<QComboBox*>("GeneralLanguage")->setCurrentIndex(0);
        dialog.close();

        // Back in English, new windows open left to right again.
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        COption english(nullptr);
        QCOMPARE(english.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(english.windowTitle(), QString("Preferences"));
    }

    // Each language under its own name; the list starts on the language in use, also when none
    // is stored, and another row switches. Brazilian zero is plural; the Arabic dual has no digit.
    void languageListShowsTheLanguageInUse()
    {
        const QStringList names{"English", "Deutsch", "日本語", "Русский", "Español", "Português (Brasil)",
                                "العربية", "Français"};
        for (int inUse = 0; inUse < kCodes.size(); ++inUse)
        {
            GetAppSettings()->SetLanguage(QString());
            InstallInterfaceTranslator(LoadInterfaceTranslator(kCodes.at(inUse)));
            RunPreferences(
                [&](COption* option)
                {
                    auto* combo = option->findChild<QComboBox*>("GeneralLanguage");
                    QCOMPARE(combo->itemText(inUse), names.at(inUse));
                    QCOMPARE(combo->currentIndex(), inUse);
                    combo->setCurrentIndex((inUse + 3) % kCodes.size());
                });
            QCOMPARE(GetAppSettings()->GetLanguage(), kCodes.at((inUse + 3) % kCodes.size()));
        }
        InstallInterfaceTranslator(LoadInterfaceTranslator("br"));
        QCOMPARE(QCoreApplication::translate("CCountTexts", "Fixed %n song(s)", nullptr, 0),
                 QString("0 músicas corrigidas"));
        InstallInterfaceTranslator(LoadInterfaceTranslator("ar"));
        QCOMPARE(QCoreApplication::translate("CMainUI", "%n song(s) could not be written: %1.", nullptr, 2),
                 QString("تعذرت كتابة أغنيتين: %1."));
    }

    void damagedTranslationsKeepTheLanguage()
    {
        // A folder with German intact, Russian damaged, Spanish empty and the others missing.
        QTemporaryDir folder;
        qputenv("TIDEWELL_LANGUAGE_DIR", folder.path().toUtf8());
        const QString built = QCoreApplication::applicationDirPath() + "/language/";
        QVERIFY(QFile::copy(built + "tidewell_de.qm", folder.filePath("tidewell_de.qm")));
        QFile damaged(folder.filePath("tidewell_ru.qm"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(64, '\x3c'));
        damaged.close();
        QFile empty(folder.filePath("tidewell_es.qm"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();

        GetAppSettings()->SetLanguage("en");
        RunPreferences([](COption* option)
                       { option->findChild<QComboBox*>("GeneralLanguage")->setCurrentIndex(3); });
        QCOMPARE(GetAppSettings()->GetLanguage(), QString("en"));

        // German loads, the later Russian and Spanish picks fail: German is installed and stored.
        RunPreferences(
            [](COption* option)
            {
                auto* combo = option->findChild<QComboBox*>("GeneralLanguage");
                combo->setCurrentIndex(1);
                combo->setCurrentIndex(3);
                combo->setCurrentIndex(4);
                combo->setCurrentIndex(2);
            });
        QCOMPARE(GetAppSettings()->GetLanguage(), QString("de"));
        QCOMPARE(QCoreApplication::translate("COption", "Preferences"), QString("Einstellungen"));
    }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
