// Saved quick actions through the engine: stored in setting.ini, read back after a restart byte for byte,
// armed exactly as saved by the one function the tray and --quick share, and a damaged section that costs
// only its damaged entries.

#include "tests/helpers/EngineWorld.h"

#include <QtTest>

#include <optional>

using namespace halvo;

namespace {

const std::string SettingsFile = "/opt/halvo/setting.ini";

// Something to wait for in each kind of condition.
struct World : EngineWorld {
    World() {
        fake.activityFake.idle = {60000, {}};
        fake.activityFake.network = {std::vector<InterfaceBytes>{{"eth0", 0, 0}}, {}};
        fake.activityFake.processes = {{4242, "My Player"}};
        start();
    }
    std::optional<CommandAnswer> armQuick(const std::string& name) {
        std::optional<CommandAnswer> answer;
        engine->commands().ArmQuick(name, [&answer](const CommandAnswer& reply) { answer = reply; });
        return answer;
    }
};

CommandRequest request(const std::vector<std::string>& args) {
    return ParseArguments(args).request.value();
}

} // namespace

class QuickActionsTest : public QObject {
    Q_OBJECT
private slots:
    void surviveARestartByteForByteAndArmExactlyWhatWasSaved();
    void aDamagedSectionLoadsEverythingElse();
    void theCommandLineArmsAndListsThem();
};

void QuickActionsTest::surviveARestartByteForByteAndArmExactlyWhatWasSaved() {
    World w;
    const std::vector<QuickAction> saved = {
        {"Shut down in 1 h", request({"--in", "1h", "shutdown"})},
        {"Bedtime", request({"--at", "22:30:15", "poweroff"})},
        {"Player done, quiet net", request({"--when", "exit:My Player", "--when", "net:50k:5m", "poweroff"})},
        {"Lock when idle", request({"--when", "idle:15m", "lock"})},
    };
    std::string error;
    QVERIFY(w.engine->settings().SetQuickActions(saved, error));
    QVERIFY(w.engine->StoreAll());
    const std::string stored = w.fake.storedFiles[SettingsFile];
    QCOMPARE(
        stored,
        std::string("[quick]\n"
                    "Name1=\"Shut down in 1 h\"\nAction1=in 3600 shutdown\n"
                    "Name2=\"Bedtime\"\nAction2=at 22:30:15 poweroff\n"
                    "Name3=\"Player done, quiet net\"\nAction3=when exit:My\\sPlayer net:50k:5m poweroff\n"
                    "Name4=\"Lock when idle\"\nAction4=when idle:15m lock\n"
                    "[setting]\nSetting_AutoStartup=0\nSetting_AutoSave=0\nSetting_Remind=0\n"
                    "Setting_KeepAwake=1\nSetting_WakeFromSleep=0\n"));

    // Twice over: each run leaves the file as it found it.
    for (int run = 0; run < 2; ++run) {
        w.start();
        QCOMPARE(w.engine->settings().quickActions(), saved);
        QVERIFY(w.engine->StoreAll());
        QCOMPARE(w.fake.storedFiles[SettingsFile], stored);
    }

    for (const QuickAction& action : saved) {
        const auto answer = w.armQuick(action.name);
        QVERIFY(answer && answer->ok);
        const AgendaEntry* armed = w.engine->planner().agenda().General();
        QVERIFY(armed && armed->task && armed->timing);
        QCOMPARE(armed->task->Code, action.request.taskCode);
        const GeneralTiming& timing = *armed->timing;
        switch (action.request.verb) {
        case CommandRequest::Verb::In:
            QCOMPARE(timing.mode, GeneralTiming::Mode::After);
            QCOMPARE(timing.seconds, action.request.seconds);
            QCOMPARE(armed->dueWall, ReadAgendaClock().wall + 3600);
            break;
        case CommandRequest::Verb::At:
            QCOMPARE(timing.mode, GeneralTiming::Mode::At);
            QCOMPARE(std::vector<int>({timing.hour, timing.minute, timing.second}),
                     std::vector<int>({22, 30, 15}));
            break;
        default:
            QCOMPARE(timing.mode, GeneralTiming::Mode::When);
            QVERIFY(timing.conditions == action.request.conditions);
            break;
        }
    }
    QVERIFY(w.reported.empty());
}

void QuickActionsTest::aDamagedSectionLoadsEverythingElse() {
    World w;
    const std::string quick = "[quick]\n"
                              "Name1=\"Good\"\nAction1=in 60 lock\n"
                              "Name2=\"No action\"\nAction2=\n"
                              "Name3=\nAction3=in 60 lock\n"
                              "Name4=\"Zero wait\"\nAction4=in 0 lock\n"
                              "Name5=\"No such hour\"\nAction5=at 25:00:00 lock\n"
                              "Name6=\"Good\"\nAction6=in 90 lock\n"
                              "Name7=\"Not an arming\"\nAction7=cancel\n"
                              "Name8=Later\nAction8=when idle:15m lock\n"
                              "garbage line\n";
    const std::string file =
        "[setting]\nSetting_AutoSave=1\nSetting_Remind=1\nSetting_CountdownBar=2\n" + quick;
    w.fake.storedFiles[SettingsFile] = file;
    w.reported.clear();
    w.start();
    const AppSettings& values = w.engine->settings().values();
    QVERIFY(values.AutoSave && values.Remind && !values.AutoStartup);
    QCOMPARE(values.CountdownBar, AppSettings::Bar::Bottom);
    std::vector<std::string> names;
    for (const QuickAction& action : w.engine->settings().quickActions())
        names.push_back(action.name);
    QCOMPARE(names, (std::vector<std::string>{"Good", "Later"}));
    QCOMPARE(w.reported,
             (std::vector<std::string>{"The quick actions numbered 2, 3, 4, 5, 6, 7 in " + SettingsFile +
                                       " cannot be read and are left out; the others are loaded."}));
    QVERIFY(w.armQuick("Later")->ok);

    // Stored at the end without a change of them: the section stays as the user left it.
    QVERIFY(w.engine->StoreAll());
    QVERIFY(w.fake.storedFiles[SettingsFile].find(quick) != std::string::npos);

    // Changed: the section is written whole, the left-over entries emptied, and read back clean.
    std::string error;
    std::vector<QuickAction> renamed = w.engine->settings().quickActions();
    renamed[1].name = "Idle lock";
    QVERIFY(w.engine->settings().SetQuickActions(renamed, error));
    w.reported.clear();
    w.start();
    QCOMPARE(w.engine->settings().quickActions(), renamed);
    QVERIFY(w.reported.empty());
    QVERIFY(w.fake.storedFiles[SettingsFile].find("Name2=\"Idle lock\"\nAction2=when idle:15m lock\nName3=\n"
                                                  "Action3=\n") != std::string::npos);

    // A file that cannot be written keeps the list in the program, and says so.
    w.fake.unwritableFiles.insert(SettingsFile);
    QVERIFY(!w.engine->settings().SetQuickActions({}, error));
    QCOMPARE(error, "Unable to write to " + SettingsFile);
    QVERIFY(w.engine->settings().quickActions().empty());
}

void QuickActionsTest::theCommandLineArmsAndListsThem() {
    World w;
    std::string error;
    QVERIFY(w.engine->settings().SetQuickActions({{"Lock soon", request({"--in", "90s", "lock"})},
                                                  {"Bedtime", request({"--at", "22:30", "poweroff"})}},
                                                 error));
    const auto line = [&w](const std::string& request) { return AnswerTo(w.engine->commands(), request); };
    QCOMPARE(line(EncodeRequest(request({"--quick", "Nobody"}))),
             std::string("error no quick action named 'Nobody'"));
    QVERIFY(!w.engine->planner().agenda().General());
    QCOMPARE(line(EncodeRequest(request({"--quick", "Lock soon"}))), std::string("ok"));
    QCOMPARE(QString::fromStdString(w.engine->commands().StatusText()),
             QString("General: lock the workstation at 21:01:30 (in 1 min)\n"
                     "Keeping the computer awake until: lock the workstation at 21:01:30 (in 1 min)\n"
                     "Schedule: no items\n"
                     "Quick action 'Lock soon': --in 1m30s lock\n"
                     "Quick action 'Bedtime': --at 22:30 poweroff"));
}

QTEST_GUILESS_MAIN(QuickActionsTest)
#include "QuickActionsTest.moc"
