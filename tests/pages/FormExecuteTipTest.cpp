#include "pages/FormExecuteTip.h"
#include "tests/helpers/RecordingDialogs.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace halvo;

class FormExecuteTipTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithFixedTextsAndARunningTimer();
    void countsDownTickByTickAndRunsOnTheSixtyFirst();
    void buttonsDecideAtAnyMoment();
    void everyOtherCloseIsCancel();
    void realTimerEndsAModalRunWithRun();
    void reminderServiceHandsTheNameAndTheResultThrough();
};

void FormExecuteTipTest::startsWithFixedTextsAndARunningTimer() {
    TFormExecuteTip tip;
    QCOMPARE(tip.Label1->text(), QString("the shutdown to will make your computer to do this action \n"
                                         "after 1 minute :"));
    QCOMPARE(tip.Label2->text(), QString("      "));
    QVERIFY(tip.Label3->isHidden());
    QCOMPARE(tip.Button1->text(), QString("Cancel"));
    QCOMPARE(tip.Button2->text(), QString("Execute It!"));
    QCOMPARE(tip.Remaining, 60);
    QVERIFY(tip.Timer1->isActive());
    QCOMPARE(tip.Timer1->interval(), 1000);
    QCOMPARE(tip.findChild<QPushButton*>("Button1"), tip.Button1);
    QCOMPARE(tip.findChild<QLabel*>("Label2"), tip.Label2);
    // No close box and no system menu.
    const Qt::WindowFlags flags = tip.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
}

void FormExecuteTipTest::countsDownTickByTickAndRunsOnTheSixtyFirst() {
    TFormExecuteTip tip;
    tip.show();
    tip.Timer1Timer();
    QCOMPARE(tip.Button1->text(), QString("Cancel(60)"));
    for (int tick = 2; tick <= 60; ++tick) {
        tip.Timer1Timer();
        QCOMPARE(tip.Button1->text(), QString("Cancel(%1)").arg(61 - tick));
        QCOMPARE(tip.result(), 0);
        QVERIFY(tip.isVisible());
    }
    QCOMPARE(tip.Button1->text(), QString("Cancel(1)"));
    tip.Timer1Timer();
    QCOMPARE(tip.Button1->text(), QString("Cancel(0)"));
    QCOMPARE(tip.result(), 1);
    QVERIFY(!tip.isVisible());
    QVERIFY(!tip.Timer1->isActive());
}

void FormExecuteTipTest::buttonsDecideAtAnyMoment() {
    {
        TFormExecuteTip tip;
        tip.show();
        QTest::mouseClick(tip.Button2, Qt::LeftButton);
        QCOMPARE(tip.result(), 1);
        QVERIFY(!tip.Timer1->isActive());
    }
    {
        TFormExecuteTip tip;
        tip.show();
        QTest::mouseClick(tip.Button1, Qt::LeftButton);
        QCOMPARE(tip.result(), 2);
    }
    {
        // "Postpone 10 min" sits between the two and ends the dialog without running.
        TFormExecuteTip tip;
        tip.show();
        QCOMPARE(tip.Button3->text(), QString("Postpone 10 min"));
        QVERIFY(tip.Button1->x() < tip.Button3->x() && tip.Button3->x() < tip.Button2->x());
        QCOMPARE(tip.Button1->nextInFocusChain(), tip.Button3);
        tip.Timer1Timer();
        QTest::mouseClick(tip.Button3, Qt::LeftButton);
        QCOMPARE(tip.result(), 3);
        QVERIFY(!tip.Timer1->isActive());
    }
    {
        // Cancel on the last second, with the button reading Cancel(1).
        TFormExecuteTip tip;
        tip.show();
        for (int tick = 0; tick < 60; ++tick)
            tip.Timer1Timer();
        QCOMPARE(tip.Button1->text(), QString("Cancel(1)"));
        tip.Button1Click();
        QCOMPARE(tip.result(), 2);
        QVERIFY(!tip.Timer1->isActive());
    }
}

void FormExecuteTipTest::everyOtherCloseIsCancel() {
    {
        TFormExecuteTip tip;
        tip.show();
        tip.close();
        QCOMPARE(tip.result(), 2);
    }
    {
        TFormExecuteTip tip;
        tip.show();
        QTest::keyClick(&tip, Qt::Key_Escape);
        QCOMPARE(tip.result(), 2);
    }
    {
        // Enter must not run the action by itself.
        TFormExecuteTip tip;
        tip.show();
        QTest::keyClick(&tip, Qt::Key_Return);
        QCOMPARE(tip.result(), 0);
        QVERIFY(tip.isVisible());
    }
}

void FormExecuteTipTest::realTimerEndsAModalRunWithRun() {
    // The real modal loop and the real timer, sped up: the countdown alone ends the dialog with run.
    TFormExecuteTip tip;
    tip.Timer1->setInterval(1);
    QtDialogs real;
    QElapsedTimer clock;
    clock.start();
    QTimer guard; // never hang: give up after five seconds
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &tip, [&] { tip.done(3); });
    guard.start(5000);
    QCOMPARE(real.RunModal(tip), 1);
    QCOMPARE(tip.Button1->text(), QString("Cancel(0)"));
    QCOMPARE(tip.Remaining, -1);
}

// Two reminders on the screen at once: each shows its own name and line, counts its own minute and answers
// on its own, the older one first although the newer one is still open; letting go of one takes its window.
void FormExecuteTipTest::reminderServiceHandsTheNameAndTheResultThrough() {
    ExecuteTipReminders service;
    std::vector<std::pair<int, ReminderAnswer>> answers;
    int counted = 0;
    const auto handlers = [&](int which) {
        return ReminderService::Handlers{[&answers, which](ReminderAnswer a) {
                                             answers.push_back({which, a});
                                         },
                                         [&counted] { ++counted; }};
    };
    std::unique_ptr<OpenReminder> first = service.Open({"shutdown the computer", ""}, handlers(1));
    std::unique_ptr<OpenReminder> second =
        service.Open({"lock the computer", "(due at 22:30:00)"}, handlers(2));
    first->Show();
    second->Show();
    QCOMPARE(service.openWindows().size(), std::size_t(2));
    TFormExecuteTip* older = service.openWindows()[0];
    TFormExecuteTip* newer = service.openWindows()[1];
    QCOMPARE(older->Label2->text(), QString("shutdown the computer"));
    QVERIFY(older->Label3->isHidden());
    QCOMPARE(newer->Label2->text(), QString("lock the computer"));
    QCOMPARE(newer->Label3->text(), QString("(due at 22:30:00)"));
    QVERIFY(!newer->Label3->isHidden());
    QVERIFY(older->isVisible() && newer->isVisible());
    QVERIFY(!older->isModal() && !newer->isModal());

    // The older one's minute runs out on the real timer, sped up, while the newer one waits.
    older->Timer1->setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(!answers.empty(), 5000);
    QCOMPARE(answers, (std::vector<std::pair<int, ReminderAnswer>>{{1, ReminderAnswer::Execute}}));
    QVERIFY(counted >= 61);
    QVERIFY(newer->isVisible());
    QCOMPARE(second->SecondsLeft(), 61);
    first.reset();
    QCOMPARE(service.openWindows(), std::vector<TFormExecuteTip*>{newer});

    // Cancelled from elsewhere, as the command line and the tray do.
    second->Cancel();
    QCOMPARE(answers.back(), (std::pair<int, ReminderAnswer>{2, ReminderAnswer::Cancel}));
    QVERIFY(!newer->isVisible());
    const QPointer<TFormExecuteTip> gone(newer);
    second.reset();
    QVERIFY(service.openWindows().empty());
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(answers.size(), std::size_t(2));
}

QTEST_MAIN(FormExecuteTipTest)
#include "FormExecuteTipTest.moc"
