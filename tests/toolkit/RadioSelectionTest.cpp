#include "toolkit/RadioSelection.h"

#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace halvo;

class RadioSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnlyWhenTheButtonBecomesSelected();
};

void RadioSelectionTest::runsOnlyWhenTheButtonBecomesSelected() {
    QWidget group;
    auto* first = new QRadioButton("first", &group);
    auto* second = new QRadioButton("second", &group);
    QStringList ran;
    auto context = std::make_unique<QObject>();
    runWhenSelected(first, context.get(), [&ran] { ran << "first"; });
    runWhenSelected(second, context.get(), [&ran] { ran << "second"; });
    group.show();

    first->setChecked(true); // from code
    QTest::mouseClick(second, Qt::LeftButton, {}, second->rect().center());
    QCOMPARE(ran, QStringList({"first", "second"})); // the first went off on the way: nothing for it
    QTest::mouseClick(second, Qt::LeftButton, {}, second->rect().center());
    QCOMPARE(ran, QStringList({"first", "second"})); // already selected
    second->setAutoExclusive(false);
    second->setChecked(false);
    QCOMPARE(ran, QStringList({"first", "second"}));

    // Gone with its context.
    context.reset();
    first->setChecked(true);
    QCOMPARE(ran, QStringList({"first", "second"}));
}

QTEST_MAIN(RadioSelectionTest)
#include "RadioSelectionTest.moc"
