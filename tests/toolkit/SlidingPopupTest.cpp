#include "toolkit/SlidingPopup.h"
#include "XvfbServer.h"
#include "model/Tasks.h"
#include "tests/helpers/RecordingDialogs.h"
#include "toolkit/QtUiServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace halvo;

namespace {

QRect workArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool waitForPhase(const SlidingPopup& popup, SlidingPopup::Phase phase, int timeoutMs) {
    return QTest::qWaitFor([&] { return popup.phase() == phase; }, timeoutMs);
}

} // namespace

class SlidingPopupTest : public QObject {
    Q_OBJECT
private slots:
    void isAFramelessToolWindowThatTakesNoFocus();
    void slidesInStaysAndSlidesOutAtBottomRight();
    void showingAgainReplacesTheTextAndStaysAfresh();
    void clickSendsItAway();
    void realDurations();
    void servicesShowMessagesAndCreatePopupsLazily();
    void messageTaskShowsItsLinesInThePopup();
};

void SlidingPopupTest::isAFramelessToolWindowThatTakesNoFocus() {
    SlidingPopup popup;
    const Qt::WindowFlags flags = popup.windowFlags();
    QVERIFY((flags & Qt::WindowType_Mask) == Qt::Tool);
    QVERIFY(flags & Qt::FramelessWindowHint);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowDoesNotAcceptFocus);
    QVERIFY(popup.testAttribute(Qt::WA_ShowWithoutActivating));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    popup.setDurations(20, 100);
    popup.popUp();
    // Wine's first tool window of a run can take longer than the usual five seconds to be shown.
    QVERIFY(QTest::qWaitForWindowExposed(&popup, 20000));
    QCOMPARE(QApplication::activeWindow(), &other);
}

void SlidingPopupTest::slidesInStaysAndSlidesOutAtBottomRight() {
    SlidingPopup popup;
    popup.setDurations(60, 300);
    QSignalSpy phases(&popup, &SlidingPopup::phaseChanged);
    popup.setMessageText("first line\r\nsecond line\r\n");
    QCOMPARE(popup.messageText(), QString("first line\r\nsecond line\r\n"));
    QCOMPARE(popup.shownText(), QString("first line\nsecond line"));
    QCOMPARE(popup.findChild<QLabel*>("body")->text(), QString("first line\nsecond line"));
    // No title of its own: the caption still names the program.
    QCOMPARE(popup.title(), QString());
    QCOMPARE(popup.findChild<QLabel*>("caption")->text(), QString("Halvo Shutdown"));

    QElapsedTimer clock;
    clock.start();
    popup.popUp();
    QVERIFY(popup.isVisible());
    QCOMPARE(popup.phase(), SlidingPopup::Phase::SlidingIn);
    QCOMPARE(popup.pos().y(), workArea().bottom() + 1);
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Staying, 2000));
    const QRect area = workArea();
    QCOMPARE(popup.pos(), popup.restingPosition());
    QCOMPARE(popup.frameGeometry().right(), area.right() - SlidingPopup::Margin);
    QCOMPARE(popup.frameGeometry().bottom(), area.bottom() - SlidingPopup::Margin);

    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Hidden, 3000));
    QVERIFY(clock.elapsed() >= 300);
    QVERIFY(!popup.isVisible());
    QCOMPARE(phases.size(), 4);
    QCOMPARE(phases.at(2).at(0).value<SlidingPopup::Phase>(), SlidingPopup::Phase::SlidingOut);
}

void SlidingPopupTest::showingAgainReplacesTheTextAndStaysAfresh() {
    SlidingPopup popup;
    popup.setDurations(40, 300);
    popup.setMessageText("one");
    popup.popUp();
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Staying, 2000));
    QTest::qWait(200);
    popup.setMessageText("two");
    popup.popUp();
    QCOMPARE(popup.findChild<QLabel*>("body")->text(), QString("two"));
    // The first stay would have ended by now; the second keeps it up.
    QTest::qWait(170);
    QCOMPARE(popup.phase(), SlidingPopup::Phase::Staying);

    // While sliding out, showing again brings it back in.
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::SlidingOut, 2000));
    popup.popUp();
    QCOMPARE(popup.phase(), SlidingPopup::Phase::SlidingIn);
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Staying, 2000));
    QCOMPARE(popup.pos(), popup.restingPosition());
}

void SlidingPopupTest::clickSendsItAway() {
    SlidingPopup popup;
    popup.setDurations(30, 10000);
    popup.popUp();
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Staying, 2000));
    QTest::mouseClick(&popup, Qt::LeftButton);
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Hidden, 2000));
}

void SlidingPopupTest::realDurations() {
    SlidingPopup popup;
    QElapsedTimer clock;
    QSignalSpy phases(&popup, &SlidingPopup::phaseChanged);
    clock.start();
    popup.popUp();
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Staying, 2000));
    const qint64 slidIn = clock.elapsed();
    QVERIFY2(slidIn >= 380 && slidIn < 1000, qPrintable(QString::number(slidIn)));
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::SlidingOut, 4000));
    const qint64 stayed = clock.elapsed();
    // Never early; late only by what a busy machine delays a timer (a stay counted twice would pass 3500).
    QVERIFY2(stayed >= 1990 && stayed < 3500, qPrintable(QString::number(stayed)));
    QVERIFY(waitForPhase(popup, SlidingPopup::Phase::Hidden, 2000));
    QVERIFY(clock.elapsed() - stayed >= 380);
}

void SlidingPopupTest::servicesShowMessagesAndCreatePopupsLazily() {
    RecordingDialogs dialogs;
    ScopedDialogs guard(dialogs);
    QtUiServices services;
    services.ShowMessage("TDisconnectNetTask");
    QCOMPARE(dialogs.messages, QStringList{"TDisconnectNetTask"});

    auto popup = services.CreateNotificationPopup();
    auto* qtPopup = static_cast<QtNotificationPopup*>(popup.get());
    popup->SetMessageText("wake up\r\n");
    QVERIFY(!qtPopup->window());
    popup->Show();
    QPointer<SlidingPopup> window = qtPopup->window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->shownText(), QString("wake up"));
    QCOMPARE(popup->MessageText(), std::string("wake up\r\n"));
    QCOMPARE(popup->Title(), std::string());

    // Shown again with a new text: the same window, the new text.
    popup->SetMessageText("again");
    popup->Show();
    QCOMPARE(qtPopup->window(), window.data());
    QCOMPARE(window->shownText(), QString("again"));

    // Its owner goes while it is up: it finishes its slide, then goes too.
    window->setDurations(20, 50);
    popup.reset();
    QVERIFY(window);
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 3000));
}

void SlidingPopupTest::messageTaskShowsItsLinesInThePopup() {
    QtUiServices services;
    ScopedUi guard(services);
    TMessageTask task;
    task.Lines = {"Backup done", "Time to go"};
    task.Run();
    auto* window = static_cast<QtNotificationPopup*>(task.Popup.get())->window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->messageText(), QString("Backup done\r\nTime to go\r\n"));
    QCOMPARE(window->shownText(), QString("Backup done\nTime to go"));
}

// On a real X server: whether a window takes the focus is the X server's and Qt's business together.
int main(int argc, char** argv) {
    return RunOnXvfb<SlidingPopupTest>(argc, argv);
}
#include "SlidingPopupTest.moc"
