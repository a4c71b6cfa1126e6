#include "pages/FormExecuteTip.h"
#include "tests/helpers/RecordingDialogs.h"

#include <QLabel>
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

void FormExecuteTipTest::reminderServiceHandsTheNameAndTheResultThrough() {
    RecordingDialogs recorder;
    ScopedDialogs installed(recorder);
    QString seenName;
    recorder.modalHandlers.push_back([&](QDialog& d) {
        auto& tip = static_cast<TFormExecuteTip&>(d);
        seenName = tip.Label2->text();
        tip.Button2Click();
        return tip.result();
    });
    recorder.modalHandlers.push_back([&](QDialog& d) {
        auto& tip = static_cast<TFormExecuteTip&>(d);
        seenName = tip.Label2->text();
        tip.Button1Click();
        return tip.result();
    });
    {
        ExecuteTipReminder reminder;
        reminder.SetLabel2("shutdown the computer");
        QVERIFY(reminder.ShowModal() == ReminderAnswer::Execute);
        QCOMPARE(seenName, QString("shutdown the computer"));
    }
    {
        ExecuteTipReminder reminder;
        reminder.SetLabel2("");
        reminder.SetDueLine("(due at 22:30:00)");
        QVERIFY(reminder.ShowModal() == ReminderAnswer::Cancel);
        QCOMPARE(seenName, QString(""));
        QCOMPARE(reminder.dialog().Label3->text(), QString("(due at 22:30:00)"));
        QVERIFY(!reminder.dialog().Label3->isHidden());
        // Every showing is a new dialog counting from 60.
        QCOMPARE(reminder.dialog().Remaining, 60);
    }
    QCOMPARE(recorder.modalDialogs.size(), 2);
}

QTEST_MAIN(FormExecuteTipTest)
#include "FormExecuteTipTest.moc"
