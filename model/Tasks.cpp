#include "Tasks.h"

#include "ProcessRoutines.h"
#include "platform/Platform.h"
#include "platform/Translate.h"

#include <algorithm>

namespace halvo {

namespace {

std::function<void()> beforeSuspend;

// Tells the user, in the notification popup, that the system refused the action of the kind with code
// and, where it gave one, why: a shutdown that silently did not happen leaves the computer running all
// night.
void reportRefusal(std::int32_t code, const std::string& reason) {
    const std::string action = Translate("Tasks", KindOfCode(code)->ActionText);
    const std::string text = reason.empty() ? FillIn(Translate("Tasks", "%1 failed"), {action})
                                            : FillIn(Translate("Tasks", "%1 failed: %2"), {action, reason});
    // The popup finishes showing by itself after this one goes.
    auto popup = ui().CreateNotificationPopup();
    popup->SetMessageText(text);
    popup->Show();
}

void checkAnswer(std::int32_t code, bool accepted) {
    if (!accepted)
        reportRefusal(code, platform().session().refusalReason());
}

void suspend(std::int32_t code, bool hibernate) {
    SessionPower& session = platform().session();
    if (!session.isOffered(hibernate ? SessionAction::Hibernate : SessionAction::Sleep)) {
        reportRefusal(code, Translate("Tasks", "not available on this computer"));
        return;
    }
    if (beforeSuspend)
        beforeSuspend();
    checkAnswer(code, hibernate ? session.hibernate() : session.sleep());
}

} // namespace

void SetBeforeSuspend(std::function<void()> store) {
    beforeSuspend = std::move(store);
}

void TShutDownTask::Run() {
    checkAnswer(Code, platform().session().shutDown(true));
}

void TTurnOffTask::Run() {
    checkAnswer(Code, platform().session().powerOff(true));
}

void TCloseProgramTask::Run() {
    DesktopWindows& windows = platform().windows();
    // Ending ourselves would stop the schedule with us.
    if (ProcessId == windows.ownProcessId())
        return;
    // A process id outlives the program it was picked for: after a restart it may name any other
    // process. Only end the process while it still shows the window the user picked.
    bool stillOwnsWindow = false;
    for (const auto& entry : CollectTopLevelWindows()) {
        if (entry.title != WindowText)
            continue;
        if (windows.processOf(entry.window) == ProcessId) {
            stillOwnsWindow = true;
            break;
        }
    }
    if (stillOwnsWindow)
        windows.endProcess(ProcessId);
}

void TScreenSaverTask::Run() {
    platform().session().startScreenSaver();
}

// Log off and restart leave programs the chance to keep the user's unsaved work.
void TLogOffTask::Run() {
    checkAnswer(Code, platform().session().logOff(false));
}

void TDisconnectNetTask::Run() {
    ui().ShowMessage("TDisconnectNetTask");
}

void TCloseAllProgramTask::Run() {
    CloseAllPrograms();
}

namespace {

bool isTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Whether the command line starts with a quote that nothing closes.
bool programQuoteIsOpen(const std::string& commandLine) {
    std::size_t begin = 0;
    while (begin < commandLine.size() && isTrimmed(commandLine[begin]))
        ++begin;
    return begin < commandLine.size() && commandLine[begin] == '"' &&
           commandLine.find('"', begin + 1) == std::string::npos;
}

} // namespace

CommandLineParts SplitCommandLine(const std::string& commandLine) {
    std::size_t begin = 0;
    std::size_t end = commandLine.size();
    while (begin < end && isTrimmed(commandLine[begin]))
        ++begin;
    while (end > begin && isTrimmed(commandLine[end - 1]))
        --end;
    const std::string text = commandLine.substr(begin, end - begin);

    CommandLineParts parts;
    if (!text.empty() && text.front() == '"') {
        // A quoted program may hold blanks ("C:\Program Files\..."): it runs to the closing quote.
        const std::size_t close = text.find('"', 1);
        if (close != std::string::npos) {
            parts.file = text.substr(1, close - 1);
            std::size_t rest = close + 1;
            if (rest < text.size() && text[rest] == ' ')
                ++rest;
            if (rest < text.size()) {
                parts.parameters = text.substr(rest);
                parts.hasParameters = true;
            }
            return parts;
        }
    }
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos) {
        parts.file = text;
        return parts;
    }
    parts.file = text.substr(0, blank);
    parts.parameters = text.substr(blank + 1);
    parts.hasParameters = true;
    return parts;
}

void TExecuteTask::Run() {
    const CommandLineParts parts = SplitCommandLine(CommandLine);
    std::string failure;
    if (platform().launcher().runProgram(
            parts.file, parts.hasParameters ? std::optional(parts.parameters) : std::nullopt, failure))
        return;
    // A program whose opening quote is not closed was cut at its first blank; the system then reports
    // the piece as missing, which would point the user at the wrong fault.
    reportRefusal(Code, programQuoteIsOpen(CommandLine) ? Translate("Launcher", "the quote is not closed")
                                                        : failure);
}

void TRestartTask::Run() {
    checkAnswer(Code, platform().session().restart(false));
}

void TMessageTask::Run() {
    std::string text;
    for (const auto& line : Lines) {
        text += line;
        text += "\r\n";
    }
    Popup->SetMessageText(text);
    Popup->Show();
}

void TLockWorkStationTask::Run() {
    checkAnswer(Code, platform().session().lock());
}

void TSleepTask::Run() {
    suspend(Code, false);
}

bool TSleepTask::Available() const {
    return platform().session().isOffered(SessionAction::Sleep);
}

void THibernateTask::Run() {
    suspend(Code, true);
}

bool THibernateTask::Available() const {
    return platform().session().isOffered(SessionAction::Hibernate);
}

namespace {

template <class Kind> std::unique_ptr<TTask> create() {
    return std::make_unique<Kind>();
}

using P = TaskParameterKind;
constexpr int No = NotListed;

// The texts a user reads are translated where they are shown, in the context "Tasks".
// clang-format off
const TaskKind Catalogue[] = {
//   code name                     list text                 gen wiz parameters       tray tray name             tray caption              refused action            command        warn   factory
    {1,  HALVO_TRANSLATE_NOOP("Tasks", "shutdown the computer"),  HALVO_TRANSLATE_NOOP("Tasks", "Shutdown the Computer"),  0,  0,  P::None,         0,  "Shutdown1",           HALVO_TRANSLATE_NOOP("Tasks", "Shut down the system"),   HALVO_TRANSLATE_NOOP("Tasks", "Shut down the computer"), "shutdown",    true,  &create<TShutDownTask>},
    {2,  HALVO_TRANSLATE_NOOP("Tasks", "turn off the computer"),  HALVO_TRANSLATE_NOOP("Tasks", "Trun off the computer"),  1,  1,  P::None,         1,  "N1",                  HALVO_TRANSLATE_NOOP("Tasks", "Power off the computer"), HALVO_TRANSLATE_NOOP("Tasks", "Power off the computer"), "poweroff",    true,  &create<TTurnOffTask>},
    {3,  HALVO_TRANSLATE_NOOP("Tasks", "close the program"),      HALVO_TRANSLATE_NOOP("Tasks", "Close program"),          No, 7,  P::Window,       No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Close the program"),      nullptr,       false, &create<TCloseProgramTask>},
    {4,  HALVO_TRANSLATE_NOOP("Tasks", "start the screensaver"),  HALVO_TRANSLATE_NOOP("Tasks", "Start the screensaver"),  5,  5,  P::None,         No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Start the screensaver"),  "screensaver", false, &create<TScreenSaverTask>},
    {5,  HALVO_TRANSLATE_NOOP("Tasks", "log off  user"),          HALVO_TRANSLATE_NOOP("Tasks", "Logoff user..."),         3,  3,  P::None,         2,  "Logoff1",             HALVO_TRANSLATE_NOOP("Tasks", "Log off ..."),            HALVO_TRANSLATE_NOOP("Tasks", "Log off"),                "logoff",      true,  &create<TLogOffTask>},
    {6,  HALVO_TRANSLATE_NOOP("Tasks", "disconnect the network"), "",                       No, No, P::None,         No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Disconnect the network"), nullptr,       false, &create<TDisconnectNetTask>},
    {7,  HALVO_TRANSLATE_NOOP("Tasks", "close all the program"),  HALVO_TRANSLATE_NOOP("Tasks", "Close all the program"),  No, 6,  P::None,         No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Close all programs"),     "closeall",    true,  &create<TCloseAllProgramTask>},
    {8,  HALVO_TRANSLATE_NOOP("Tasks", "execute the program"),    HALVO_TRANSLATE_NOOP("Tasks", "Execute"),                No, 8,  P::CommandLine,  No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Run a command line"),     nullptr,       false, &create<TExecuteTask>},
    {9,  HALVO_TRANSLATE_NOOP("Tasks", "restart the computer"),   HALVO_TRANSLATE_NOOP("Tasks", "Restart the computer"),   2,  2,  P::None,         3,  "Restartthecomputer1", HALVO_TRANSLATE_NOOP("Tasks", "Restart the computer"),   HALVO_TRANSLATE_NOOP("Tasks", "Restart the computer"),   "restart",     true,  &create<TRestartTask>},
    {10, HALVO_TRANSLATE_NOOP("Tasks", "alarm message"),          HALVO_TRANSLATE_NOOP("Tasks", "Message"),                No, 9,  P::MessageLines, No, nullptr,               nullptr,                  HALVO_TRANSLATE_NOOP("Tasks", "Show the message"),       nullptr,       false, &create<TMessageTask>},
    {11, HALVO_TRANSLATE_NOOP("Tasks", "lock the workstation"),   HALVO_TRANSLATE_NOOP("Tasks", "Lock the workstation"),   4,  4,  P::None,         4,  "Lockthecomputer1",    HALVO_TRANSLATE_NOOP("Tasks", "Lock the computer"),      HALVO_TRANSLATE_NOOP("Tasks", "Lock the computer"),      "lock",        false, &create<TLockWorkStationTask>},
    {12, HALVO_TRANSLATE_NOOP("Tasks", "sleep the computer"),     HALVO_TRANSLATE_NOOP("Tasks", "Sleep the computer"),     6,  10, P::None,         5,  "Sleep1",              HALVO_TRANSLATE_NOOP("Tasks", "Sleep"),                  HALVO_TRANSLATE_NOOP("Tasks", "Sleep the computer"),     "sleep",       true,  &create<TSleepTask>},
    {13, HALVO_TRANSLATE_NOOP("Tasks", "hibernate the computer"), HALVO_TRANSLATE_NOOP("Tasks", "Hibernate the computer"), 7,  11, P::None,         6,  "Hibernate1",          HALVO_TRANSLATE_NOOP("Tasks", "Hibernate"),              HALVO_TRANSLATE_NOOP("Tasks", "Hibernate the computer"), "hibernate",   true,  &create<THibernateTask>},
};
// clang-format on

std::vector<const TaskKind*> kindsBy(int TaskKind::*position) {
    std::vector<const TaskKind*> kinds;
    for (const TaskKind& kind : Catalogue)
        if (kind.*position != NotListed)
            kinds.push_back(&kind);
    std::sort(kinds.begin(), kinds.end(),
              [position](const TaskKind* a, const TaskKind* b) { return a->*position < b->*position; });
    return kinds;
}

} // namespace

std::span<const TaskKind> TaskCatalogue() {
    return Catalogue;
}

const TaskKind* KindOfCode(int code) {
    for (const TaskKind& kind : Catalogue)
        if (kind.Code == code)
            return &kind;
    return nullptr;
}

const TaskKind* KindOfCommandName(std::string_view word) {
    for (const TaskKind& kind : Catalogue)
        if (kind.CommandName && word == kind.CommandName)
            return &kind;
    return nullptr;
}

std::vector<const TaskKind*> GeneralListKinds() {
    return kindsBy(&TaskKind::GeneralPosition);
}

std::vector<const TaskKind*> WizardListKinds() {
    return kindsBy(&TaskKind::WizardPosition);
}

std::vector<const TaskKind*> TrayKinds() {
    return kindsBy(&TaskKind::TrayPosition);
}

TTask::TTask(std::int32_t code) : Name(KindOfCode(code)->Name), Code(code) {}

std::string ShownTaskName(const TTask& task) {
    return Translate("Tasks", task.Name.c_str());
}

TaskParameterValues TCloseProgramTask::Parameters() const {
    TaskParameterValues values;
    values.Text = WindowText;
    values.ProcessId = ProcessId;
    return values;
}

void TCloseProgramTask::SetParameters(const TaskParameterValues& values) {
    WindowText = values.Text;
    ProcessId = values.ProcessId;
}

TaskParameterValues TExecuteTask::Parameters() const {
    TaskParameterValues values;
    values.Text = CommandLine;
    return values;
}

void TExecuteTask::SetParameters(const TaskParameterValues& values) {
    CommandLine = values.Text;
}

TaskParameterValues TMessageTask::Parameters() const {
    TaskParameterValues values;
    values.Lines = Lines;
    return values;
}

void TMessageTask::SetParameters(const TaskParameterValues& values) {
    Lines = values.Lines;
}

std::unique_ptr<TTask> TaskFromCode(int code) {
    const TaskKind* kind = KindOfCode(code);
    return kind ? kind->Create() : nullptr;
}

std::unique_ptr<TTask> CopyTask(const TTask* source) {
    if (!source)
        return nullptr;
    auto copy = TaskFromCode(source->Code);
    copy->SetParameters(source->Parameters());
    return copy;
}

} // namespace halvo
