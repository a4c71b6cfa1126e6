#include "toolkit/UpDown.h"
#include "toolkit/AppIcon.h"
#include "toolkit/TrayIcon.h"

#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QtTest>

using namespace halvo;

class UpDownTest : public QObject {
    Q_OBJECT
private slots:
    void stepsTheNumberInTheEditWithinItsRange();
    void leavesTypedTextAloneAndFollowsTheEdit();
    void trayIconHidesTheMinimizedWindow();
    void iconIsDrawnAtEverySize();
};

void UpDownTest::stepsTheNumberInTheEditWithinItsRange() {
    QWidget host;
    auto* edit = new QLineEdit("1", &host);
    auto* upDown = new UpDown(edit, 1, 12, 1, &host);
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QString("2"));
    for (int i = 0; i < 20; ++i)
        upDown->step(+1);
    QCOMPARE(edit->text(), QString("12"));
    QCOMPARE(upDown->Position(), 12);
    QTest::mouseClick(upDown->downButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QString("11"));

    // A typed number is the start of the next step, clamped into the range first.
    edit->setText("7");
    upDown->step(+1);
    QCOMPARE(edit->text(), QString("8"));
    edit->setText("40");
    upDown->step(-1);
    QCOMPARE(edit->text(), QString("11"));
    // Text that is no number: the step starts from the last position.
    edit->setText("abc");
    upDown->step(+1);
    QCOMPARE(edit->text(), QString("12"));

    // The arrow keys in the edit step too.
    edit->setText("5");
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QString("6"));
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), QString("4"));
}

void UpDownTest::leavesTypedTextAloneAndFollowsTheEdit() {
    QWidget host;
    auto* edit = new QLineEdit("0", &host);
    auto* upDown = new UpDown(edit, 0, 59, 0, &host);
    // Whatever is typed stays as typed: the page checks it.
    QTest::keyClicks(edit, "x99");
    QCOMPARE(edit->text(), QString("0x99"));
    edit->setEnabled(false);
    QVERIFY(!upDown->isEnabled());
    edit->setEnabled(true);
    QVERIFY(upDown->isEnabled());
}

void UpDownTest::trayIconHidesTheMinimizedWindow() {
    QWidget window;
    QMenu menu;
    menu.addAction("Exit");
    auto* tray = new TrayIcon(&window, appIcon(), &menu);
    QCOMPARE(tray->systemTrayIcon()->contextMenu(), &menu);
    QVERIFY(tray->systemTrayIcon()->toolTip().isEmpty());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMinimized);
    QVERIFY(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    // The next showing is a normal window.
    window.show();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
}

void UpDownTest::iconIsDrawnAtEverySize() {
    for (int size : {16, 22, 32, 48, 256}) {
        const QImage image = renderAppIcon(size);
        QCOMPARE(image.size(), QSize(size, size));
        // Opaque blue tile in the middle of the lower half, white sign at the centre's top.
        const QColor tile(image.pixel(size / 5, size * 4 / 5));
        QVERIFY2(tile.alpha() == 255 && tile.blue() > tile.red() + 40, qPrintable(tile.name()));
        const QColor sign(image.pixel(size / 2, size * 3 / 10));
        QVERIFY2(sign.lightness() > 200, qPrintable(QString::number(size)));
    }
    QVERIFY(!appIcon().availableSizes().isEmpty());
}

QTEST_MAIN(UpDownTest)
#include "UpDownTest.moc"
