#include "FormSchWizard.h"

#include "FormProcessList.h"

#include "platform/Platform.h"
#include "platform/Translate.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/RadioSelection.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace halvo {

namespace {

const char* const ModifyWithoutItem =
    QT_TRANSLATE_NOOP("halvo::TFormSchWizard", "modify the scheduleItem,but _ScheduleItem=nil");

// The wizard's fixed layout: the pages above a row of three buttons at the right.
constexpr QSize WizardSize(400, 300);
constexpr QSize PagesSize(400, 250);
constexpr QSize ButtonSize(90, 25);
constexpr int FirstButtonX = 115;
constexpr int ButtonsY = 262;
constexpr int ButtonGap = 5;

QRadioButton* makeRadioButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// An editable list of days: a typed text is matched against the entries, never added to them.
// Each entry is shown in the user's language and stored as its source text, so a stored schedule reads the
// same whatever the language it was made in.
QComboBox* makeDayBox(QWidget* parent, const char* name, const QStringList& entries,
                      const char* context = nullptr) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const QString& entry : entries)
        box->addItem(context ? QCoreApplication::translate(context, qPrintable(entry)) : entry, entry);
    box->setCurrentIndex(-1);
    return box;
}

// Radio buttons of one group cannot be turned off one by one while they are exclusive.
void turnOff(QRadioButton* button) {
    if (!button->isChecked())
        return;
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

// The day box's text with the entry it names, so a typed day and the stored number cannot disagree.
ScheduleItemDraft::DayChoice dayChoice(const QComboBox& box) {
    const int entry = box.findText(box.currentText(), Qt::MatchFixedString);
    const QString text = entry >= 0 ? box.itemData(entry).toString() : box.currentText();
    return {text.toStdString(), entry};
}

QTime timeOfDay(long long secondOfDay) {
    return QTime::fromMSecsSinceStartOfDay(int(secondOfDay * 1000));
}

QDate calendarDay(long long day) {
    const LocalTime date = LocalTimeOf(day * SecondsPerDay);
    return QDate(date.year, date.month, date.day);
}

QDate today() {
    const LocalTime now = platform().clock().localTime();
    return QDate(now.year, now.month, now.day);
}

} // namespace

QString TimeText(const QTime& time, const QLocale& locale) {
    return locale.toString(time, LongTimeFormat(locale));
}

QString CommandLineForPath(const QString& path) {
    return path.contains(u' ') ? u'"' + path + u'"' : path;
}

TFormSchWizard::TFormSchWizard(QWidget* parent) : QDialog(parent) {
    setObjectName("FormSchWizard");
    setWindowTitle(tr("Wizard"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(WizardSize);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(QRect(QPoint(0, 0), PagesSize));
    PageControl1->addWidget(buildNamePage());
    PageControl1->addWidget(buildTaskPage());
    PageControl1->addWidget(buildTimePage());
    PageControl1->addWidget(buildCompletePage());
    buildButtons();

    FormCreate();
}

QWidget* TFormSchWizard::buildNamePage() {
    TabSheet_SchName = new QWidget;
    TabSheet_SchName->setObjectName("TabSheet_SchName");
    Label1 = new QLabel(tr("Schedule Name:"), TabSheet_SchName);
    Label1->setObjectName("Label1");
    Edit1 = new QLineEdit(TabSheet_SchName);
    Edit1->setObjectName("Edit1");
    auto* layout = new QVBoxLayout(TabSheet_SchName);
    layout->setContentsMargins(40, 40, 40, 20);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addStretch(1);
    return TabSheet_SchName;
}

QWidget* TFormSchWizard::buildTaskPage() {
    TabSheet_Task = new QWidget;
    TabSheet_Task->setObjectName("TabSheet_Task");
    Label2 = new QLabel(tr("Select the task:"), TabSheet_Task);
    Label2->setObjectName("Label2");
    ComboBox1 = new QComboBox(TabSheet_Task);
    ComboBox1->setObjectName("ComboBox1");
    // Each item carries its task code, the one thing the page reads back from the list.
    for (const TaskKind* kind : WizardListKinds())
        ComboBox1->addItem(QString::fromStdString(Translate("Tasks", kind->ListText)), kind->Code);
    ComboBox1->setCurrentIndex(-1);
    Label_Para = new QLabel(TabSheet_Task);
    Label_Para->setObjectName("Label_Para");
    Label_Para->hide();
    Edit_Para = new QLineEdit(TabSheet_Task);
    Edit_Para->setObjectName("Edit_Para");
    SpeedButton4 = makeFlatButton(TabSheet_Task, "SpeedButton4", "");
    Memo1 = new QPlainTextEdit(TabSheet_Task);
    Memo1->setObjectName("Memo1");
    Memo1->setPlainText("\n"); // one empty line, as a new multi-line box holds
    auto* layout = new QGridLayout(TabSheet_Task);
    layout->setContentsMargins(40, 20, 40, 10);
    layout->addWidget(Label2, 0, 0, 1, 2);
    layout->addWidget(ComboBox1, 1, 0, 1, 2);
    layout->addWidget(Label_Para, 2, 0, 1, 2);
    layout->addWidget(Edit_Para, 3, 0);
    layout->addWidget(SpeedButton4, 3, 1);
    layout->addWidget(Memo1, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    return TabSheet_Task;
}

QWidget* TFormSchWizard::buildTimePage() {
    TabSheet_Time = new QWidget;
    TabSheet_Time->setObjectName("TabSheet_Time");
    GroupBox1 = new QGroupBox(tr("Time"), TabSheet_Time);
    GroupBox1->setObjectName("GroupBox1");
    Label3 = new QLabel(tr("Select the Time for schedule"), GroupBox1);
    Label3->setObjectName("Label3");
    DateTimePicker1 = new QTimeEdit(GroupBox1);
    DateTimePicker1->setObjectName("DateTimePicker1");
    DateTimePicker1->setDisplayFormat(LongTimeFormat());
    DateTimePicker1->setTime(QTime(16, 14, 12));
    auto* timeLayout = new QHBoxLayout(GroupBox1);
    timeLayout->addWidget(Label3);
    timeLayout->addWidget(DateTimePicker1, 1);

    GroupBox2 = new QGroupBox(tr("Date"), TabSheet_Time);
    GroupBox2->setObjectName("GroupBox2");
    RadioButton1 = makeRadioButton(GroupBox2, "RadioButton1", tr("Once"));
    DateTimePicker2 = new QDateEdit(GroupBox2);
    DateTimePicker2->setObjectName("DateTimePicker2");
    DateTimePicker2->setCalendarPopup(true);
    // The locale's short date, but with the whole year: a two-digit year cannot be typed into the future.
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains("yyyy"))
        dateFormat.replace("yy", "yyyy");
    DateTimePicker2->setDisplayFormat(dateFormat);
    DateTimePicker2->setDate(QDate(2005, 8, 3));
    RadioButton2 = makeRadioButton(GroupBox2, "RadioButton2", tr("everyday"));
    RadioButton3 = makeRadioButton(GroupBox2, "RadioButton3", tr("Everyweek"));
    ComboBox2 = makeDayBox(
        GroupBox2, "ComboBox2",
        {QT_TRANSLATE_NOOP("FormSchWizard", "Sunday"), QT_TRANSLATE_NOOP("FormSchWizard", "Monday"),
         QT_TRANSLATE_NOOP("FormSchWizard", "Tuesday"), QT_TRANSLATE_NOOP("FormSchWizard", "Wednesday"),
         QT_TRANSLATE_NOOP("FormSchWizard", "Thursday"), QT_TRANSLATE_NOOP("FormSchWizard", "Friday"),
         QT_TRANSLATE_NOOP("FormSchWizard", "Saturday")},
        "FormSchWizard");
    RadioButton4 = makeRadioButton(GroupBox2, "RadioButton4", tr("Everymonth"));
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    ComboBox3 = makeDayBox(GroupBox2, "ComboBox3", days);
    auto* dateLayout = new QGridLayout(GroupBox2);
    dateLayout->addWidget(RadioButton1, 0, 0);
    dateLayout->addWidget(DateTimePicker2, 0, 1);
    dateLayout->addWidget(RadioButton2, 1, 0);
    dateLayout->addWidget(RadioButton3, 2, 0);
    dateLayout->addWidget(ComboBox2, 2, 1);
    dateLayout->addWidget(RadioButton4, 3, 0);
    dateLayout->addWidget(ComboBox3, 3, 1);
    dateLayout->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(TabSheet_Time);
    layout->setContentsMargins(20, 10, 20, 5);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2, 1);
    DateTimePicker2->setEnabled(false);
    ComboBox2->setEnabled(false);
    ComboBox3->setEnabled(false);
    runWhenSelected(RadioButton1, this, [this] { RadioButton1Click(); });
    runWhenSelected(RadioButton2, this, [this] { RadioButton2Click(); });
    runWhenSelected(RadioButton3, this, [this] { RadioButton3Click(); });
    runWhenSelected(RadioButton4, this, [this] { RadioButton4Click(); });
    return TabSheet_Time;
}

QWidget* TFormSchWizard::buildCompletePage() {
    TabSheet_Complete = new QWidget;
    TabSheet_Complete->setObjectName("TabSheet_Complete");
    Label4 = new QLabel(tr("complete."), TabSheet_Complete);
    Label4->setObjectName("Label4");
    auto* layout = new QVBoxLayout(TabSheet_Complete);
    layout->setContentsMargins(40, 40, 40, 20);
    layout->addWidget(Label4);
    layout->addStretch(1);
    return TabSheet_Complete;
}

void TFormSchWizard::buildButtons() {
    SpeedButton1 = makeFlatButton(this, "SpeedButton1", tr("<<Prev"));
    SpeedButton2 = makeFlatButton(this, "SpeedButton2", tr("Next>>"));
    // Kept where the wizard has always shown it; no help document covers the wizard.
    SpeedButton3 = makeFlatButton(this, "SpeedButton3", tr("Help"));
    int x = FirstButtonX;
    for (QToolButton* button : {SpeedButton1, SpeedButton2, SpeedButton3}) {
        button->setGeometry(QRect(QPoint(x, ButtonsY), ButtonSize));
        x += ButtonSize.width() + ButtonGap;
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
}

void TFormSchWizard::FormCreate() {
    ScheduleItem = nullptr;
    PageControl1->setCurrentIndex(SchNamePage);
}

void TFormSchWizard::FormShow() {
    setWindowTitle(IsNew ? tr("new schedule item") : tr("modify the schedule item"));
}

void TFormSchWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    SetActivePage(ActivePage());
}

int TFormSchWizard::FormCloseQuery(int result) {
    return result == 1 ? 1 : 2;
}

void TFormSchWizard::done(int result) {
    QDialog::done(FormCloseQuery(result));
}

int TFormSchWizard::ActivePage() const {
    return PageControl1->currentIndex();
}

void TFormSchWizard::SetActivePage(int index) {
    PageControl1->setCurrentIndex(index);
    switch (index) {
    case SchNamePage:
        TabSheet_SchNameShow();
        break;
    case TaskPage:
        TabSheet_TaskShow();
        break;
    case TimePage:
        TabSheet_TimeShow();
        break;
    case CompletePage:
        TabSheet_CompleteShow();
        break;
    default:
        break;
    }
}

void TFormSchWizard::SpeedButton1Click() {
    if (ActivePage() > SchNamePage)
        SetActivePage(ActivePage() - 1);
}

void TFormSchWizard::SpeedButton2Click() {
    const int page = ActivePage();
    if (!pageWork(page))
        return;
    // Once the last page has been seen every page's work has been done, so "Complete" ends from any page.
    if (SpeedButton2->text() == tr("Complete"))
        done(1);
    else if (page < CompletePage)
        SetActivePage(page + 1);
}

ScheduleItemDraft TFormSchWizard::Draft() const {
    ScheduleItemDraft draft;
    draft.Name = Edit1->text().toStdString();
    draft.Kind = SelectedKind();
    draft.ParameterText = Edit_Para->text().toStdString();
    draft.ProcessId = std::uint32_t(ProcessId);
    draft.MessageLines = MemoLines();
    // Whole seconds, as the picker shows them: the schedule timer runs just after each second.
    const QTime time = DateTimePicker1->time();
    draft.TimeOfDaySecond = time.msecsSinceStartOfDay() / 1000;
    draft.TimeText = TimeText(time).toStdString();
    draft.Weekday = dayChoice(*ComboBox2);
    draft.MonthDay = dayChoice(*ComboBox3);
    const QDate date = DateTimePicker2->date();
    draft.OnceDay =
        DayOf(WallSecondsOf(LocalTime{.year = date.year(), .month = date.month(), .day = date.day()}));
    draft.OnceDateText = QLocale().toString(date, QLocale::ShortFormat).toStdString();
    return draft;
}

bool TFormSchWizard::pageWork(int index) {
    // The draft's steps in the order of the pages; the closing page has no work.
    constexpr ScheduleItemDraft::Step steps[] = {ScheduleItemDraft::Step::Name, ScheduleItemDraft::Step::Task,
                                                 ScheduleItemDraft::Step::Time};
    if (index < SchNamePage || index > TimePage)
        return true;
    const ScheduleItemDraft::Step step = steps[index];
    const ScheduleItemDraft draft = Draft();
    if (const std::string fault = draft.Fault(step); !fault.empty()) {
        dialogs().Message(QString::fromStdString(fault));
        return false;
    }
    if (ScheduleItem)
        draft.Fill(step, *ScheduleItem);
    return true;
}

std::vector<std::string> TFormSchWizard::MemoLines() const {
    return ScheduleItemDraft::LinesOf(Memo1->toPlainText().toStdString());
}

const TaskKind* TFormSchWizard::SelectedKind() const {
    const int entry = ComboBox1->currentIndex();
    return entry < 0 ? nullptr : KindOfCode(ComboBox1->itemData(entry).toInt());
}

void TFormSchWizard::BuildTask() {
    if (ScheduleItem)
        Draft().Fill(ScheduleItemDraft::Step::Task, *ScheduleItem);
}

void TFormSchWizard::showParameterControls(const TaskKind* kind) {
    const bool program = kind && TakesTextParameter(*kind);
    const bool message = kind && kind->Parameters == TaskParameterKind::MessageLines;
    Label_Para->setText(program   ? tr("select program")
                        : message ? tr("message content:")
                                  : Label_Para->text());
    Label_Para->setVisible(program || message);
    Edit_Para->setVisible(program);
    SpeedButton4->setText(program ? tr("Browse") : SpeedButton4->text());
    SpeedButton4->setVisible(program);
    Memo1->setVisible(message);
}

void TFormSchWizard::showParameters(const ScheduleItemDraft& shown) {
    switch (shown.Kind->Parameters) {
    case TaskParameterKind::Window:
        Edit_Para->setText(QString::fromStdString(shown.ParameterText));
        ProcessId = std::int32_t(shown.ProcessId);
        break;
    case TaskParameterKind::CommandLine:
        Edit_Para->setText(QString::fromStdString(shown.ParameterText));
        break;
    case TaskParameterKind::MessageLines:
        Memo1->setPlainText(QString::fromStdString(ScheduleItemDraft::TextOf(shown.MessageLines)));
        break;
    case TaskParameterKind::None:
        break;
    }
}

void TFormSchWizard::ComboBox1Change() {
    showParameterControls(SelectedKind());
}

void TFormSchWizard::SpeedButton4Click() {
    const TaskKind* kind = SelectedKind();
    switch (kind ? kind->Parameters : TaskParameterKind::None) {
    case TaskParameterKind::Window: {
        TFormProcessList picker(this);
        if (dialogs().RunModal(picker) == 1) {
            Edit_Para->setText(QString::fromStdString(picker.SelectedWindowText));
            ProcessId = std::int32_t(picker.SelectedProcessId);
        }
        break;
    }
    case TaskParameterKind::CommandLine: {
        const QString path = dialogs().OpenFile(this);
        if (!path.isEmpty())
            Edit_Para->setText(CommandLineForPath(QDir::toNativeSeparators(path)));
        break;
    }
    default:
        break;
    }
}

void TFormSchWizard::TabSheet_SchNameShow() {
    Edit1->setFocus();
    SpeedButton1->setEnabled(false);
    if (IsNew)
        Edit1->clear();
    else if (ScheduleItem)
        Edit1->setText(QString::fromStdString(ScheduleItemDraft::Of(*ScheduleItem).Name));
}

void TFormSchWizard::TabSheet_TaskShow() {
    ComboBox1->setFocus();
    SpeedButton1->setEnabled(true);
    Label_Para->hide();
    Edit_Para->hide();
    SpeedButton4->hide();
    Memo1->hide();
    if (!IsNew) {
        if (!ScheduleItem) {
            dialogs().Error(tr(ModifyWithoutItem));
            return;
        }
        const ScheduleItemDraft shown = ScheduleItemDraft::Of(*ScheduleItem);
        ComboBox1->setCurrentIndex(shown.Kind ? ComboBox1->findData(shown.Kind->Code) : -1);
        // Passing this page rebuilds the task from these controls, so they must hold what the task
        // holds; empty ones would wipe a command line or a message.
        if (shown.Kind && ComboBox1->currentIndex() >= 0)
            showParameters(shown);
    }
    if (ComboBox1->currentIndex() >= 0)
        showParameterControls(SelectedKind());
}

void TFormSchWizard::TabSheet_TimeShow() {
    DateTimePicker1->setFocus();
    if (IsNew) {
        selectPeriodButton(RadioButton2);
        RadioButton2->setChecked(true);
        return;
    }
    if (!ScheduleItem) {
        dialogs().Error(tr(ModifyWithoutItem));
        return;
    }
    const ScheduleItemDraft shown = ScheduleItemDraft::Of(*ScheduleItem);
    DateTimePicker1->setTime(timeOfDay(shown.TimeOfDaySecond));
    ClearRadioButton();
    // Each button's handler puts in today's default first; the stored value goes in after it.
    switch (ScheduleItem->TimeRule.Period) {
    case TPeriod::EveryDay:
        RadioButton2->setChecked(true);
        break;
    case TPeriod::EveryWeek:
        RadioButton3->setChecked(true);
        ComboBox2->setEnabled(true);
        ComboBox2->setCurrentIndex(shown.Weekday.Entry);
        break;
    case TPeriod::EveryMonth:
        RadioButton4->setChecked(true);
        ComboBox3->setEnabled(true);
        ComboBox3->setCurrentIndex(shown.MonthDay.Entry);
        break;
    case TPeriod::Once:
        RadioButton1->setChecked(true);
        DateTimePicker2->setDate(calendarDay(shown.OnceDay));
        break;
    default:
        break;
    }
}

void TFormSchWizard::TabSheet_CompleteShow() {
    SpeedButton2->setFocus();
    SpeedButton2->setText(tr("Complete"));
}

void TFormSchWizard::setPeriod(TPeriod period) {
    if (ScheduleItem)
        ScheduleItem->TimeRule.Period = period;
}

void TFormSchWizard::selectPeriodButton(QRadioButton* button) {
    // Each period button with the day control it opens ("everyday" has none).
    struct PeriodChoice {
        QRadioButton* button;
        QWidget* dayControl;
    };
    const PeriodChoice choices[] = {{RadioButton1, DateTimePicker2},
                                    {RadioButton2, nullptr},
                                    {RadioButton3, ComboBox2},
                                    {RadioButton4, ComboBox3}};
    for (const PeriodChoice& choice : choices)
        if (choice.button != button)
            turnOff(choice.button);
    for (const PeriodChoice& choice : choices)
        if (choice.dayControl)
            choice.dayControl->setEnabled(choice.button == button);
}

void TFormSchWizard::RadioButton1Click() {
    if (!RadioButton1->isChecked())
        return;
    selectPeriodButton(RadioButton1);
    DateTimePicker2->setDate(today());
    setPeriod(TPeriod::Once);
}

void TFormSchWizard::RadioButton2Click() {
    if (!RadioButton2->isChecked())
        return;
    selectPeriodButton(RadioButton2);
    setPeriod(TPeriod::EveryDay);
}

void TFormSchWizard::RadioButton3Click() {
    if (!RadioButton3->isChecked())
        return;
    selectPeriodButton(RadioButton3);
    ComboBox2->setCurrentIndex(today().dayOfWeek() % 7); // Qt counts Monday 1 ... Sunday 7
    setPeriod(TPeriod::EveryWeek);
}

void TFormSchWizard::RadioButton4Click() {
    if (!RadioButton4->isChecked())
        return;
    selectPeriodButton(RadioButton4);
    ComboBox3->setCurrentIndex(today().day() - 1);
    setPeriod(TPeriod::EveryMonth);
}

void TFormSchWizard::ClearRadioButton() {
    selectPeriodButton(nullptr);
}

} // namespace halvo
