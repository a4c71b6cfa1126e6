#include "FormSch.h"

#include "FormSchWizard.h"
#include "PasswordDialog.h"

#include "core/ScheduleStore.h"
#include "model/Agenda.h"
#include "platform/Platform.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/ReportList.h"
#include "toolkit/TimeFormat.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLocale>
#include <QShortcut>
#include <QShowEvent>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace halvo {

namespace {

// How long after the wall-clock second the timer aims to run: enough to land past the second even when
// the monotonic timer and the wall clock differ by a millisecond or two.
constexpr int TickMarginMs = 3;

} // namespace

TFormSch::TFormSch(ScheduleStore& schedule, QWidget* parent)
    : QWidget(parent), m_schedule(schedule), m_manager(schedule.manager()) {
    setObjectName("FormSch");

    AdvListView1 = new QTreeWidget(this);
    AdvListView1->setObjectName("AdvListView1");
    SetUpReportList(*AdvListView1, {tr("schedule name"), tr("Task"), tr("Time"), tr("Next run")},
                    {90, 146, 170, 150});
    AdvListView1->header()->setMinimumSectionSize(16);
    AdvListView1->viewport()->installEventFilter(this);

    SpeedButton1 = makeBoldFlatButton(this, "SpeedButton1", tr("add"));
    SpeedButton2 = makeBoldFlatButton(this, "SpeedButton2", tr("modify"));
    SpeedButton3 = makeBoldFlatButton(this, "SpeedButton3", tr("delete"));
    for (QToolButton* button : {SpeedButton1, SpeedButton2, SpeedButton3}) {
        button->setMinimumWidth(60);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    // The keyboard and the mouse reach the buttons from the list as well.
    auto listKey = [this](QKeySequence key, void (TFormSch::*handler)()) {
        connect(new QShortcut(key, AdvListView1, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated,
                this, [this, handler] { (this->*handler)(); });
    };
    listKey(QKeySequence(Qt::Key_Insert), &TFormSch::SpeedButton1Click);
    listKey(QKeySequence(Qt::Key_Return), &TFormSch::SpeedButton2Click);
    listKey(QKeySequence(Qt::Key_Enter), &TFormSch::SpeedButton2Click);
    listKey(QKeySequence(Qt::Key_Delete), &TFormSch::SpeedButton3Click);
    connect(AdvListView1, &QTreeWidget::itemDoubleClicked, this, [this] { SpeedButton2Click(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(SpeedButton3);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(AdvListView1, 1);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        StartTimer1();
        Timer1Timer();
    });
    // The planner's looks evaluate as well: the column follows each.
    connect(&m_schedule, &ScheduleStore::evaluated, this, [this] {
        if (isVisible())
            RefreshNextRuns();
    });
    for (int i = 0; i < m_manager.Count(); ++i)
        appendRow(m_manager.Item(i));
}

void TFormSch::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    AdvListView1->setFocus();
    RefreshNextRuns();
    StartTimer1();
}

bool TFormSch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AdvListView1->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void TFormSch::fitColumns() {
    // "Next run" gets what its longest text needs; the name, the task and the rule share the rest in
    // their old proportions (their texts are elided), so all four are read without scrolling.
    const QLocale locale;
    const QString longest = locale.toString(QDate(2026, 12, 28), QLocale::ShortFormat) + ' ' +
                            locale.toString(QTime(22, 58, 58), LongTimeFormat(locale));
    const int available = AdvListView1->viewport()->width();
    const int nextRun = std::min(available, AdvListView1->fontMetrics().horizontalAdvance(longest) + 12);
    const int rest = available - nextRun;
    const int name = rest * 90 / 406;
    const int task = rest * 146 / 406;
    AdvListView1->setColumnWidth(0, name);
    AdvListView1->setColumnWidth(1, task);
    AdvListView1->setColumnWidth(2, rest - name - task);
    AdvListView1->setColumnWidth(3, nextRun);
}

void TFormSch::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Timer1->stop();
}

TFormSch::~TFormSch() {
    Timer1->stop();
}

void TFormSch::StartTimer1() {
    if (!isVisible())
        return;
    const LocalTime now = platform().clock().localTime();
    Timer1->start(1000 - now.milliseconds + TickMarginMs);
}

void TFormSch::WriteRow(QTreeWidgetItem& row, const TScheduleItem& item) {
    row.setText(0, QString::fromStdString(item.ItemName));
    row.setText(1, item.Task ? QString::fromStdString(ShownTaskName(*item.Task)) : QString());
    row.setText(2, QString::fromStdString(item.TimeRule.DisplayText));
    row.setText(3, NextRunText(item));
}

QString TFormSch::NextRunText(const TScheduleItem& item) {
    const auto next = TAgenda::NextRun(item, WallSecondsOf(platform().clock().localTime()));
    if (!next)
        return {};
    const LocalTime t = LocalTimeOf(*next);
    const QLocale locale;
    return locale.toString(QDate(t.year, t.month, t.day), QLocale::ShortFormat) + ' ' +
           locale.toString(QTime(t.hour, t.minute, t.second), LongTimeFormat(locale));
}

void TFormSch::RefreshNextRuns() {
    // The text changes only with a change of the item, a firing or the day; the rows are left alone
    // otherwise, so the list does not repaint every second.
    for (int i = 0; i < m_manager.Count() && i < AdvListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = AdvListView1->topLevelItem(i);
        const QString text = NextRunText(m_manager.Item(i));
        if (row->text(3) != text)
            row->setText(3, text);
    }
}

void TFormSch::appendRow(const TScheduleItem& item) {
    auto* row = new QTreeWidgetItem(AdvListView1);
    WriteRow(*row, item);
}

int TFormSch::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = AdvListView1->selectedItems();
    if (selected.isEmpty())
        return -1;
    return AdvListView1->indexOfTopLevelItem(selected.first());
}

void TFormSch::SpeedButton1Click() {
    if (m_guard && !AskPassword(*m_guard, tr("add a schedule item"), this))
        return;
    // No tick may walk over the new item while it has no task yet.
    Timer1->stop();
    TScheduleItem& item = m_schedule.BeginAdd();
    bool added = false;
    {
        TFormSchWizard wizard(this);
        wizard.SetScheduleItem(&item);
        wizard.SetIsNew(true);
        added = dialogs().RunModal(wizard) == 1;
    }
    if (added)
        appendRow(item);
    m_schedule.EndAdd(added);
    StartTimer1();
}

void TFormSch::SpeedButton2Click() {
    const int row = selectedRow();
    if (row < 0) {
        dialogs().Message(tr("please select item"));
        return;
    }
    if (m_guard && !AskPassword(*m_guard, tr("change a schedule item"), this))
        return;
    // The wizard edits a copy that no tick sees; the item itself keeps firing as it was until OK.
    auto copy = std::make_unique<TScheduleItem>();
    copy->Assign(&m_manager.Item(row));
    bool accepted = false;
    {
        TFormSchWizard wizard(this);
        wizard.SetScheduleItem(copy.get());
        wizard.SetIsNew(false);
        accepted = dialogs().RunModal(wizard) == 1;
    }
    if (!accepted)
        return;
    TScheduleItem& target = m_manager.Item(row);
    target.Assign(copy.get());
    // A changed item starts over as a new one: it runs at its new time, even on a day it already ran,
    // and a time moved into the past does not run it at once.
    target.TimeRule.StartOver();
    WriteRow(*AdvListView1->topLevelItem(row), target);
    m_schedule.ItemsChanged();
}

void TFormSch::SpeedButton3Click() {
    const int row = selectedRow();
    if (row < 0) {
        dialogs().Message(tr("please select a item"));
        return;
    }
    if (dialogs().Question(tr("do you want to delete it?"), tr("information")) != 1)
        return;
    if (m_guard && !AskPassword(*m_guard, tr("delete a schedule item"), this))
        return;
    m_manager.Delete(row);
    delete AdvListView1->takeTopLevelItem(row);
    m_schedule.ItemsChanged();
}

void TFormSch::Evaluate() {
    // The column follows through the engine's announcement.
    m_schedule.Evaluate();
}

} // namespace halvo
