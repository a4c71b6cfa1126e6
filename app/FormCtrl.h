#pragma once

// The main window and the tray: the program lives in the notification area; the window with its four
// pages (General, Schedule, Option, About) is hidden at start and hides again when closed or minimized.
// Only "Exit" (or the end of the session) ends the program: the pages go newest first, then the engine
// stores the schedule and the settings. The window shows the engine that main() owns; what runs does not
// depend on any page being there.

#include "model/CommandLine.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace halvo {

class CountdownBar;
class Engine;
class Planner;
class TrayMenu;
class TFormAbout;
class TFormGen;
class TFormOption;
class TFormSch;

inline constexpr const char* HelpFileName = "AppHelp.html";

class TFormCtrl : public QMainWindow {
    Q_OBJECT
public:
    // Loads the design, then FormCreate; engine has been started and outlives the window.
    explicit TFormCtrl(Engine& engine, QWidget* parent = nullptr);
    ~TFormCtrl() override; // the pages newest first, then FormDestroy

    QTabWidget* PageControl1;
    QWidget* TabSheet1; // "General"
    QWidget* TabSheet2; // "Schedule"
    QWidget* TabSheet3; // "Option"
    QWidget* TabSheet4; // "About"
    QFrame* Bevel1;
    QLabel* Label1; // "Time"
    QLabel* Label2; // the clock, ticking while the window is shown
    QMenu* File1;
    QAction* General1;
    QAction* Schedule1;
    QAction* Option1;
    QMenu* Help1;
    QAction* help2;
    QAction* about1;
    QTimer* Timer1;
    // Runs from a session manager's request to store on: a program still running when it runs out goes on.
    QTimer* SessionEndTimer;
    static constexpr int SessionEndWaitMs = 120000;

    TrayMenu* Tray; // the notification area's icon and menu
    // Along the screen's edge while an After or At action is armed and the option is on.
    std::unique_ptr<CountdownBar> Bar;

    // The pages, each null until first needed.
    TFormGen* FormGen = nullptr;
    TFormSch* FormSch = nullptr;
    TFormOption* FormOption = nullptr;
    TFormAbout* FormAbout = nullptr;

    void FormCreate();
    void FormShow();
    void FormDestroy();
    void General1Click();
    void Schedule1Click();
    void Option1Click();
    void about1Click();
    void help2Click();
    // The status line's clock.
    void Timer1Timer();
    void Setting1Click();
    void Exit1Click();
    // The tray's "Exit": asks for the password first when one is set. A termination request and the end
    // of the session end the program without asking.
    void GuardedExit();
    void About2Click();

    // The address "Visit Homepage" opens and the About page shows: the build's HALVO_HOMEPAGE_URL, or by
    // default the help document shipped beside the program, as a file address.
    std::string HomepageAddress() const;
    void OpenHomepage();

    Engine& engine() { return m_engine; }
    // What will run, and the one timer that wakes the program for it.
    Planner& planner();
    // A close request: hides the window and refuses, except at "Exit" and at the end of the session.
    bool FormCloseQuery();
    // The session is ending: stores the settings and the schedule now and lets the window close, so the
    // session (and the program's own restart or log off) is not held up.
    void SessionEnding();
    // The end of the session was called off after SessionEnding: the schedule runs and asks again.
    void SessionEndCalledOff();
    // The session manager asks the program to store its data: at the end of the session, but also when it
    // only saves the session, and the X11 ones do not say when an end is called off. So SessionEnding, and
    // SessionEndCalledOff once SessionEndTimer runs out (Windows says so at once).
    void SessionEndAsked();
    // From "Exit", a termination request or the end of the session on, nobody is waited for: a store that
    // fails is one line on stderr, and any box or dialog asked for is answered Cancel without being shown.
    bool ending() const { return m_unattended != nullptr; }

    // The pages in the order they were created.
    const std::vector<QWidget*>& pagesInCreationOrder() const { return m_pages; }
    bool exitRequested() const { return m_exitRequested; }
    bool sessionEnding() const { return m_sessionEnding; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void tabChanged(int index);
    // A tab sheet's page: created when missing, then shown or hidden.
    QWidget* ensurePage(int sheet);
    void showPage(int sheet, bool show);
    void beginEnding();

    struct UnattendedDialogs;
    std::unique_ptr<UnattendedDialogs> m_unattended;
    Engine& m_engine;

    std::vector<QWidget*> m_pages;
    int m_currentSheet = 1;
    bool m_exitRequested = false;
    bool m_sessionEnding = false;
};

} // namespace halvo
