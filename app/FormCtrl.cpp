#include "FormCtrl.h"

#include "CountdownBar.h"
#include "FormAbout.h"
#include "FormOption.h"
#include "TerminationSignals.h"
#include "TrayMenu.h"
#include "core/Engine.h"
#include "model/DataFolder.h"
#include "model/Tasks.h"
#include "pages/FormGen.h"
#include "pages/FormSch.h"
#include "pages/PasswordDialog.h"
#include "platform/Platform.h"
#include "toolkit/AppIcon.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TimeFormat.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QShowEvent>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdio>
#include <exception>

namespace halvo {

namespace {

constexpr int GeneralSheet = 0;
constexpr int ScheduleSheet = 1;
constexpr int OptionSheet = 2;
constexpr int AboutSheet = 3;

// A menu item named name (the object name tests find it by) that runs the window's handler.
QAction* addNamedAction(QMenu* menu, const char* name, const QString& caption, TFormCtrl* window,
                        void (TFormCtrl::*handler)()) {
    QAction* action = menu->addAction(caption, window, [window, handler] { (window->*handler)(); });
    action->setObjectName(name);
    return action;
}

} // namespace

// The Dialogs service while the program ends: the session or the service manager waits for the program,
// and nobody may be there to answer a box. Texts go to stderr (which the session keeps in its log), one
// line each; questions and dialogs are answered Cancel without being shown.
struct TFormCtrl::UnattendedDialogs final : Dialogs {
    explicit UnattendedDialogs(Dialogs& replaced) : previous(replaced) {}
    Dialogs& previous; // back in place once the window is gone
    QStringList printed;

    // Each text once: the settings file named by the schedule's store and by the settings' own, or stored
    // at the end of the session and again as the window goes, is one fault.
    void print(const QString& text) {
        QString line = text;
        line.replace('\n', "; ");
        if (printed.contains(line))
            return;
        printed << line;
        std::fprintf(stderr, "halvo-shutdown: %s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    void Message(const QString& text) override { print(text); }
    void Error(const QString& text) override { print(text); }
    void Notice(const QString& text) override { print(text); }
    int Question(const QString&, const QString&) override { return 2; }
    int RunModal(QDialog&) override { return 2; }
    QString OpenFile(QWidget*) override { return {}; }
};

TFormCtrl::TFormCtrl(Engine& engine, QWidget* parent) : QMainWindow(parent), m_engine(engine) {
    m_engine.commands().SetShowWindow([this] { Setting1Click(); });
    buildWindow();
    Tray = new TrayMenu(*this, m_engine,
                        {[this] { Setting1Click(); }, [this] { GuardedExit(); }, [this] { About2Click(); }});
    Bar = std::make_unique<CountdownBar>(m_engine.planner(), m_engine.settings());

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Agree to the end of the session: store now, and let the window close when asked.
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { SessionEndAsked(); });
        app->installEventFilter(this);
    }
    m_engine.planner().setEndCalledOff([this] { SessionEndCalledOff(); });
    // What the engine guards with the password is asked for in the password dialog.
    m_engine.guard().SetAsker([this](const std::string& what) {
        return AskPassword(m_engine.guard(), QString::fromStdString(what), this);
    });
    // A termination request ends the program as "Exit" does, as soon as it comes.
    SetTerminationHandler([this] {
        if (!m_exitRequested)
            Exit1Click();
    });
    FormCreate();
}

TFormCtrl::~TFormCtrl() {
    // The window goes only when the program ends.
    beginEnding();
    Timer1->stop();
    SessionEndTimer->stop();
    if (auto* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    for (auto page = m_pages.rbegin(); page != m_pages.rend(); ++page)
        delete *page;
    m_pages.clear();
    FormGen = nullptr;
    FormSch = nullptr;
    FormOption = nullptr;
    FormAbout = nullptr;
    FormDestroy();
    m_engine.planner().setEndCalledOff({});
    m_engine.guard().SetAsker({});
    m_engine.commands().SetShowWindow({});
    SetTerminationHandler({});
    setDialogs(&m_unattended->previous);
}

Planner& TFormCtrl::planner() {
    return m_engine.planner();
}

void TFormCtrl::beginEnding() {
    if (m_unattended)
        return;
    m_unattended = std::make_unique<UnattendedDialogs>(dialogs());
    setDialogs(m_unattended.get());
    m_engine.SetEnding();
}

void TFormCtrl::buildWindow() {
    setObjectName("FormCtrl");
    setWindowTitle(tr("Halvo ShutDown"));
    setWindowIcon(appIcon());

    File1 = menuBar()->addMenu(tr("File"));
    File1->setObjectName("File1");
    General1 = addNamedAction(File1, "General1", tr("General"), this, &TFormCtrl::General1Click);
    Schedule1 = addNamedAction(File1, "Schedule1", tr("Schedule"), this, &TFormCtrl::Schedule1Click);
    Option1 = addNamedAction(File1, "Option1", tr("Option"), this, &TFormCtrl::Option1Click);
    Help1 = menuBar()->addMenu(tr("Help"));
    Help1->setObjectName("Help1");
    help2 = addNamedAction(Help1, "help2", tr("help"), this, &TFormCtrl::help2Click);
    about1 = addNamedAction(Help1, "about1", tr("about"), this, &TFormCtrl::about1Click);

    auto* central = new QWidget(this);
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName("PageControl1");
    const char* names[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4"};
    const QString captions[] = {tr("General"), tr("Schedule"), tr("Option"), tr("About")};
    QWidget** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4};
    for (int i = 0; i < 4; ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(names[i]);
        // The pages keep their own design size at (0, 0) of the sheet.
        sheet->setMinimumSize(461, 270);
        PageControl1->addTab(sheet, captions[i]);
        *sheets[i] = sheet;
    }

    Bevel1 = new QFrame(central);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Label1 = new QLabel(tr("Time"), central);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(tr("Time"), central);
    Label2->setObjectName("Label2");

    auto* status = new QHBoxLayout;
    status->setContentsMargins(2, 0, 2, 0);
    status->addWidget(Label1);
    status->addSpacing(12);
    status->addWidget(Label2, 1);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 1, 0, 4);
    layout->setSpacing(3);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(Bevel1);
    layout->addLayout(status);
    setCentralWidget(central);
    setFixedSize(sizeHint());

    connect(PageControl1, &QTabWidget::currentChanged, this, &TFormCtrl::tabChanged);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    SessionEndTimer = new QTimer(this);
    SessionEndTimer->setObjectName("SessionEndTimer");
    SessionEndTimer->setSingleShot(true);
    SessionEndTimer->setInterval(SessionEndWaitMs);
    connect(SessionEndTimer, &QTimer::timeout, this, [this] { SessionEndCalledOff(); });
}

void TFormCtrl::FormCreate() {
    FormGen = nullptr;
    FormSch = nullptr;
    FormOption = nullptr;
    FormAbout = nullptr;
    // Hidden, so no tab-sheet event runs and no page is created by this.
    PageControl1->setCurrentIndex(ScheduleSheet);
    m_currentSheet = ScheduleSheet;
    Tray->Refresh();
}

void TFormCtrl::FormShow() {
    PageControl1->setCurrentIndex(GeneralSheet);
}

void TFormCtrl::FormDestroy() {
    // The schedule, then the settings.
    m_engine.StoreAll();
}

void TFormCtrl::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // From hidden to shown: the active sheet shows its page (created the first time), then General comes
    // in front.
    showPage(m_currentSheet, true);
    FormShow();
    Timer1Timer();
    Timer1->start();
}

void TFormCtrl::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Nobody sees the clock: the program sleeps until something is due.
    if (!event->spontaneous())
        Timer1->stop();
}

bool TFormCtrl::FormCloseQuery() {
    if (m_exitRequested || m_sessionEnding)
        return true;
    hide();
    return false;
}

void TFormCtrl::closeEvent(QCloseEvent* event) {
    event->setAccepted(FormCloseQuery());
}

bool TFormCtrl::eventFilter(QObject* watched, QEvent* event) {
    // The platform asks the application to quit when the session ends (Qt then closes every window).
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit && event->spontaneous() &&
        !m_exitRequested)
        SessionEnding();
    return QMainWindow::eventFilter(watched, event);
}

void TFormCtrl::SessionEnding() {
    m_sessionEnding = true;
    beginEnding();
    m_engine.StoreSettings();
    m_engine.schedule().StoreIfKept();
}

void TFormCtrl::SessionEndAsked() {
    SessionEnding();
    SessionEndTimer->start();
}

void TFormCtrl::SessionEndCalledOff() {
    // Another program or the user kept the session: the program goes on as it was before it was asked.
    SessionEndTimer->stop();
    if (!m_sessionEnding || m_exitRequested || !m_unattended)
        return;
    m_sessionEnding = false;
    setDialogs(&m_unattended->previous);
    m_unattended.reset();
    m_engine.ResumeAfterEnding();
}

void TFormCtrl::tabChanged(int index) {
    const int previous = m_currentSheet;
    m_currentSheet = index;
    if (!isVisible() || previous == index)
        return;
    showPage(previous, false);
    showPage(index, true);
}

QWidget* TFormCtrl::ensurePage(int sheet) {
    QWidget* page = nullptr;
    QSize size;
    switch (sheet) {
    case GeneralSheet:
        if (FormGen)
            return FormGen;
        page = FormGen = new TFormGen(m_engine.planner(), TabSheet1);
        FormGen->SetQuickActionStore(&m_engine.settings());
        FormGen->SetGuard(&m_engine.guard());
        size = TFormGen::PageSize;
        break;
    case ScheduleSheet:
        if (FormSch)
            return FormSch;
        page = FormSch = new TFormSch(m_engine.schedule(), TabSheet2);
        FormSch->SetGuard(&m_engine.guard());
        size = TFormSch::PageSize;
        break;
    case OptionSheet:
        if (FormOption)
            return FormOption;
        page = FormOption = new TFormOption(m_engine.settings(), TabSheet3);
        FormOption->SetGuard(&m_engine.guard());
        size = TFormOption::PageSize;
        break;
    case AboutSheet:
        if (FormAbout)
            return FormAbout;
        page = FormAbout = new TFormAbout(*this, TabSheet4);
        size = TFormAbout::PageSize;
        break;
    default:
        return nullptr;
    }
    page->setGeometry(QRect(QPoint(0, 0), size));
    // Shown only by its tab sheet, not along with the window.
    page->hide();
    m_pages.push_back(page);
    return page;
}

void TFormCtrl::showPage(int sheet, bool show) {
    try {
        QWidget* page = ensurePage(sheet);
        if (!page)
            return;
        if (show)
            page->show();
        else
            page->hide();
    } catch (const std::exception& fault) {
        // One page failing leaves the window and the other pages working.
        dialogs().Error(QString::fromUtf8(fault.what()));
    }
}

void TFormCtrl::General1Click() {
    PageControl1->setCurrentIndex(GeneralSheet);
}
void TFormCtrl::Schedule1Click() {
    PageControl1->setCurrentIndex(ScheduleSheet);
}
void TFormCtrl::Option1Click() {
    PageControl1->setCurrentIndex(OptionSheet);
}
void TFormCtrl::about1Click() {
    PageControl1->setCurrentIndex(AboutSheet);
}

// The help document beside the program; false after saying so when it is missing.
static bool HelpDocumentThere(std::string& path) {
    Files& files = platform().files();
    path = files.executableFolder() + HelpFileName;
    if (files.exists(path))
        return true;
    dialogs().Error(QCoreApplication::translate("halvo::TFormCtrl", "The help file %1 is missing")
                        .arg(QString::fromStdString(path)));
    return false;
}

void TFormCtrl::help2Click() {
    std::string path;
    if (HelpDocumentThere(path))
        platform().launcher().openDocument(path, std::uintptr_t(winId()));
}

void TFormCtrl::Timer1Timer() {
    const LocalTime now = platform().clock().localTime();
    const QLocale locale;
    QString text = locale.toString(QDate(now.year, now.month, now.day), QLocale::ShortFormat);
    // Midnight shows as the date alone, as the clock always has.
    if (now.hour != 0 || now.minute != 0 || now.second != 0)
        text += ' ' + locale.toString(QTime(now.hour, now.minute, now.second), LongTimeFormat(locale));
    Label2->setText(text);
}

void TFormCtrl::Setting1Click() {
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void TFormCtrl::About2Click() {
    Setting1Click();
    PageControl1->setCurrentIndex(AboutSheet);
}

void TFormCtrl::GuardedExit() {
    if (AskPassword(m_engine.guard(), tr("exit Halvo Shutdown"), this))
        Exit1Click();
}

void TFormCtrl::Exit1Click() {
    m_exitRequested = true;
    beginEnding();
    QCoreApplication::exit(0);
}

std::string TFormCtrl::HomepageAddress() const {
    if (*HALVO_HOMEPAGE_URL)
        return HALVO_HOMEPAGE_URL;
    const QString help = QString::fromStdString(platform().files().executableFolder() + HelpFileName);
    return QUrl::fromLocalFile(help).toString(QUrl::FullyEncoded).toStdString();
}

void TFormCtrl::OpenHomepage() {
    // The shipped document may have been removed from a portable copy: say so rather than open nothing.
    std::string path;
    if (!*HALVO_HOMEPAGE_URL && !HelpDocumentThere(path))
        return;
    platform().launcher().openDocument(HomepageAddress(), std::uintptr_t(winId()));
}

} // namespace halvo
