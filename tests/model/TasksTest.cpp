#include "model/Tasks.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/fake/RecordingUi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <typeinfo>

using namespace halvo;
using Calls = std::vector<std::string>;

namespace {

class TaskRun : public ::testing::Test {
protected:
    RecordingPlatform fake;
    RecordingUi recordingUi;
    ScopedPlatform platformGuard{fake};
    ScopedUi uiGuard{recordingUi};
};

// The four privilege steps, closing the token afterwards.
Calls privilegeSteps() {
    return {"GetCurrentProcess()", "OpenProcessToken(-1, 0x28)",
            "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
            "AdjustTokenPrivileges(1000, false, {1, {19, 0}, 2}, 16, buffer, length)", "CloseHandle(1000)"};
}

Calls withPrivilege(std::initializer_list<std::string> rest) {
    Calls c = privilegeSteps();
    c.insert(c.end(), rest);
    return c;
}

} // namespace

TEST(TaskCatalogue, EveryCodeGivesItsKindNameAndCode) {
    RecordingUi recordingUi; // the message task needs a popup factory
    ScopedUi guard{recordingUi};
    const std::vector<std::pair<int, std::string>> table = {
        {1, "shutdown the computer"},  {2, "turn off the computer"}, {3, "close the program"},
        {4, "start the screensaver"},  {5, "log off  user"},         {6, "disconnect the network"},
        {7, "close all the program"},  {8, "execute the program"},   {9, "restart the computer"},
        {10, "alarm message"},         {11, "lock the workstation"}, {12, "sleep the computer"},
        {13, "hibernate the computer"}};
    for (const auto& [code, name] : table) {
        const auto task = TaskFromCode(code);
        ASSERT_NE(task, nullptr) << code;
        EXPECT_EQ(task->Code, code);
        EXPECT_EQ(task->Name, name);
    }
    EXPECT_EQ(TaskFromCode(0), nullptr);
    EXPECT_EQ(TaskFromCode(14), nullptr);
    EXPECT_EQ(TaskFromCode(-1), nullptr);
}

namespace {

// The codes and texts a list or menu shows, in its order.
std::vector<std::pair<int, std::string>> shown(const std::vector<const TaskKind*>& kinds,
                                               const char* TaskKind::*text) {
    std::vector<std::pair<int, std::string>> items;
    for (const TaskKind* kind : kinds)
        items.emplace_back(kind->Code, kind->*text);
    return items;
}

} // namespace

TEST(TaskCatalogue, ListsAndTrayShowTheirKindsInOrder) {
    using Items = std::vector<std::pair<int, std::string>>;
    // A restart chosen in a list must never become a power-off: the list order is not the code order.
    EXPECT_EQ(shown(GeneralListKinds(), &TaskKind::ListText), (Items{{1, "Shutdown the Computer"},
                                                                     {2, "Trun off the computer"},
                                                                     {9, "Restart the computer"},
                                                                     {5, "Logoff user..."},
                                                                     {11, "Lock the workstation"},
                                                                     {4, "Start the screensaver"},
                                                                     {12, "Sleep the computer"},
                                                                     {13, "Hibernate the computer"}}));
    EXPECT_EQ(shown(WizardListKinds(), &TaskKind::ListText), (Items{{1, "Shutdown the Computer"},
                                                                    {2, "Trun off the computer"},
                                                                    {9, "Restart the computer"},
                                                                    {5, "Logoff user..."},
                                                                    {11, "Lock the workstation"},
                                                                    {4, "Start the screensaver"},
                                                                    {7, "Close all the program"},
                                                                    {3, "Close program"},
                                                                    {8, "Execute"},
                                                                    {10, "Message"},
                                                                    {12, "Sleep the computer"},
                                                                    {13, "Hibernate the computer"}}));
    EXPECT_EQ(shown(TrayKinds(), &TaskKind::TrayCaption), (Items{{1, "Shut down the system"},
                                                                 {2, "Power off the computer"},
                                                                 {5, "Log off ..."},
                                                                 {9, "Restart the computer"},
                                                                 {11, "Lock the computer"},
                                                                 {12, "Sleep"},
                                                                 {13, "Hibernate"}}));
    // Each list's positions run 0, 1, 2 ... without a gap or a double.
    for (int TaskKind::*position :
         {&TaskKind::GeneralPosition, &TaskKind::WizardPosition, &TaskKind::TrayPosition}) {
        std::vector<int> positions;
        for (const TaskKind& kind : TaskCatalogue())
            if (kind.*position != NotListed)
                positions.push_back(kind.*position);
        std::sort(positions.begin(), positions.end());
        for (std::size_t i = 0; i < positions.size(); ++i)
            EXPECT_EQ(positions[i], int(i));
    }
}

TEST(TaskCatalogue, EachEntryCreatesItsOwnClassAndKeepsOnlyItsParameters) {
    RecordingUi recordingUi;
    ScopedUi guard{recordingUi};
    TaskParameterValues given;
    given.Text = "text";
    given.ProcessId = 77;
    given.Lines = {"one", "two"};
    for (const TaskKind& kind : TaskCatalogue()) {
        EXPECT_EQ(KindOfCode(kind.Code), &kind);
        const auto task = kind.Create();
        EXPECT_EQ(task->Code, kind.Code);
        task->SetParameters(given);
        const TaskParameterValues kept = task->Parameters();
        const bool text =
            kind.Parameters == TaskParameterKind::Window || kind.Parameters == TaskParameterKind::CommandLine;
        EXPECT_EQ(kept.Text, text ? "text" : "") << kind.Code;
        EXPECT_EQ(kept.ProcessId, kind.Parameters == TaskParameterKind::Window ? 77u : 0u) << kind.Code;
        EXPECT_EQ(kept.Lines.size(), kind.Parameters == TaskParameterKind::MessageLines ? 2u : 0u)
            << kind.Code;
    }
    EXPECT_EQ(KindOfCode(0), nullptr);
}

TEST(TaskCatalogue, NewTasksHaveEmptyParametersAndCopiesShareNothing) {
    RecordingUi recordingUi;
    ScopedUi guard{recordingUi};
    TCloseProgramTask close;
    EXPECT_EQ(close.WindowText, "");
    EXPECT_EQ(close.ProcessId, 0u);
    TMessageTask message;
    EXPECT_TRUE(message.Lines.empty());
    ASSERT_NE(message.Popup, nullptr);

    message.Lines = {"a", "b", "c"};
    auto copy = CopyTask(&message);
    auto& copied = dynamic_cast<TMessageTask&>(*copy);
    EXPECT_EQ(copied.Lines, (std::vector<std::string>{"a", "b", "c"}));
    copied.Lines.push_back("d");
    EXPECT_EQ(message.Lines.size(), 3u);
    EXPECT_NE(copied.Popup.get(), message.Popup.get());

    close.WindowText = "Editor";
    close.ProcessId = 1234;
    auto closeCopy = CopyTask(&close);
    EXPECT_EQ(dynamic_cast<TCloseProgramTask&>(*closeCopy).WindowText, "Editor");
    EXPECT_EQ(dynamic_cast<TCloseProgramTask&>(*closeCopy).ProcessId, 1234u);
    EXPECT_EQ(CopyTask(nullptr), nullptr);
}

TEST(TaskActions, ShutDownAndPowerOffAreForcedRestartAndLogOffAreNot) {
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    const std::vector<std::pair<int, std::string>> exitCallOfCode = {{1, "ExitWindowsEx(5, 0)"},
                                                                     {2, "ExitWindowsEx(12, 0)"},
                                                                     {9, "ExitWindowsEx(2, 0)"},
                                                                     {5, "ExitWindowsEx(0, 0)"}};
    for (const auto& [code, exitCall] : exitCallOfCode) {
        RecordingPlatform fake;
        ScopedPlatform guard(fake);
        TaskFromCode(code)->Run();
        EXPECT_EQ(fake.calls, withPrivilege({exitCall})) << "task code " << code;
        EXPECT_TRUE(fake.openHandles.empty()) << "the token handle is closed after use";
    }
}

TEST_F(TaskRun, PrivilegeStepsDoNotCheckOneAnother) {
    fake.tokenOpens = false;
    fake.privilegeLookupSucceeds = false;
    TShutDownTask().Run();
    EXPECT_EQ(fake.calls, (Calls{"GetCurrentProcess()", "OpenProcessToken(-1, 0x28)",
                                 "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
                                 "AdjustTokenPrivileges(0, false, {1, {0, 0}, 2}, 16, buffer, length)",
                                 "ExitWindowsEx(5, 0)"}));
}

TEST_F(TaskRun, LockLooksTheFunctionUpAndCallsIt) {
    TLockWorkStationTask().Run();
    EXPECT_EQ(fake.calls, withPrivilege({"GetModuleHandleA(\"USER32.DLL\")",
                                         "GetProcAddress(30464, \"LockWorkStation\")", "LockWorkStation()"}));
    fake.clearCalls();
    fake.lockWorkStationPresent = false;
    TLockWorkStationTask().Run();
    EXPECT_EQ(fake.calls.back(), "GetProcAddress(30464, \"LockWorkStation\")");
    fake.clearCalls();
    fake.user32Present = false;
    TLockWorkStationTask().Run();
    EXPECT_EQ(fake.calls.back(), "GetModuleHandleA(\"USER32.DLL\")");
}

TEST_F(TaskRun, ScreenSaverIsBroadcastWithoutWaitingForHungWindows) {
    TScreenSaverTask().Run();
    EXPECT_EQ(fake.calls, (Calls{"SendMessageTimeoutA(0xFFFF, 0x112, 0xF140, 0, 0x2, 500)"}));
}

TEST_F(TaskRun, DisconnectShowsItsPlainMessage) {
    TDisconnectNetTask().Run();
    EXPECT_EQ(recordingUi.messages, (std::vector<std::string>{"TDisconnectNetTask"}));
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskRun, ExecuteTrimsAndCutsAtTheFirstBlankOnly) {
    TExecuteTask task;
    task.CommandLine = "  notepad  readme.txt ";
    task.Run();
    task.CommandLine = "\t\r\ncalc\x01";
    task.Run();
    task.CommandLine = "";
    task.Run();
    EXPECT_EQ(fake.calls, (Calls{"ShellExecuteA(0, null, \"notepad\", \" readme.txt\", null, 1)",
                                 "ShellExecuteA(0, null, \"calc\", null, null, 1)",
                                 "ShellExecuteA(0, null, \"\", null, null, 1)"}));
}

TEST_F(TaskRun, ExecuteTakesAQuotedProgramWhole) {
    TExecuteTask task;
    task.CommandLine = "\"C:\\Program Files\\App\\app.exe\" --open \"my file.txt\"";
    task.Run();
    task.CommandLine = " \"/home/me/My Apps/run\" ";
    task.Run();
    task.CommandLine = "\"unterminated quote";
    task.Run();
    task.CommandLine = "\"C:\\a b\"--x y";
    task.Run();
    EXPECT_EQ(fake.calls, (Calls{"ShellExecuteA(0, null, \"C:\\Program Files\\App\\app.exe\", \"--open \"my "
                                 "file.txt\"\", null, 1)",
                                 "ShellExecuteA(0, null, \"/home/me/My Apps/run\", null, null, 1)",
                                 "ShellExecuteA(0, null, \"\"unterminated\", \"quote\", null, 1)",
                                 "ShellExecuteA(0, null, \"C:\\a b\", \"--x y\", null, 1)"}));
}

TEST_F(TaskRun, ExecuteThatCannotStartSaysWhyInThePopup) {
    TExecuteTask task;
    task.CommandLine = "calc";
    task.Run();
    EXPECT_TRUE(recordingUi.popups.empty()) << "started: not a word";

    fake.launchRefusal = "program not found on PATH: calc";
    task.Run();
    // An unclosed quote is named as the fault whatever the system says of the piece cut at the blank.
    task.CommandLine = "\"C:\\Program Files\\app.exe --x";
    task.Run();
    EXPECT_EQ(fake.calls,
              (Calls{"ShellExecuteA(0, null, \"calc\", null, null, 1)",
                     "ShellExecuteA(0, null, \"calc\", null, null, 1)", "LastErrorText()",
                     "ShellExecuteA(0, null, \"\"C:\\Program\", \"Files\\app.exe --x\", null, 1)"}));
    ASSERT_EQ(recordingUi.popups.size(), 2u);
    EXPECT_EQ(recordingUi.popups[0]->shownTexts,
              Calls{"Run a command line failed: program not found on PATH: calc"});
    EXPECT_EQ(recordingUi.popups[1]->shownTexts, Calls{"Run a command line failed: the quote is not closed"});
}

TEST_F(TaskRun, MessageEndsEveryLineWithCarriageReturnLineFeed) {
    TMessageTask task;
    task.Run();
    task.Lines = {"Time to go", "Backup first"};
    task.Run();
    ASSERT_EQ(recordingUi.popups.size(), 1u);
    const auto& popup = *recordingUi.popups[0];
    EXPECT_EQ(popup.shownTexts, (std::vector<std::string>{"", "Time to go\r\nBackup first\r\n"}));
    EXPECT_EQ(popup.title, "");
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskRun, CloseProgramEndsTheProcessOnlyWhileItShowsThePickedWindow) {
    fake.addWindow(1, "Untitled - Editor", 1234);
    fake.addProcess(1234, {0x1F0FFF});
    TCloseProgramTask task;
    task.WindowText = "Untitled - Editor";
    task.ProcessId = 1234;
    task.Run();
    EXPECT_EQ(fake.callsStartingWith("OpenProcess"), (Calls{"OpenProcess(0x1F0FFF, false, 1234)"}));
    EXPECT_EQ(fake.callsStartingWith("TerminateProcess"), (Calls{"TerminateProcess(1000, 0)"}));
    EXPECT_EQ(fake.callsStartingWith("CloseHandle"), (Calls{"CloseHandle(1000)"}));
    EXPECT_EQ(fake.terminatedProcessIds, (std::vector<std::uint32_t>{1234}));

    // After a restart the id belongs to something else: it is left alone.
    fake.clearCalls();
    fake.windows = {{2, "Build Server", true, true, 0, 1234}, {3, "Untitled - Editor", true, true, 0, 999}};
    task.Run();
    EXPECT_TRUE(fake.callsStartingWith("OpenProcess").empty());
    EXPECT_EQ(fake.terminatedProcessIds.size(), 1u);
}

TEST_F(TaskRun, CloseProgramNeverEndsOurOwnProcess) {
    fake.currentProcessId = 77;
    fake.addWindow(1, "Halvo ShutDown", 77);
    fake.addProcess(77, {0x1F0FFF});
    TCloseProgramTask task;
    task.WindowText = "Halvo ShutDown";
    task.ProcessId = 77;
    task.Run();
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskRun, CloseAllWalksTheWindowsWithoutAPrivilegeStep) {
    fake.addProcess(10, {0x1F0FFF});
    fake.addWindow(1, "A1", 10);
    fake.addWindow(2, "A2", 10);
    fake.addWindow(3, "B", 20);
    TCloseAllProgramTask().Run();
    EXPECT_EQ(fake.calls, (Calls{"EnumWindows()",
                                 "IsWindow(1)",
                                 "IsWindowVisible(1)",
                                 "GetParent(1)",
                                 "GetWindowTextA(1, 101)",
                                 "IsWindow(2)",
                                 "IsWindowVisible(2)",
                                 "GetParent(2)",
                                 "GetWindowTextA(2, 101)",
                                 "IsWindow(3)",
                                 "IsWindowVisible(3)",
                                 "GetParent(3)",
                                 "GetWindowTextA(3, 101)",
                                 "GetWindowThreadProcessId(1)",
                                 "GetWindowThreadProcessId(2)",
                                 "GetWindowThreadProcessId(2)",
                                 "GetWindowThreadProcessId(3)",
                                 "OpenProcess(0x1F0FFF, false, 10)",
                                 "TerminateProcess(1000, 0)",
                                 "CloseHandle(1000)"}));
}

TEST_F(TaskRun, SleepAndHibernateAskFirstStoreFirstAndTakeThePrivilege) {
    std::size_t callsWhenStored = 0;
    SetBeforeSuspend([&] { callsWhenStored = fake.calls.size(); });
    TSleepTask().Run();
    Calls expected = {"IsPwrSuspendAllowed()"};
    const Calls privilege = privilegeSteps();
    expected.insert(expected.end(), privilege.begin(), privilege.end());
    expected.push_back("SetSuspendState(false, false, false)");
    EXPECT_EQ(fake.calls, expected);
    EXPECT_EQ(callsWhenStored, 1u) << "stored before the privilege step and the request";

    fake.clearCalls();
    THibernateTask().Run();
    EXPECT_EQ(fake.calls.front(), "IsPwrHibernateAllowed()");
    EXPECT_EQ(fake.calls.back(), "SetSuspendState(true, false, false)");
    EXPECT_TRUE(recordingUi.popups.empty());

    // Not offered: nothing is asked of the system and the user is told.
    fake.clearCalls();
    callsWhenStored = 0;
    fake.suspendAllowed = false;
    fake.hibernateAllowed = false;
    EXPECT_FALSE(TSleepTask().Available());
    EXPECT_FALSE(THibernateTask().Available());
    TSleepTask().Run();
    THibernateTask().Run();
    EXPECT_EQ(fake.callsStartingWith("SetSuspendState"), Calls{});
    EXPECT_EQ(callsWhenStored, 0u);
    ASSERT_EQ(recordingUi.popups.size(), 2u);
    EXPECT_EQ(recordingUi.popups[0]->shownTexts,
              Calls{"Sleep the computer failed: not available on this computer"});
    EXPECT_EQ(recordingUi.popups[1]->shownTexts,
              Calls{"Hibernate the computer failed: not available on this computer"});
    SetBeforeSuspend({});
}

TEST(TaskRefusal, EveryActionThatEndsTheSessionSaysWhenTheSystemRefuses) {
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    const std::map<int, std::string> refusalOfCode = {
        {1, "Shut down the computer failed: Permission denied"},
        {2, "Power off the computer failed: Permission denied"},
        {5, "Log off failed: Permission denied"},
        {9, "Restart the computer failed: Permission denied"},
        {11, "Lock the computer failed: Permission denied"},
        {12, "Sleep the computer failed: Permission denied"},
        {13, "Hibernate the computer failed: Permission denied"}};
    for (const TaskKind& kind : TaskCatalogue()) {
        if (!refusalOfCode.count(kind.Code))
            continue;
        // Accepted: not a word, and the call sequence as it always was.
        {
            RecordingPlatform fake;
            ScopedPlatform guard(fake);
            recordingUi.popups.clear();
            kind.Create()->Run();
            EXPECT_TRUE(recordingUi.popups.empty()) << kind.Code;
            EXPECT_TRUE(fake.callsStartingWith("LastErrorText").empty()) << kind.Code;
        }
        RecordingPlatform fake;
        ScopedPlatform guard(fake);
        fake.exitRefusal = "Permission denied";
        kind.Create()->Run();
        EXPECT_EQ(fake.calls.back(), "LastErrorText()") << kind.Code;
        ASSERT_EQ(recordingUi.popups.size(), 1u) << kind.Code;
        EXPECT_EQ(recordingUi.popups[0]->shownTexts, Calls{refusalOfCode.at(kind.Code)});
    }
}
