#include "FormExecuteTip.h"

#include "PasswordDialog.h"
#include "core/PasswordGuard.h"
#include "model/Agenda.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace halvo {

namespace {
constexpr int Run = 1;
constexpr int Cancel = 2;
constexpr int Postpone = 3;

// One open reminder as the engine holds it: the window goes when the engine lets go of it.
class ReminderWindow final : public OpenReminder {
public:
    ReminderWindow(TFormExecuteTip* dialog, std::vector<TFormExecuteTip*>& open)
        : m_dialog(dialog), m_open(open) {
        m_open.push_back(dialog);
    }
    ~ReminderWindow() override {
        std::erase(m_open, m_dialog.data());
        if (!m_dialog)
            return;
        m_dialog->disconnect();
        m_dialog->Timer1->stop();
        m_dialog->hide();
        // It may be the one whose button is being answered right now.
        m_dialog->deleteLater();
    }
    void Show() override {
        if (!m_dialog)
            return;
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
    }
    int SecondsLeft() const override { return m_dialog ? m_dialog->SecondsLeft() : 0; }
    void Cancel() override {
        if (m_dialog)
            m_dialog->CancelFromElsewhere();
    }

private:
    QPointer<TFormExecuteTip> m_dialog;
    std::vector<TFormExecuteTip*>& m_open;
};
} // namespace

TFormExecuteTip::TFormExecuteTip(QWidget* parent)
    // No close box and no system menu: the dialog ends only through its buttons or the countdown.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Button1(new QPushButton(this)), Button2(new QPushButton(this)), Button3(new QPushButton(this)),
      Timer1(new QTimer(this)) {
    setObjectName("FormExecuteTip");
    setWindowTitle(tr("Halvo Shutdown"));

    Label1->setObjectName("Label1");
    Label1->setText(tr("the shutdown to will make your computer to do this action \nafter 1 minute :"));
    Label2->setObjectName("Label2");
    Label2->setText("      ");
    QFont nameFont = Label2->font();
    nameFont.setBold(true);
    Label2->setFont(nameFont);
    Label3->setObjectName("Label3");
    Label3->hide();
    Button1->setObjectName("Button1");
    Button1->setText(tr("Cancel"));
    Button2->setObjectName("Button2");
    Button2->setText(tr("Execute It!"));
    Button3->setObjectName("Button3");
    Button3->setText(tr("Postpone %1 min").arg(TAgenda::PostponeSeconds / 60));
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
    answerGuarded(Cancel, tr("cancel the action"));
}

void TFormExecuteTip::Button2Click() {
    done(Run);
}

void TFormExecuteTip::Button3Click() {
    answerGuarded(Postpone, tr("postpone the action"));
}

void TFormExecuteTip::CancelFromElsewhere() {
    done(Cancel);
}

void TFormExecuteTip::answerGuarded(int result, const QString& what) {
    if (m_decided || m_asking)
        return;
    if (!Guard || !Guard->isSet())
        return done(result);
    // The countdown keeps running while the password is asked for; when it runs out, the dialog goes and
    // its answer no longer counts. The reminder may be gone by the time the dialog returns.
    const QPointer<TFormExecuteTip> self(this);
    const bool given = AskPassword(*Guard, what, nullptr, &m_asking);
    if (self && given && !m_decided)
        done(result);
}

void TFormExecuteTip::done(int result) {
    if (m_asking)
        m_asking->reject();
    m_decided = true;
    QDialog::done(result);
}

void TFormExecuteTip::Timer1Timer() {
    Button1->setText(tr("Cancel(%1)").arg(Remaining));
    if (Remaining == 0)
        done(Run);
    --Remaining;
    if (Counted)
        Counted();
}

void TFormExecuteTip::closeEvent(QCloseEvent* event) {
    // Any close other than the two buttons (the window manager, the session) counts as cancel, and asks
    // for the password as Cancel does.
    if (m_decided || !Guard || !Guard->isSet()) {
        done(Cancel);
        event->accept();
        return;
    }
    event->ignore();
    QTimer::singleShot(0, this, &TFormExecuteTip::Button1Click);
}

void TFormExecuteTip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::unique_ptr<OpenReminder> ExecuteTipReminders::Open(const ReminderRequest& request, Handlers handlers) {
    auto* dialog = new TFormExecuteTip;
    dialog->Guard = m_guard;
    dialog->Label2->setText(QString::fromStdString(request.label));
    if (!request.dueLine.empty()) {
        dialog->Label3->setText(QString::fromStdString(request.dueLine));
        dialog->Label3->setVisible(true);
        dialog->setFixedSize(dialog->sizeHint().expandedTo(QSize(360, 130)));
    }
    dialog->Counted = handlers.counted;
    QObject::connect(dialog, &QDialog::finished, dialog, [answered = handlers.answered](int result) {
        // A copy: answering lets go of the window, and of this function with it.
        const auto answer = answered;
        if (answer)
            answer(result == Run        ? ReminderAnswer::Execute
                   : result == Postpone ? ReminderAnswer::Postpone
                                        : ReminderAnswer::Cancel);
    });
    return std::make_unique<ReminderWindow>(dialog, m_open);
}

} // namespace halvo
