#include "FormGen.h"

#include "Planner.h"
#include "model/Tasks.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/RadioSelection.h"
#include "toolkit/UpDown.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <limits>
#include <utility>

namespace halvo {

namespace {

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
    grid->setColumnStretch(5, 1);
    grid->setColumnMinimumWidth(1, 44);

    SpeedButton3 = makeBoldFlatButton(GroupBox2, "SpeedButton3", "Set");
    SpeedButton3->setMinimumWidth(90);
    auto* timed = new QVBoxLayout(GroupBox2);
    timed->addWidget(ComboBox2);
    timed->addWidget(GroupBox4);
    auto* setRow = new QHBoxLayout;
    setRow->addStretch(1);
    setRow->addWidget(SpeedButton3);
    timed->addLayout(setRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2, 1);
    setFixedSize(PageSize);

    runWhenSelected(RadioButton1, this, [this] { RadioButton1Click(); });
    runWhenSelected(RadioButton2, this, [this] { RadioButton2Click(); });
    runWhenSelected(RadioButton3, this, [this] { RadioButton3Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    // The armed action runs what the list shows when it comes due.
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] {
        if (armed() && m_shownId == armed()->id && ComboBox2->currentIndex() >= 0)
            m_planner.setGeneralTask(selectedCode(ComboBox2));
    });
    connect(&m_planner, &Planner::changed, this, &TFormGen::ShowArmed);

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
    if (!event->spontaneous())
        FormShow();
}

void TFormGen::setNoneState() {
    RadioButton1->setChecked(true);
    selectTiming(RadioButton1);
}

void TFormGen::selectTiming(QRadioButton* button) {
    const std::array<QLineEdit*, 3> delayFields{Edit1, Edit2, Edit3};
    const std::array<QLineEdit*, 3> timeFields{Edit4, Edit5, Edit6};
    const std::array<QLineEdit*, 3>* opened = button == RadioButton2   ? &delayFields
                                              : button == RadioButton3 ? &timeFields
                                                                       : nullptr;
    // The chosen fields open before the others close, so focus leaving a closed field can land in them.
    if (opened)
        for (QLineEdit* edit : *opened)
            edit->setEnabled(true);
    for (QRadioButton* other : {RadioButton1, RadioButton2, RadioButton3})
        if (other != button)
            other->setChecked(false);
    for (const std::array<QLineEdit*, 3>* fields : {&delayFields, &timeFields})
        if (fields != opened)
            for (QLineEdit* edit : *fields)
                edit->setEnabled(false);
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
    if (timing.mode == GeneralTiming::Mode::After) {
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
