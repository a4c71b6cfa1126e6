#include "FormGen.h"

#include "FormProcessList.h"
#include "core/Planner.h"
#include "model/ConditionWatch.h"
#include "model/Tasks.h"
#include "platform/Platform.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/RadioSelection.h"
#include "toolkit/UpDown.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <limits>
#include <utility>

namespace halvo {

namespace {

ConditionKind chosenKind(const QComboBox* list);

QComboBox* makeList(QWidget* parent, const char* name, bool withEmptyItem) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    // Each item carries its task code; the empty item carries none.
    for (const TaskKind* kind : GeneralListKinds())
        list->addItem(kind->ListText, kind->Code);
    if (withEmptyItem)
        list->addItem(QString());
    list->setCurrentIndex(-1);
    return list;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const char* text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setFixedWidth(40);
    return edit;
}

} // namespace

TFormGen::TFormGen(Planner& planner, QWidget* parent) : QWidget(parent), m_planner(planner) {
    setObjectName("FormGen");

    GroupBox1 = new QGroupBox("Do It Now!", this);
    GroupBox1->setObjectName("GroupBox1");
    ComboBox1 = makeList(GroupBox1, "ComboBox1", true);
    SpeedButton1 = makeBoldFlatButton(GroupBox1, "SpeedButton1", "Do It Now");
    auto* now = new QHBoxLayout(GroupBox1);
    now->addWidget(ComboBox1, 1);
    now->addSpacing(12);
    now->addWidget(SpeedButton1);

    GroupBox2 = new QGroupBox("Do It at specific time", this);
    GroupBox2->setObjectName("GroupBox2");
    ComboBox2 = makeList(GroupBox2, "ComboBox2", false);

    GroupBox4 = new QGroupBox("At", GroupBox2);
    GroupBox4->setObjectName("GroupBox4");
    RadioButton1 = new QRadioButton("None", GroupBox4);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton("After", GroupBox4);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton3 = new QRadioButton("At", GroupBox4);
    RadioButton3->setObjectName("RadioButton3");
    RadioButton4 = new QRadioButton("When", GroupBox4);
    RadioButton4->setObjectName("RadioButton4");
    ComboBox3 = new QComboBox(GroupBox4);
    ComboBox3->setObjectName("ComboBox3");
    for (const ConditionKind kind : ConditionKinds())
        ComboBox3->addItem(ConditionChoiceText(kind), int(kind));
    ComboBox3->setCurrentIndex(-1);
    Edit7 = new QLineEdit(GroupBox4);
    Edit7->setObjectName("Edit7");
    Edit7->setFixedWidth(44);
    Label7 = new QLabel(GroupBox4);
    Label7->setObjectName("Label7");
    Label8 = new QLabel("for", GroupBox4);
    Label8->setObjectName("Label8");
    Edit8 = new QLineEdit(GroupBox4);
    Edit8->setObjectName("Edit8");
    Edit8->setFixedWidth(28);
    Label9 = new QLabel("min", GroupBox4);
    Label9->setObjectName("Label9");
    SpeedButton4 = new QToolButton(GroupBox4);
    SpeedButton4->setObjectName("SpeedButton4");
    SpeedButton4->setText("...");
    SpeedButton4->setToolTip("Choose a program by one of its windows");

    Edit1 = makeEdit(GroupBox4, "Edit1", "0");
    Edit2 = makeEdit(GroupBox4, "Edit2", "0");
    Edit3 = makeEdit(GroupBox4, "Edit3", "0");
    Edit4 = makeEdit(GroupBox4, "Edit4", "1");
    Edit5 = makeEdit(GroupBox4, "Edit5", "0");
    Edit6 = makeEdit(GroupBox4, "Edit6", "0");
    UpDown1 = new UpDown(Edit1, 0, 100, 0, GroupBox4);
    UpDown2 = new UpDown(Edit2, 0, 59, 0, GroupBox4);
    UpDown3 = new UpDown(Edit3, 0, 59, 0, GroupBox4);
    UpDown4 = new UpDown(Edit4, 1, 12, 1, GroupBox4);
    UpDown5 = new UpDown(Edit5, 0, 59, 0, GroupBox4);
    UpDown6 = new UpDown(Edit6, 0, 59, 0, GroupBox4);
    const char* upDownNames[] = {"UpDown1", "UpDown2", "UpDown3", "UpDown4", "UpDown5", "UpDown6"};
    UpDown* upDowns[] = {UpDown1, UpDown2, UpDown3, UpDown4, UpDown5, UpDown6};
    for (int i = 0; i < 6; ++i)
        upDowns[i]->setObjectName(upDownNames[i]);
    SpeedButton2 = makeBoldFlatButton(GroupBox4, "SpeedButton2", "AM");
    SpeedButton2->setAutoRaise(false);
    SpeedButton2->setFixedWidth(40);

    // Radio buttons on the left, each row's fields beside its button.
    auto* grid = new QGridLayout(GroupBox4);
    grid->setHorizontalSpacing(4);
    grid->addWidget(RadioButton1, 0, 0);
    grid->addWidget(RadioButton2, 1, 0);
    grid->addWidget(RadioButton3, 2, 0);
    grid->addWidget(RadioButton4, 3, 0);
    grid->setVerticalSpacing(2);
    auto addField = [grid](int row, int column, QLineEdit* edit, UpDown* upDown, const char* caption) {
        auto* field = new QHBoxLayout;
        field->setSpacing(0);
        field->addWidget(edit);
        field->addWidget(upDown);
        field->addSpacing(4);
        field->addWidget(new QLabel(caption));
        field->addSpacing(10);
        grid->addLayout(field, row, column);
    };
    grid->addWidget(SpeedButton2, 2, 1);
    addField(1, 2, Edit1, UpDown1, "Hour");
    addField(1, 3, Edit2, UpDown2, "Min");
    addField(1, 4, Edit3, UpDown3, "Sec");
    addField(2, 2, Edit4, UpDown4, "Hour");
    addField(2, 3, Edit5, UpDown5, "Min");
    addField(2, 4, Edit6, UpDown6, "Sec");
    // The condition's row: the choice over the first two columns, then its value and its minutes.
    grid->addWidget(ComboBox3, 3, 1, 1, 2);
    auto* value = new QHBoxLayout;
    value->setSpacing(3);
    value->addWidget(Edit7);
    value->addWidget(SpeedButton4);
    value->addWidget(Label7);
    value->addWidget(Label8);
    value->addWidget(Edit8);
    value->addWidget(Label9);
    value->addStretch(1);
    grid->addLayout(value, 3, 3, 1, 3);
    // The room left goes to the choice of condition, whose texts are the longest.
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(1, 44);

    SpeedButton3 = makeBoldFlatButton(GroupBox2, "SpeedButton3", "Set");
    SpeedButton3->setMinimumWidth(90);
    // Four ways to time the action in the page's height: the rows keep close together.
    grid->setContentsMargins(8, 2, 8, 2);
    auto* timed = new QVBoxLayout(GroupBox2);
    timed->setContentsMargins(8, 4, 8, 4);
    timed->setSpacing(3);
    timed->addWidget(ComboBox2);
    timed->addWidget(GroupBox4);
    Label10 = new QLabel(GroupBox2);
    Label10->setObjectName("Label10");
    auto* setRow = new QHBoxLayout;
    setRow->addWidget(Label10, 1);
    setRow->addWidget(SpeedButton3);
    timed->addLayout(setRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2, 1);
    setFixedSize(PageSize);

    runWhenSelected(RadioButton1, this, [this] { RadioButton1Click(); });
    runWhenSelected(RadioButton2, this, [this] { RadioButton2Click(); });
    runWhenSelected(RadioButton3, this, [this] { RadioButton3Click(); });
    runWhenSelected(RadioButton4, this, [this] { RadioButton4Click(); });
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, [this] { ComboBox3Change(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(Edit7, &QLineEdit::editingFinished, this, [this] {
        if (ComboBox3->currentIndex() >= 0 && chosenKind(ComboBox3) == ConditionKind::ProgramExits)
            probeCondition();
    });
    m_probeTimer = new QTimer(this);
    m_probeTimer->setObjectName("ProbeTimer");
    m_probeTimer->setInterval(Planner::SampleMs);
    connect(m_probeTimer, &QTimer::timeout, this, [this] {
        if (m_probe)
            m_probe->Sample(platform().clock().elapsedMs());
    });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    // The armed action runs what the list shows when it comes due.
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] {
        if (armed() && m_shownId == armed()->id && ComboBox2->currentIndex() >= 0)
            m_planner.setGeneralTask(selectedCode(ComboBox2));
    });
    connect(&m_planner, &Planner::changed, this, &TFormGen::ShowArmed);
    // Out of view the reading waits for the page to show.
    connect(&m_planner, &Planner::readingChanged, this, [this] {
        if (isVisible())
            showReading();
    });

    FormCreate();
    setNoneState();
    ShowArmed();
}

TFormGen::~TFormGen() {
    FormClose();
}

void TFormGen::FormCreate() {
    m_shownId = 0;
}

void TFormGen::FormShow() {
    // An armed action stays in view; otherwise the page starts from None.
    if (!armed())
        setNoneState();
}

// The armed action is the agenda's and goes on without the page.
void TFormGen::FormClose() {}

const AgendaEntry* TFormGen::armed() const {
    return m_planner.agenda().General();
}

void TFormGen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    m_planner.setReadingShown(Planner::ReadingViewer::Page, true);
    probeCondition(); // shows the reading
}

void TFormGen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Out of view nothing is read for the page.
    if (!event->spontaneous()) {
        m_planner.setReadingShown(Planner::ReadingViewer::Page, false);
        m_probeTimer->stop();
        m_probe.reset();
    }
}

void TFormGen::setNoneState() {
    RadioButton1->setChecked(true);
    selectTiming(RadioButton1);
}

void TFormGen::selectTiming(QRadioButton* button) {
    const std::array<QWidget*, 3> delayFields{Edit1, Edit2, Edit3};
    const std::array<QWidget*, 3> timeFields{Edit4, Edit5, Edit6};
    const std::array<QWidget*, 3> conditionFields{ComboBox3, Edit7, Edit8};
    const std::array<QWidget*, 3>* opened = button == RadioButton2   ? &delayFields
                                            : button == RadioButton3 ? &timeFields
                                            : button == RadioButton4 ? &conditionFields
                                                                     : nullptr;
    // The chosen fields open before the others close, so focus leaving a closed field can land in them.
    if (opened)
        for (QWidget* field : *opened)
            field->setEnabled(true);
    for (QRadioButton* other : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        if (other != button)
            other->setChecked(false);
    for (const std::array<QWidget*, 3>* fields : {&delayFields, &timeFields, &conditionFields})
        if (fields != opened)
            for (QWidget* field : *fields)
                field->setEnabled(false);
    SpeedButton4->setEnabled(button == RadioButton4);
    probeCondition();
}

void TFormGen::RadioButton1Click() {
    if (RadioButton1->isChecked())
        selectTiming(RadioButton1);
}

void TFormGen::RadioButton2Click() {
    if (RadioButton2->isChecked())
        selectTiming(RadioButton2);
}

void TFormGen::RadioButton3Click() {
    if (RadioButton3->isChecked())
        selectTiming(RadioButton3);
}

void TFormGen::RadioButton4Click() {
    if (!RadioButton4->isChecked())
        return;
    if (ComboBox3->currentIndex() < 0)
        ComboBox3->setCurrentIndex(0);
    selectTiming(RadioButton4);
}

namespace {

// What each condition asks for: the unit beside its value, whether minutes of quiet follow, its defaults.
struct ConditionFields {
    const char* unit;
    bool minutes;
    const char* value;
    const char* quietMinutes;
};

ConditionFields fieldsOf(ConditionKind kind) {
    switch (kind) {
    case ConditionKind::ProgramExits:
        return {"", false, "", ""};
    case ConditionKind::UserIdle:
        return {"min", false, "30", ""};
    case ConditionKind::ProcessorBelow:
        return {"%", true, "10", "5"};
    case ConditionKind::NetworkBelow:
        return {"KB/s", true, "50", "5"};
    case ConditionKind::BatteryBelow:
        return {"%", false, "15", ""};
    }
    return {"", false, "", ""};
}

ConditionKind chosenKind(const QComboBox* list) {
    return ConditionKind(list->currentData().toInt());
}

// The condition of the kind as the command line writes it, from the page's two fields.
std::string conditionText(ConditionKind kind, const QString& value, const QString& minutes) {
    switch (kind) {
    case ConditionKind::ProgramExits:
        return ("exit:" + value).toStdString();
    case ConditionKind::UserIdle:
        return ("idle:" + value + "m").toStdString();
    case ConditionKind::ProcessorBelow:
        return ("cpu:" + value + "%:" + minutes + "m").toStdString();
    case ConditionKind::NetworkBelow:
        return ("net:" + value + "k:" + minutes + "m").toStdString();
    case ConditionKind::BatteryBelow:
        return ("battery:" + value + "%").toStdString();
    }
    return {};
}

} // namespace

void TFormGen::ComboBox3Change() {
    if (ComboBox3->currentIndex() < 0)
        return;
    const ConditionKind kind = chosenKind(ComboBox3);
    const ConditionFields fields = fieldsOf(kind);
    Edit7->setText(fields.value);
    Edit7->setFixedWidth(kind == ConditionKind::ProgramExits ? 100 : 44);
    Label7->setText(fields.unit);
    Edit8->setText(fields.quietMinutes);
    for (QWidget* field :
         {static_cast<QWidget*>(Label8), static_cast<QWidget*>(Edit8), static_cast<QWidget*>(Label9)})
        field->setVisible(fields.minutes);
    SpeedButton4->setVisible(kind == ConditionKind::ProgramExits);
    probeCondition();
}

void TFormGen::SpeedButton4Click() {
    TFormProcessList picker(this);
    if (dialogs().RunModal(picker) != 1 || !picker.SelectedProcessId)
        return;
    // The program's file name when the system tells it, else the process itself.
    std::string file = platform().windows().programFile(picker.SelectedProcessId);
    const std::size_t slash = file.find_last_of("/\\");
    if (slash != std::string::npos)
        file = file.substr(slash + 1);
    Edit7->setText(file.empty() ? QString::number(picker.SelectedProcessId) : QString::fromStdString(file));
    probeCondition();
}

std::optional<ConditionSpec> TFormGen::readCondition() {
    if (ComboBox3->currentIndex() < 0)
        return std::nullopt;
    const std::string text =
        conditionText(chosenKind(ComboBox3), Edit7->text().trimmed(), Edit8->text().trimmed());
    std::string error;
    auto spec = ParseCondition(text, error);
    if (!spec)
        dialogs().Error(QString::fromStdString(error));
    return spec;
}

void TFormGen::probeCondition() {
    m_probeTimer->stop();
    m_probe.reset();
    m_probeFailure.clear();
    const AgendaEntry* entry = armed();
    // An armed condition shows the planner's own readings; a chosen one is read only while it is in view.
    if ((entry && entry->isConditional()) || !RadioButton4->isChecked() || !isVisible() ||
        ComboBox3->currentIndex() < 0) {
        showReading();
        return;
    }
    // A reading of the chosen kind, whatever its limits: the condition as typed is read when it is set.
    const ConditionKind kind = chosenKind(ComboBox3);
    const QString value = Edit7->text().trimmed();
    std::string error;
    std::string text;
    if (kind == ConditionKind::ProgramExits)
        text = value.isEmpty() ? std::string() : conditionText(kind, value, {});
    else
        text = conditionText(kind,
                             kind == ConditionKind::ProcessorBelow ? "100"
                             : kind == ConditionKind::BatteryBelow ? "99"
                                                                   : "1",
                             "1");
    auto probe = text.empty() ? std::nullopt : ParseCondition(text, error);
    if (!probe) {
        showReading();
        return;
    }
    m_probe = std::make_unique<ConditionWatch>(platform().activity(), std::vector<ConditionSpec>{*probe},
                                               [this] { showReading(); });
    ConditionWatch* watch = m_probe.get();
    watch->Start(platform().clock().elapsedMs(), [this, watch, spec = *probe](const std::string& failure) {
        if (m_probe.get() != watch)
            return;
        // The system's reason alone: the probe's own limits are none of the user's concern.
        const std::string limits = "cannot tell " + DescribeCondition(spec) + ": ";
        m_probeFailure = failure.rfind(limits, 0) == 0 ? failure.substr(limits.size()) : failure;
        if (failure.empty())
            m_probeTimer->start();
        showReading();
    });
}

void TFormGen::showReading() {
    const AgendaEntry* entry = armed();
    QString text;
    if (entry && entry->isConditional())
        text = QString::fromStdString(m_planner.conditionReading());
    else if (!m_probeFailure.empty())
        text = "not offered: " + QString::fromStdString(m_probeFailure);
    else if (m_probe)
        text = QString::fromStdString(m_probe->LiveReading());
    Label10->setText(text);
}

std::int32_t TFormGen::selectedCode(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

void TFormGen::SpeedButton1Click() {
    if (auto task = TaskFromCode(selectedCode(ComboBox1)))
        task->Run();
}

void TFormGen::SpeedButton2Click() {
    SpeedButton2->setText(SpeedButton2->text() == "AM" ? "PM" : "AM");
}

std::optional<std::int32_t> TFormGen::readInteger(QLineEdit* edit) {
    static const QRegularExpression wholeNumber("^\\s*[+-]?[0-9]+\\s*$");
    bool ok = false;
    const QString text = edit->text();
    const int value = wholeNumber.match(text).hasMatch() ? text.trimmed().toInt(&ok) : 0;
    if (!ok) {
        dialogs().Error("'" + text + "' is not a valid integer value");
        return std::nullopt;
    }
    return value;
}

std::optional<std::array<std::int32_t, 3>> TFormGen::readHourMinuteSecond(QLineEdit* hour, QLineEdit* minute,
                                                                          QLineEdit* second) {
    std::array<std::int32_t, 3> values{};
    const std::array<QLineEdit*, 3> edits{hour, minute, second};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const auto value = readInteger(edits[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

void TFormGen::SpeedButton3Click() {
    if (ComboBox2->currentIndex() < 0)
        return;

    if (RadioButton2->isChecked()) {
        const auto fields = readHourMinuteSecond(Edit1, Edit2, Edit3);
        if (!fields)
            return;
        const auto [h, m, s] = *fields;
        // A delay below zero would never count down to its moment, one beyond the counter's range would
        // wrap: neither may be confirmed as set.
        const long long total = h * 3600LL + m * 60LL + s;
        if (total < 0) {
            dialogs().Error("The delay must not be negative");
            return;
        }
        if (total > std::numeric_limits<std::int32_t>::max()) {
            dialogs().Error("The delay is too long");
            return;
        }
        m_planner.armAfter(ActionSource::GeneralPage, selectedCode(ComboBox2), std::int32_t(total));
        dialogs().Message("set successfully");
    } else if (RadioButton3->isChecked()) {
        // All three fields are read before any is stored, so a typing error cannot leave an armed action
        // with a new hour and its old minute.
        const auto fields = readHourMinuteSecond(Edit4, Edit5, Edit6);
        if (!fields)
            return;
        const auto [h, m, s] = *fields;
        const std::int32_t hour = HourOf12HourClock(h, SpeedButton2->text() == "PM");
        if (hour < 0 || hour > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
            dialogs().Error("The time of day must lie between 12:00:00 AM and 11:59:59 PM");
            return;
        }
        m_planner.armAt(ActionSource::GeneralPage, selectedCode(ComboBox2), hour, m, s);
        dialogs().Message("set successfully");
    } else if (RadioButton4->isChecked()) {
        const auto condition = readCondition();
        if (!condition)
            return;
        // Armed once its first reading is in; a condition the system cannot tell is refused with the reason.
        QPointer<TFormGen> page(this);
        m_planner.armWhen(ActionSource::GeneralPage, selectedCode(ComboBox2), {*condition},
                          [page](const std::string& failure) {
                              if (!page)
                                  return;
                              if (failure.empty())
                                  dialogs().Message("set successfully");
                              else
                                  dialogs().Error(QString::fromStdString(failure));
                          });
    } else {
        m_planner.disarmGeneral();
    }
}

namespace {

void selectCode(QComboBox* list, std::int32_t taskCode) {
    list->setCurrentIndex(list->findData(taskCode));
}

} // namespace

void TFormGen::ShowArmed() {
    if (isVisible()) // else shown with the page
        showReading();
    const AgendaEntry* entry = armed();
    const int id = entry ? entry->id : 0;
    if (id == m_shownId)
        return;
    m_shownId = id;
    if (!entry || !entry->timing || !entry->task) {
        setNoneState();
        return;
    }
    const GeneralTiming& timing = *entry->timing;
    selectCode(ComboBox2, entry->task->Code);
    if (timing.mode == GeneralTiming::Mode::When && !timing.conditions.empty()) {
        const ConditionSpec& condition = timing.conditions.front();
        RadioButton4->setChecked(true);
        ComboBox3->setCurrentIndex(ComboBox3->findData(int(condition.kind)));
        selectTiming(RadioButton4);
        switch (condition.kind) {
        case ConditionKind::ProgramExits:
            Edit7->setText(condition.program.empty() ? QString::number(condition.processId)
                                                     : QString::fromStdString(condition.program));
            break;
        case ConditionKind::UserIdle:
            Edit7->setText(QString::number(condition.minutes));
            break;
        case ConditionKind::ProcessorBelow:
        case ConditionKind::BatteryBelow:
            Edit7->setText(QString::number(condition.percent));
            Edit8->setText(QString::number(condition.minutes));
            break;
        case ConditionKind::NetworkBelow:
            Edit7->setText(QString::number(condition.kilobytesPerSecond));
            Edit8->setText(QString::number(condition.minutes));
            break;
        }
    } else if (timing.mode == GeneralTiming::Mode::After) {
        RadioButton2->setChecked(true);
        selectTiming(RadioButton2);
        Edit1->setText(QString::number(timing.seconds / 3600));
        Edit2->setText(QString::number(timing.seconds / 60 % 60));
        Edit3->setText(QString::number(timing.seconds % 60));
    } else {
        RadioButton3->setChecked(true);
        selectTiming(RadioButton3);
        Edit4->setText(QString::number(timing.hour % 12 == 0 ? 12 : timing.hour % 12));
        Edit5->setText(QString::number(timing.minute));
        Edit6->setText(QString::number(timing.second));
        SpeedButton2->setText(timing.hour >= 12 ? "PM" : "AM");
    }
}

} // namespace halvo
