#pragma once

// The catalogue of actions. Two numberings name a kind and must never stand in for each other: the task
// code (1 to 11, stored in every task and in the schedule file) and the task list index (the position in
// the drop-down lists). Only the functions below convert between them.

#include "platform/UiServices.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace halvo {

class TTask {
public:
    virtual ~TTask() = default;
    // Carries the action out through the current platform; reports nothing.
    virtual void Run() = 0;

    const std::string Name;
    const std::int32_t Code;

protected:
    TTask(std::string name, std::int32_t code) : Name(std::move(name)), Code(code) {}
};

class TShutDownTask final : public TTask {
public:
    TShutDownTask() : TTask("shutdown the computer", 1) {}
    void Run() override;
};

class TTurnOffTask final : public TTask {
public:
    TTurnOffTask() : TTask("turn off the computer", 2) {}
    void Run() override;
};

class TCloseProgramTask final : public TTask {
public:
    TCloseProgramTask() : TTask("close the program", 3) {}
    void Run() override;

    std::string WindowText;
    std::uint32_t ProcessId = 0;
};

class TScreenSaverTask final : public TTask {
public:
    TScreenSaverTask() : TTask("start the screensaver", 4) {}
    void Run() override;
};

class TLogOffTask final : public TTask {
public:
    TLogOffTask() : TTask("log off  user", 5) {}
    void Run() override;
};

class TDisconnectNetTask final : public TTask {
public:
    TDisconnectNetTask() : TTask("disconnect the network", 6) {}
    void Run() override;
};

class TCloseAllProgramTask final : public TTask {
public:
    TCloseAllProgramTask() : TTask("close all the program", 7) {}
    void Run() override;
};

class TExecuteTask final : public TTask {
public:
    TExecuteTask() : TTask("execute the program", 8) {}
    void Run() override;

    std::string CommandLine;
};

class TRestartTask final : public TTask {
public:
    TRestartTask() : TTask("restart the computer", 9) {}
    void Run() override;
};

class TMessageTask final : public TTask {
public:
    TMessageTask() : TTask("alarm message", 10), Popup(ui().CreateNotificationPopup()) {}
    void Run() override;

    std::vector<std::string> Lines;
    std::unique_ptr<NotificationPopup> Popup;
};

class TLockWorkStationTask final : public TTask {
public:
    TLockWorkStationTask() : TTask("lock the workstation", 11) {}
    void Run() override;
};

// A new task of the kind with that code (1 to 11), or none.
std::unique_ptr<TTask> TaskFromCode(int code);
// A new task of the kind at that list index (0 to 9), or none.
std::unique_ptr<TTask> TaskFromListIndex(int index);
// The list index of the kind with that code; -1 for code 6 and for any value outside 1 to 11.
int ListIndexOfCode(int code);
// A new task of the same kind as source with copies of its parameters; none when source is null.
std::unique_ptr<TTask> CopyTask(const TTask* source);

// The task lists' item texts, by list index.
inline constexpr std::array<const char*, 10> TaskListTexts = {"Shutdown the Computer",
                                                              "Trun off the computer",
                                                              "Restart the computer",
                                                              "Logoff user...",
                                                              "Lock the workstation",
                                                              "Start the screensaver",
                                                              "Close all the program",
                                                              "Close program",
                                                              "Execute",
                                                              "Message"};

// How the execute task cuts its command line into the program and its parameters. hasParameters is false
// when the line names only a program.
struct CommandLineParts {
    std::string file;
    std::string parameters;
    bool hasParameters = false;
};
CommandLineParts SplitCommandLine(const std::string& commandLine);

} // namespace halvo
