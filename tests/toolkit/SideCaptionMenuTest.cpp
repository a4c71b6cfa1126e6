#include "toolkit/SideCaptionMenu.h"

#include <QtTest>

using namespace halvo;

class SideCaptionMenuTest : public QObject {
    Q_OBJECT
private slots:
    void sixtyFourBandsFromBlackToBlue();
    void captionFontIsWhiteBoldItalicArial19();
    void paintsTheBarBesideTheItems();
};

void SideCaptionMenuTest::sixtyFourBandsFromBlackToBlue() {
    QCOMPARE(SideCaptionMenu::GradientSteps, 64);
    QCOMPARE(SideCaptionMenu::bandColor(0), QColor(0, 0, 0));
    QCOMPARE(SideCaptionMenu::bandColor(63), QColor(0, 0, 255));
    QSet<QRgb> distinct;
    for (int step = 0; step < 64; ++step) {
        const QColor c = SideCaptionMenu::bandColor(step);
        QCOMPARE(c.red(), 0);
        QCOMPARE(c.green(), 0);
        if (step > 0)
            QVERIFY(c.blue() > SideCaptionMenu::bandColor(step - 1).blue());
        distinct.insert(c.rgb());
    }
    QCOMPARE(distinct.size(), 64);
}

void SideCaptionMenuTest::captionFontIsWhiteBoldItalicArial19() {
    SideCaptionMenu menu("Halvo Shutdown");
    QCOMPARE(menu.caption(), QString("Halvo Shutdown"));
    const QFont font = menu.captionFont();
    QCOMPARE(font.family(), QString("Arial"));
    QCOMPARE(font.pixelSize(), 19);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
}

void SideCaptionMenuTest::paintsTheBarBesideTheItems() {
    SideCaptionMenu menu("Halvo Shutdown");
    for (const char* caption : {"Shut down the system", "Power off the computer", "Log off ...",
                                "Restart the computer", "Lock the computer", "Setting", "Exit", "About..."})
        menu.addAction(caption);
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const QImage image = menu.grab().toImage();
    const QRect bar = menu.barRect();
    QVERIFY(bar.height() > 150);
    QCOMPARE(bar.width(), SideCaptionMenu::BarWidth);

    // Every item lies right of the bar.
    for (QAction* action : menu.actions())
        QVERIFY(menu.actionGeometry(action).left() >= bar.right());

    // Top band black, bottom band blue, one band's colour in between; the caption leaves white pixels.
    const int x = bar.left() + 1; // at the edge, away from the text
    QCOMPARE(QColor(image.pixel(x, bar.top() + 1)), QColor(0, 0, 0));
    QCOMPARE(QColor(image.pixel(x, bar.bottom() - 1)), QColor(0, 0, 255));
    const int middleStep = 32;
    const int y = bar.top() + bar.height() * middleStep / 64 + 1;
    QCOMPARE(QColor(image.pixel(x, y)), SideCaptionMenu::bandColor(middleStep));
    int white = 0;
    for (int yy = bar.top(); yy <= bar.bottom(); ++yy)
        for (int xx = bar.left(); xx <= bar.right(); ++xx)
            if (QColor(image.pixel(xx, yy)).lightness() > 200)
                ++white;
    QVERIFY2(white > 200, qPrintable(QString::number(white)));
    // The text reads upwards from the bottom: more of it in the lower half than in the top quarter.
    auto whiteIn = [&](int from, int to) {
        int n = 0;
        for (int yy = from; yy < to; ++yy)
            for (int xx = bar.left(); xx <= bar.right(); ++xx)
                n += QColor(image.pixel(xx, yy)).lightness() > 200;
        return n;
    };
    QVERIFY(whiteIn(bar.top() + bar.height() / 2, bar.bottom()) >
            whiteIn(bar.top(), bar.top() + bar.height() / 4));
    menu.close();
}

QTEST_MAIN(SideCaptionMenuTest)
#include "SideCaptionMenuTest.moc"
