#include "FormExecuteTip.h"

#include "model/Agenda.h"
#include "toolkit/Dialogs.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace halvo {

namespace {
constexpr int Run = 1;
constexpr int Cancel = 2;
constexpr int Postpone = 3;

std::vector<TFormExecuteTip*> openReminders;
std::function<void()> countObserver;
} // namespace

TFormExecuteTip::TFormExecuteTip(QWidget* parent)
    // No close box and no system menu: the dialog ends only through its buttons or the countdown.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Button1(new QPushButton(this)), Button2(new QPushButton(this)), Button3(new QPushButton(this)),
      Timer1(new QTimer(this)) {
    setObjectName("FormExecuteTip");
    setWindowTitle("Halvo Shutdown");

    Label1->setObjectName("Label1");
    Label1->setText("the shutdown to will make your computer to do this action \nafter 1 minute :");
    Label2->setObjectName("Label2");
    Label2->setText("      ");
    QFont nameFont = Label2->font();
    nameFont.setBold(true);
    Label2->setFont(nameFont);
    Label3->setObjectName("Label3");
    Label3->hide();
    Button1->setObjectName("Button1");
    Button1->setText("Cancel");
    Button2->setObjectName("Button2");
    Button2->setText("Execute It!");
    Button3->setObjectName("Button3");
    Button3->setText(QString("Postpone %1 min").arg(TAgenda::PostponeSeconds / 60));
    // Enter must not run a shutdown by accident; the user presses a button on purpose.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    Button3->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    buttons->addWidget(Button2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 130)));

    setTabOrder(Button1, Button3);
    setTabOrder(Button3, Button2);

    connect(Button1, &QPushButton::clicked, this, &TFormExecuteTip::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormExecuteTip::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormExecuteTip::Button3Click);
    connect(Timer1, &QTimer::timeout, this, &TFormExecuteTip::Timer1Timer);
    // Once a decision is made the countdown must not decide a second time.
    connect(this, &QDialog::finished, Timer1, &QTimer::stop);

    Timer1->setInterval(1000);
    FormCreate();
}

void TFormExecuteTip::FormCreate() {
    Remaining = 60;
    Timer1->start();
}

void TFormExecuteTip::Button1Click() {
    done(Cancel);
}

void TFormExecuteTip::Button2Click() {
    done(Run);
}

void TFormExecuteTip::Button3Click() {
    done(Postpone);
}

void TFormExecuteTip::Timer1Timer() {
    Button1->setText("Cancel(" + QString::number(Remaining) + ")");
    if (Remaining == 0)
        done(Run);
    --Remaining;
    if (countObserver)
        countObserver();
}

void TFormExecuteTip::closeEvent(QCloseEvent* event) {
    // Any close other than the two buttons (the window manager, the session) counts as cancel.
    done(Cancel);
    event->accept();
}

void TFormExecuteTip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        done(Cancel);
        return;
    }
    QDialog::keyPressEvent(event);
}

ExecuteTipReminder::ExecuteTipReminder(QWidget* parent) : m_dialog(new TFormExecuteTip(parent)) {}

ExecuteTipReminder::~ExecuteTipReminder() {
    delete m_dialog;
}

void ExecuteTipReminder::SetLabel2(const std::string& text) {
    m_dialog->Label2->setText(QString::fromStdString(text));
}

void ExecuteTipReminder::SetDueLine(const std::string& text) {
    m_dialog->Label3->setText(QString::fromStdString(text));
    m_dialog->Label3->setVisible(!text.empty());
    m_dialog->setFixedSize(m_dialog->sizeHint().expandedTo(QSize(360, 130)));
}

ReminderAnswer ExecuteTipReminder::ShowModal() {
    struct Listed {
        TFormExecuteTip* dialog;
        explicit Listed(TFormExecuteTip* shown) : dialog(shown) { openReminders.push_back(shown); }
        ~Listed() { std::erase(openReminders, dialog); }
    } listed(m_dialog);
    switch (dialogs().RunModal(*m_dialog)) {
    case Run:
        return ReminderAnswer::Execute;
    case Postpone:
        return ReminderAnswer::Postpone;
    default:
        return ReminderAnswer::Cancel;
    }
}

void ExecuteTipReminder::SetCountObserver(std::function<void()> observer) {
    countObserver = std::move(observer);
}

std::vector<std::string> ExecuteTipReminder::CountdownLines() {
    std::vector<std::string> lines;
    for (const TFormExecuteTip* reminder : openReminders)
        lines.push_back("Reminder: " + reminder->Label2->text().toStdString() + " in " +
                        std::to_string(reminder->SecondsLeft()) + " s");
    return lines;
}

} // namespace halvo
