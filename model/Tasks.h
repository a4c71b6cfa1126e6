#pragma once

// The kinds of task and their catalogue. A kind is named by its task code (stored in every task and in the
// schedule file); where a list, the wizard or the tray menu shows it is a column of the catalogue, so no
// list position ever stands in for a code.

#include "platform/UiServices.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// The parameters a task may carry; which of them a kind has is its catalogue entry's Parameters.
struct TaskParameterValues {
    std::string Text; // the window title of close program, the command line of execute
    std::uint32_t ProcessId = 0;
    std::vector<std::string> Lines;
};

class TTask {
public:
    virtual ~TTask() = default;
    // Carries the action out through the current platform; a refusal is shown in the notification popup.
    virtual void Run() = 0;

    // The one place each kind maps its own fields to and from the shared parameter values.
    virtual TaskParameterValues Parameters() const { return {}; }
    virtual void SetParameters(const TaskParameterValues&) {}
    // Whether the system offers the action at all (sleep and hibernate may be switched off).
    virtual bool Available() const { return true; }

    const std::string Name;
    const std::int32_t Code;

protected:
    // Name comes from the catalogue entry of code.
    explicit TTask(std::int32_t code);
};

class TShutDownTask final : public TTask {
public:
    TShutDownTask() : TTask(1) {}
    void Run() override;
};

class TTurnOffTask final : public TTask {
public:
    TTurnOffTask() : TTask(2) {}
    void Run() override;
};

class TCloseProgramTask final : public TTask {
public:
    TCloseProgramTask() : TTask(3) {}
    void Run() override;

    TaskParameterValues Parameters() const override;
    void SetParameters(const TaskParameterValues& values) override;

    std::string WindowText;
    std::uint32_t ProcessId = 0;
};

class TScreenSaverTask final : public TTask {
public:
    TScreenSaverTask() : TTask(4) {}
    void Run() override;
};

class TLogOffTask final : public TTask {
public:
    TLogOffTask() : TTask(5) {}
    void Run() override;
};

class TDisconnectNetTask final : public TTask {
public:
    TDisconnectNetTask() : TTask(6) {}
    void Run() override;
};

class TCloseAllProgramTask final : public TTask {
public:
    TCloseAllProgramTask() : TTask(7) {}
    void Run() override;
};

class TExecuteTask final : public TTask {
public:
    TExecuteTask() : TTask(8) {}
    void Run() override;
    TaskParameterValues Parameters() const override;
    void SetParameters(const TaskParameterValues& values) override;

    std::string CommandLine;
};

class TRestartTask final : public TTask {
public:
    TRestartTask() : TTask(9) {}
    void Run() override;
};

class TMessageTask final : public TTask {
public:
    TMessageTask() : TTask(10), Popup(ui().CreateNotificationPopup()) {}
    void Run() override;
    TaskParameterValues Parameters() const override;
    void SetParameters(const TaskParameterValues& values) override;

    std::vector<std::string> Lines;
    std::unique_ptr<NotificationPopup> Popup;
};

class TLockWorkStationTask final : public TTask {
public:
    TLockWorkStationTask() : TTask(11) {}
    void Run() override;
};

class TSleepTask final : public TTask {
public:
    TSleepTask() : TTask(12) {}
    void Run() override;
    bool Available() const override;
};

class THibernateTask final : public TTask {
public:
    THibernateTask() : TTask(13) {}
    void Run() override;
    bool Available() const override;
};

// Which parameters a kind carries, and so how the file, the copy and the wizard treat them.
enum class TaskParameterKind { None, Window, CommandLine, MessageLines };

// Where a list or menu has no place for a kind.
inline constexpr int NotListed = -1;

struct TaskKind {
    std::int32_t Code;
    const char* Name;
    const char* ListText; // the item text in the General page's lists and the wizard's list
    int GeneralPosition;  // in the General page's lists, or NotListed
    int WizardPosition;   // in the wizard's task list, or NotListed
    TaskParameterKind Parameters;
    int TrayPosition;        // in the tray menu, or NotListed
    const char* TrayName;    // the tray item's object name
    const char* TrayCaption; // the tray item's caption
    const char* ActionText;  // names the action when the system refuses it
    const char* CommandName; // the TASK word of the command line, or none
    bool WarnsAhead;         // announced five minutes before it runs at a set time (it ends the session)
    std::unique_ptr<TTask> (*Create)();
};

// Every kind, in order of their codes.
std::span<const TaskKind> TaskCatalogue();
// The kind with that code, or none.
const TaskKind* KindOfCode(int code);
// The task's name as the user reads it: in the reminder, the tray's tooltip and --status (the name itself
// is the same in every language).
std::string ShownTaskName(const TTask& task);
// The kind the command line names with word (exact, lower case), or none.
const TaskKind* KindOfCommandName(std::string_view word);
// The kinds a list or menu offers, in the order it shows them.
std::vector<const TaskKind*> GeneralListKinds();
std::vector<const TaskKind*> WizardListKinds();
std::vector<const TaskKind*> TrayKinds();

// A new task of the kind with that code, or none.
std::unique_ptr<TTask> TaskFromCode(int code);

// Called before the program sends the computer to sleep or into hibernation, so what it holds (the
// schedule) is stored first; empty for none.
void SetBeforeSuspend(std::function<void()> store);
// A new task of the same kind as source with copies of its parameters; none when source is null.
std::unique_ptr<TTask> CopyTask(const TTask* source);

// How the execute task cuts its command line into the program and its parameters. hasParameters is false
// when the line names only a program.
struct CommandLineParts {
    std::string file;
    std::string parameters;
    bool hasParameters = false;
};
CommandLineParts SplitCommandLine(const std::string& commandLine);

} // namespace halvo
