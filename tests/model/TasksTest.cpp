#include "model/Tasks.h"
#include "tests/helpers/FakeWorldTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeinfo>

using namespace halvo;
using Calls = std::vector<std::string>;

namespace {

class TaskRun : public FakeWorldTest {};

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

// What each kind asks of the system; shut down and power off are forced, restart and log off leave programs
// the chance to keep unsaved work. Every action that ends the session says so when the system refuses it,
// and not a word when it is accepted.
TEST(TaskActions, EachKindAsksTheSystemForItsActionAndSaysWhenRefused) {
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    struct Case {
        int code;
        Calls requests;
        std::string refused; // the popup's text when the system says "Permission denied"
    };
    const std::vector<Case> cases = {
        {1, {"shut down, forced"}, "Shut down the computer failed: Permission denied"},
        {2, {"power off, forced"}, "Power off the computer failed: Permission denied"},
        {9, {"restart"}, "Restart the computer failed: Permission denied"},
        {5, {"log off"}, "Log off failed: Permission denied"},
        {11, {"lock"}, "Lock the computer failed: Permission denied"},
        {12, {"sleep"}, "Sleep the computer failed: Permission denied"},
        {13, {"hibernate"}, "Hibernate the computer failed: Permission denied"},
        {4, {"start the screen saver"}, ""},
        {6, {}, ""},
        {7, {}, ""},
        {10, {}, ""}};
    for (const Case& c : cases) {
        {
            RecordingPlatform fake;
            ScopedPlatform guard(fake);
            recordingUi.popups.clear();
            TaskFromCode(c.code)->Run();
            EXPECT_EQ(fake.calls, c.requests) << "task code " << c.code;
            if (c.refused.empty())
                continue;
            EXPECT_TRUE(recordingUi.popups.empty()) << c.code;
        }
        RecordingPlatform fake;
        ScopedPlatform guard(fake);
        fake.refusal = "Permission denied";
        TaskFromCode(c.code)->Run();
        ASSERT_EQ(recordingUi.popups.size(), 1u) << c.code;
        EXPECT_EQ(recordingUi.popups[0]->shownTexts, Calls{c.refused});
    }
    EXPECT_EQ(recordingUi.messages, (std::vector<std::string>{"TDisconnectNetTask"}));
}

// Trimmed and cut at the first blank only; a quoted program is taken whole.
TEST_F(TaskRun, ExecuteRunsTheProgramItsLineNames) {
    const std::vector<std::pair<std::string, std::string>> runOfLine = {
        {"  notepad  readme.txt ", "run \"notepad\" with \" readme.txt\""},
        {"\t\r\ncalc\x01", "run \"calc\""},
        {"", "run \"\""},
        {"\"C:\\Program Files\\App\\app.exe\" --open \"my file.txt\"",
         "run \"C:\\Program Files\\App\\app.exe\" with \"--open \"my file.txt\"\""},
        {" \"/home/me/My Apps/run\" ", "run \"/home/me/My Apps/run\""},
        {"\"unterminated quote", "run \"\"unterminated\" with \"quote\""},
        {"\"C:\\a b\"--x y", "run \"C:\\a b\" with \"--x y\""},
    };
    for (const auto& [line, run] : runOfLine) {
        fake.clearCalls();
        TExecuteTask task;
        task.CommandLine = line;
        task.Run();
        EXPECT_EQ(fake.calls, Calls{run}) << line;
    }
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
              (Calls{"run \"calc\"", "run \"calc\"", "run \"\"C:\\Program\" with \"Files\\app.exe --x\""}));
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
    fake.addProcess(1234);
    TCloseProgramTask task;
    task.WindowText = "Untitled - Editor";
    task.ProcessId = 1234;
    task.Run();
    EXPECT_EQ(fake.calls, Calls{"end process 1234"});
    EXPECT_EQ(fake.endedProcessIds, (std::vector<std::uint32_t>{1234}));

    // After a restart the id belongs to something else: it is left alone.
    fake.clearCalls();
    fake.topLevelWindows = {{2, "Build Server", 1234}, {3, "Untitled - Editor", 999}};
    task.Run();
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskRun, CloseProgramNeverEndsOurOwnProcess) {
    fake.currentProcessId = 77;
    fake.addWindow(1, "Halvo ShutDown", 77);
    TCloseProgramTask task;
    task.WindowText = "Halvo ShutDown";
    task.ProcessId = 77;
    task.Run();
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(TaskRun, SleepAndHibernateAskFirstAndStoreFirst) {
    std::size_t callsWhenStored = 99;
    SetBeforeSuspend([&] { callsWhenStored = fake.calls.size(); });
    TSleepTask().Run();
    EXPECT_EQ(callsWhenStored, 0u) << "stored before the request";
    THibernateTask().Run();
    EXPECT_EQ(fake.calls, (Calls{"sleep", "hibernate"}));
    EXPECT_TRUE(recordingUi.popups.empty());

    // Not offered: nothing is asked of the system and the user is told.
    fake.clearCalls();
    callsWhenStored = 99;
    fake.suspendAllowed = false;
    fake.hibernateAllowed = false;
    EXPECT_FALSE(TSleepTask().Available());
    EXPECT_FALSE(THibernateTask().Available());
    TSleepTask().Run();
    THibernateTask().Run();
    EXPECT_EQ(fake.calls, Calls{});
    EXPECT_EQ(callsWhenStored, 99u);
    ASSERT_EQ(recordingUi.popups.size(), 2u);
    EXPECT_EQ(recordingUi.popups[0]->shownTexts,
              Calls{"Sleep the computer failed: not available on this computer"});
    EXPECT_EQ(recordingUi.popups[1]->shownTexts,
              Calls{"Hibernate the computer failed: not available on this computer"});
    SetBeforeSuspend({});
}
