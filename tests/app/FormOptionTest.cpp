#include "app/FormOption.h"
#include "app/FormCtrl.h"
#include "tests/helpers/WindowTestSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QToolButton>
#include <QtTest>

using namespace halvo;

namespace {

const std::string SettingsFile = "/opt/halvo/setting.ini";
const std::string ScheduleFile = "/opt/halvo/sch.cks";
const std::string RunKey = "software\\microsoft\\windows\\currentversion\\run"; // as the fake keeps it
const std::string Open =
    "RegCreateKeyExA(0x80000001, \"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\", 0, "
    "null, 0, 0xF003F)";
// The calls on the key with the given handle (the fake hands out 1000, 1001, ... as keys are opened).
std::string Query(int key = 1000) {
    return "RegQueryValueExA(" + std::to_string(key) + ", \"Halvo Shutdown\")";
}
std::string Write(int key = 1000) {
    return "RegSetValueExA(" + std::to_string(key) +
           ", \"Halvo Shutdown\", 0, 1, \"\"/opt/halvo/halvo-shutdown\"\", 28)";
}
std::string Delete(int key = 1000) {
    return "RegDeleteValueA(" + std::to_string(key) + ", \"Halvo Shutdown\")";
}
std::string Close(int key = 1000) {
    return "RegCloseKey(" + std::to_string(key) + ")";
}

struct World : WindowTestWorld<> {
    RecordingPlatform& fake = platform; // the name these tests know the platform by

    void setRunValue(std::uint32_t type, const std::string& bytes) {
        fake.registry[RunKey]["halvo shutdown"] = FakeRegistryValue{type, bytes};
    }
    std::optional<std::string> runValue() {
        auto& values = fake.registry[RunKey];
        const auto it = values.find("halvo shutdown");
        if (it == values.end())
            return std::nullopt;
        return it->second.data;
    }
    std::vector<std::string> registryCalls() const { return fake.callsStartingWith("Reg"); }
};

const std::string QuotedPath = std::string("\"/opt/halvo/halvo-shutdown\"") + '\0';

} // namespace

class FormOptionTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTheBoxesFromTheFlags();
    void showingWithTheFlagSetKeepsTheRunValueInPlace();
    void otherValuesAtShowing();
    void setWritesOrRemovesTheRunValueAndStoresTheFlags();
    void setStopsWhenTheValueCannotBeWritten();
    void setWithoutARunKeyStillChangesTheFlags();
    void cancelSettingPutsTheBoxesBack();
    void boxTickedWithoutSetInTheRunningProgram();
    void turningAutoSaveOnKeepsTheStoredScheduleAsACopy();
};

void FormOptionTest::controlsAndTheBoxesFromTheFlags() {
    World w;
    AppSettings settings{true, false, true};
    TFormOption page(settings);
    QCOMPARE(page.size(), QSize(460, 270));
    QCOMPARE(page.GroupBox1->title(), QString("start"));
    QCOMPARE(page.GroupBox1->geometry(), QRect(0, 2, 459, 95));
    QCOMPARE(page.GroupBox2->title(), QString("shutdown"));
    QCOMPARE(page.GroupBox2->geometry(), QRect(0, 99, 459, 67));
    QCOMPARE(page.CheckBox_AutoStartup->text(), QString("auto startup when windows startup"));
    QCOMPARE(page.CheckBox_AutoSave->text(), QString("auto save the schedule setting"));
    QCOMPARE(page.CheckBox_Remind->text(), QString("remind me before shutdown/restart/log off"));
    QCOMPARE(page.CheckBox_AutoStartup->pos(), QPoint(16, 24));
    QCOMPARE(page.CheckBox_Remind->parentWidget(), page.GroupBox2);
    QCOMPARE(page.SpeedButton1->text(), QString("Set"));
    QCOMPARE(page.SpeedButton1->geometry(), QRect(43, 176, 129, 33));
    QCOMPARE(page.SpeedButton2->text(), QString("Cancel Setting"));
    QCOMPARE(page.SpeedButton2->geometry(), QRect(269, 176, 129, 33));
    QVERIFY(page.CheckBox_AutoStartup->isChecked());
    QVERIFY(!page.CheckBox_AutoSave->isChecked());
    QVERIFY(page.CheckBox_Remind->isChecked());
    // Not refreshed from the flags afterwards.
    settings.AutoSave = true;
    page.hide();
    page.show();
    QVERIFY(!page.CheckBox_AutoSave->isChecked());
}

void FormOptionTest::showingWithTheFlagSetKeepsTheRunValueInPlace() {
    World w;
    AppSettings settings;
    TFormOption page(settings);
    page.show();
    QVERIFY(w.registryCalls().empty()); // unticked: the registry stays untouched

    // A box ticked without "Set" asks for nothing.
    page.hide();
    page.CheckBox_AutoStartup->setChecked(true);
    page.show();
    QVERIFY(w.registryCalls().empty());
    QVERIFY(!w.runValue());

    settings.AutoStartup = true; // as "Set" left it
    page.hide();
    page.show();
    QCOMPARE(lines(w.registryCalls()), lines((std::vector<std::string>{Open, Query(), Write(), Close()})));
    QCOMPARE(w.runValue(), QuotedPath);

    // Present: read (size, then data) and left as it is.
    w.fake.clearCalls();
    page.hide();
    page.show();
    QCOMPARE(lines(w.registryCalls()),
             lines((std::vector<std::string>{Open, Query(1001), Query(1001), Close(1001)})));
    QVERIFY(w.fake.openHandles.empty());

    // An empty value counts as missing.
    w.setRunValue(win::REG_SZ, std::string(1, '\0'));
    w.fake.clearCalls();
    page.FormShow();
    QCOMPARE(w.runValue(), QuotedPath);
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormOptionTest::otherValuesAtShowing() {
    World w;
    AppSettings settings{true, false, false};
    TFormOption page(settings);
    // A value pointing elsewhere stays, also as REG_EXPAND_SZ.
    w.setRunValue(win::REG_EXPAND_SZ, std::string("\"/usr/bin/halvo-shutdown\"") + '\0');
    page.FormShow();
    QCOMPARE(w.runValue(), std::string("\"/usr/bin/halvo-shutdown\"") + '\0');
    // A value that is not text is reported and left alone.
    w.setRunValue(win::REG_DWORD, std::string("\x01\0\0\0", 4));
    w.fake.clearCalls();
    page.FormShow();
    QCOMPARE(w.dialogs.errors, QStringList{"Invalid data type for 'Halvo Shutdown'"});
    QCOMPARE(lines(w.registryCalls()),
             lines((std::vector<std::string>{Open, Query(1001), Query(1001), Close(1001)})));
    // A key that cannot be opened is passed over without a word.
    w.fake.registryKeyOpens = false;
    w.fake.clearCalls();
    page.FormShow();
    QCOMPARE(lines(w.registryCalls()), lines(std::vector<std::string>{Open}));
    QCOMPARE(w.dialogs.errors.size(), 1);
}

void FormOptionTest::setWritesOrRemovesTheRunValueAndStoresTheFlags() {
    World w;
    AppSettings settings;
    TFormOption page(settings);
    w.setRunValue(win::REG_SZ, std::string("\"/elsewhere/halvo-shutdown\"") + '\0');
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_Remind->setChecked(true);
    QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
    QCOMPARE(lines(w.registryCalls()), lines((std::vector<std::string>{Open, Write(), Close()})));
    QCOMPARE(w.runValue(), QuotedPath);
    QVERIFY(settings.AutoStartup);
    QVERIFY(!settings.AutoSave);
    QVERIFY(settings.Remind);
    // Stored at once, so the file agrees with the Run value.
    QCOMPARE(w.fake.files[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=1\nSetting_AutoSave=0\nSetting_Remind=1\n"));
    QVERIFY(w.dialogs.messages.isEmpty());

    w.fake.clearCalls();
    page.CheckBox_AutoStartup->setChecked(false);
    page.SpeedButton1Click();
    QCOMPARE(lines(w.registryCalls()), lines((std::vector<std::string>{Open, Delete(1001), Close(1001)})));
    QVERIFY(!w.runValue());
    QVERIFY(!settings.AutoStartup);
    // Again with the value already gone: no fault.
    page.SpeedButton1Click();
    QVERIFY(w.dialogs.errors.isEmpty());
    QCOMPARE(w.fake.files[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=1\n"));

    // The file cannot be written: said so; the flags have changed all the same.
    w.fake.unwritableFiles.insert(SettingsFile);
    page.CheckBox_AutoSave->setChecked(true);
    page.SpeedButton1Click();
    QCOMPARE(w.dialogs.errors, QStringList{"Unable to write to /opt/halvo/setting.ini"});
    QVERIFY(settings.AutoSave);
}

void FormOptionTest::setStopsWhenTheValueCannotBeWritten() {
    World w;
    AppSettings settings;
    TFormOption page(settings);
    w.fake.registryWritesSucceed = false;
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_AutoSave->setChecked(true);
    page.SpeedButton1Click();
    QCOMPARE(w.dialogs.errors, QStringList{"Failed to set data for 'Halvo Shutdown'"});
    QCOMPARE(lines(w.registryCalls()), lines((std::vector<std::string>{Open, Write(), Close()})));
    QVERIFY(!settings.AutoStartup);
    QVERIFY(!settings.AutoSave);
    QVERIFY(!w.fake.files.count(SettingsFile));
}

void FormOptionTest::setWithoutARunKeyStillChangesTheFlags() {
    World w;
    AppSettings settings;
    TFormOption page(settings);
    w.fake.registryKeyOpens = false;
    page.CheckBox_AutoStartup->setChecked(true);
    page.SpeedButton1Click();
    QCOMPARE(lines(w.registryCalls()), lines(std::vector<std::string>{Open}));
    QVERIFY(settings.AutoStartup);
    QVERIFY(w.dialogs.errors.isEmpty());
}

void FormOptionTest::cancelSettingPutsTheBoxesBack() {
    World w;
    AppSettings settings{false, true, false};
    TFormOption page(settings);
    page.CheckBox_AutoStartup->setChecked(true);
    page.CheckBox_AutoSave->setChecked(false);
    page.CheckBox_Remind->setChecked(true);
    QTest::mouseClick(page.SpeedButton2, Qt::LeftButton);
    QVERIFY(!page.CheckBox_AutoStartup->isChecked());
    QVERIFY(page.CheckBox_AutoSave->isChecked());
    QVERIFY(!page.CheckBox_Remind->isChecked());
    QVERIFY(w.fake.calls.empty());
    QCOMPARE(settings.AutoSave, true);
}

void FormOptionTest::boxTickedWithoutSetInTheRunningProgram() {
    World w;
    {
        TFormCtrl window;
        window.Setting1Click();
        window.Option1Click();
        window.FormOption->CheckBox_AutoStartup->setChecked(true);
        window.General1Click();
        window.Option1Click();
        QVERIFY(!w.runValue());
        QVERIFY(!window.Settings.AutoStartup);
        // "Set" then writes it, and coming back to the page puts it back when it has gone.
        window.FormOption->SpeedButton1Click();
        QCOMPARE(w.runValue(), QuotedPath);
        w.setRunValue(win::REG_SZ, std::string(1, '\0'));
        window.General1Click();
        window.Option1Click();
        QCOMPARE(w.runValue(), QuotedPath);
    }
    QCOMPARE(w.fake.files[SettingsFile],
             std::string("[setting]\nSetting_AutoStartup=1\nSetting_AutoSave=0\nSetting_Remind=0\n"));
    // The Run value is never removed at the end.
    QCOMPARE(w.runValue(), QuotedPath);
}

void FormOptionTest::turningAutoSaveOnKeepsTheStoredScheduleAsACopy() {
    World w;
    const std::string stored = "the records of an earlier run";
    w.fake.files[ScheduleFile] = stored;
    w.fake.files[SettingsFile] = "[schManager]\ncount=1\n";
    TFormCtrl window;
    window.Setting1Click(); // the Schedule page starts empty: AutoSave is off
    window.Option1Click();
    window.FormOption->CheckBox_AutoSave->setChecked(true);
    window.FormOption->SpeedButton1Click();
    // This run's schedule is stored from now on; the one it never loaded is kept, and the user told.
    QCOMPARE(w.fake.files[ScheduleFile + ".bak"], stored);
    QCOMPARE(w.fake.files[ScheduleFile], std::string());
    QCOMPARE(w.fake.files[SettingsFile],
             std::string("[schManager]\ncount=0\n[setting]\nSetting_AutoStartup=0\n"
                         "Setting_AutoSave=1\nSetting_Remind=0\n"));
    const QStringList told{
        "Copies of the stored schedule, newest first:\n/opt/halvo/sch.cks.bak: 0 items and "
        "a part that cannot be read, the file as this run found it"};
    QCOMPARE(w.dialogs.notices, told);
    window.FormOption->SpeedButton1Click();
    QCOMPARE(w.dialogs.notices, told);
    QVERIFY(w.dialogs.errors.isEmpty());
}

QTEST_MAIN(FormOptionTest)
#include "FormOptionTest.moc"
