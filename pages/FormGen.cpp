#include "FormGen.h"

#include "FormProcessList.h"
#include "PasswordDialog.h"
#include "core/Planner.h"
#include "core/Settings.h"
#include "model/ConditionWatch.h"
#include "model/Tasks.h"
#include "platform/Platform.h"
#include "platform/Translate.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/RadioSelection.h"
#include "toolkit/UpDown.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
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
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace halvo {

namespace {

// A choice of condition gives up room to the words around it, which some languages make long; its list
// still shows every choice whole.
void yieldRoom(QComboBox& choice) {
    choice.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    choice.setMinimumContentsLength(8);
}

QComboBox* makeList(QWidget* parent, const char* name, bool withEmptyItem) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    // Each item carries its task code; the empty item carries none.
    for (const TaskKind* kind : GeneralListKinds())
        list->addItem(QString::fromStdString(Translate("Tasks", kind->ListText)), kind->Code);
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

    GroupBox1 = new QGroupBox(tr("Do It Now!"), this);
    GroupBox1->setObjectName("GroupBox1");
    ComboBox1 = makeList(GroupBox1, "ComboBox1", true);
    SpeedButton1 = makeBoldFlatButton(GroupBox1, "SpeedButton1", tr("Do It Now"));
    auto* now = new QHBoxLayout(GroupBox1);
    m_nowMargins = now->contentsMargins();
    now->addWidget(ComboBox1, 1);
    now->addSpacing(12);
    now->addWidget(SpeedButton1);

    GroupBox2 = new QGroupBox(tr("Do It at specific time"), this);
    GroupBox2->setObjectName("GroupBox2");
    ComboBox2 = makeList(GroupBox2, "ComboBox2", false);

    GroupBox4 = new QGroupBox(tr("At"), GroupBox2);
    GroupBox4->setObjectName("GroupBox4");
    RadioButton1 = new QRadioButton(tr("None"), GroupBox4);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton(tr("After"), GroupBox4);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton3 = new QRadioButton(tr("At"), GroupBox4);
    RadioButton3->setObjectName("RadioButton3");
    RadioButton4 = new QRadioButton(tr("When"), GroupBox4);
    RadioButton4->setObjectName("RadioButton4");
    ComboBox3 = new QComboBox(GroupBox4);
    ComboBox3->setObjectName("ComboBox3");
    yieldRoom(*ComboBox3);
    for (const ConditionKind kind : ConditionKinds())
        ComboBox3->addItem(QString::fromStdString(Translate("Conditions", ConditionChoiceText(kind))),
                           int(kind));
    ComboBox3->setCurrentIndex(-1);
    Edit7 = new QLineEdit(GroupBox4);
    Edit7->setObjectName("Edit7");
    Edit7->setFixedWidth(44);
    Label7 = new QLabel(GroupBox4);
    Label7->setObjectName("Label7");
    Label8 = new QLabel(tr("for"), GroupBox4);
    Label8->setObjectName("Label8");
    Edit8 = new QLineEdit(GroupBox4);
    Edit8->setObjectName("Edit8");
    Edit8->setFixedWidth(28);
    Label9 = new QLabel(tr("min"), GroupBox4);
    Label9->setObjectName("Label9");
    SpeedButton4 = new QToolButton(GroupBox4);
    SpeedButton4->setObjectName("SpeedButton4");
    SpeedButton4->setText("...");
    SpeedButton4->setToolTip(tr("Choose a program by one of its windows"));
    AddCondition = new QToolButton(GroupBox4);
    AddCondition->setObjectName("AddCondition");
    AddCondition->setText("+");
    AddCondition->setToolTip(tr("Add a condition that must hold as well"));

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
    SpeedButton2 = makeBoldFlatButton(GroupBox4, "SpeedButton2", tr("AM"));
    SpeedButton2->setAutoRaise(false);
    SpeedButton2->setFixedWidth(40);

    // Radio buttons on the left, each row's fields beside its button.
    auto* grid = new QGridLayout(GroupBox4);
    grid->setHorizontalSpacing(3);
    grid->addWidget(RadioButton1, 0, 0);
    grid->addWidget(RadioButton2, 1, 0);
    grid->addWidget(RadioButton3, 2, 0);
    grid->addWidget(RadioButton4, 3, 0);
    grid->setVerticalSpacing(2);
    auto addField = [grid](int row, int column, QLineEdit* edit, UpDown* upDown, const QString& caption) {
        auto* field = new QHBoxLayout;
        field->setSpacing(0);
        field->addWidget(edit);
        field->addWidget(upDown);
        field->addSpacing(4);
        field->addWidget(new QLabel(caption));
        field->addSpacing(6);
        grid->addLayout(field, row, column);
    };
    grid->addWidget(SpeedButton2, 2, 1);
    addField(1, 2, Edit1, UpDown1, tr("Hour"));
    addField(1, 3, Edit2, UpDown2, tr("Min"));
    addField(1, 4, Edit3, UpDown3, tr("Sec"));
    addField(2, 2, Edit4, UpDown4, tr("Hour"));
    addField(2, 3, Edit5, UpDown5, tr("Min"));
    addField(2, 4, Edit6, UpDown6, tr("Sec"));
    // The condition's row: the choice over the first two columns, then its value and its minutes.
    grid->addWidget(ComboBox3, 3, 1, 1, 2);
    auto* value = new QHBoxLayout;
    value->setSpacing(2);
    value->addWidget(Edit7);
    value->addWidget(SpeedButton4);
    value->addWidget(Label7);
    value->addWidget(Label8);
    value->addWidget(Edit8);
    value->addWidget(Label9);
    value->addStretch(1);
    value->addWidget(AddCondition);
    grid->addLayout(value, 3, 3, 1, 3);
    // The room left goes to the choice of condition, whose texts are the longest.
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(1, 44);

    SpeedButton3 = makeBoldFlatButton(GroupBox2, "SpeedButton3", tr("Set"));
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
    // A long reason is cut short on the page, and shown whole in the tooltip.
    Label10->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_readingLine = new QHBoxLayout;
    m_readingLine->setSpacing(10);
    m_readingLine->addWidget(Label10, 1);
    SaveQuick = new QToolButton(GroupBox2);
    SaveQuick->setObjectName("SaveQuick");
    SaveQuick->setText(tr("Save as quick action"));
    SaveQuick->setVisible(false);
    m_readingLine->addWidget(SaveQuick);
    m_readingLine->addWidget(SpeedButton3);
    timed->addLayout(m_readingLine);
    m_timingGrid = grid;
    auto first = std::make_unique<ConditionRowControls>();
    first->choice = ComboBox3;
    first->value = Edit7;
    first->picker = SpeedButton4;
    first->unit = Label7;
    first->forLabel = Label8;
    first->minutes = Edit8;
    first->minutesUnit = Label9;
    first->reading = Label10;
    m_rows.push_back(std::move(first));

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
        if (choosesProgram(*m_rows.front()))
            probeCondition(*m_rows.front());
    });
    connect(AddCondition, &QToolButton::clicked, this, [this] { AddConditionClick(); });
    m_probeTimer = new QTimer(this);
    m_probeTimer->setObjectName("ProbeTimer");
    m_probeTimer->setInterval(Planner::SampleMs);
    connect(m_probeTimer, &QTimer::timeout, this, [this] {
        bool any = false;
        for (const auto& row : m_rows)
            if (row->probe) {
                any = true;
                row->probe->Sample(platform().clock().elapsedMs());
            }
        if (!any)
            m_probeTimer->stop();
    });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(SaveQuick, &QToolButton::clicked, this, [this] { SaveQuickClick(); });
    // The armed action runs what the list shows when it comes due.
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] {
        const AgendaEntry* entry = armed();
        if (!entry || m_shownId != entry->id || ComboBox2->currentIndex() < 0)
            return;
        if (entry->task && entry->task->Code != selectedCode(ComboBox2) &&
            !mayChangeArmed(tr("change the armed action"))) {
            const QSignalBlocker quiet(ComboBox2);
            ComboBox2->setCurrentIndex(ComboBox2->findData(entry->task->Code));
            return;
        }
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
    probeConditions(); // shows the readings
}

void TFormGen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Out of view nothing is read for the page.
    if (!event->spontaneous()) {
        m_planner.setReadingShown(Planner::ReadingViewer::Page, false);
        stopProbes();
    }
}

void TFormGen::setNoneState() {
    RadioButton1->setChecked(true);
    selectTiming(RadioButton1);
}

void TFormGen::selectTiming(QRadioButton* button) {
    using Fields = std::vector<QWidget*>;
    const Fields delayFields{Edit1, Edit2, Edit3};
    const Fields timeFields{Edit4, Edit5, Edit6};
    Fields conditionFields;
    for (const auto& row : m_rows)
        conditionFields.insert(conditionFields.end(), {row->choice, row->value, row->minutes});
    const Fields* opened = button == RadioButton2   ? &delayFields
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
    for (const Fields* fields :
         std::initializer_list<const Fields*>{&delayFields, &timeFields, &conditionFields})
        if (fields != opened)
            for (QWidget* field : *fields)
                field->setEnabled(false);
    const bool when = button == RadioButton4;
    for (const auto& row : m_rows) {
        row->picker->setEnabled(when);
        if (row->remove)
            row->remove->setEnabled(when);
    }
    AddCondition->setEnabled(when && conditionRowCount() < MaxConditionRows);
    probeConditions();
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

ConditionKind kindOf(const TFormGen::ConditionRowControls& row) {
    return ConditionKind(row.choice->currentData().toInt());
}

} // namespace

bool TFormGen::choosesProgram(const ConditionRowControls& row) {
    return row.choice->currentIndex() >= 0 &&
           RowOf(kindOf(row)).fields[0].kind == ConditionFieldKind::Program;
}

void TFormGen::ComboBox3Change() {
    conditionChosen(*m_rows.front());
}

void TFormGen::conditionChosen(ConditionRowControls& row) {
    if (row.choice->currentIndex() < 0)
        return;
    const ConditionRow& kind = RowOf(kindOf(row));
    const bool program = kind.fields[0].kind == ConditionFieldKind::Program;
    row.value->setText(kind.fields[0].pageDefault);
    row.value->setFixedWidth(program ? 100 : 44);
    row.unit->setText(QString::fromStdString(Translate("Conditions", kind.fields[0].unit)));
    row.minutes->setText(kind.fields[1].pageDefault);
    if (kind.fieldCount() == 2)
        row.minutesUnit->setText(QString::fromStdString(Translate("Conditions", kind.fields[1].unit)));
    for (QWidget* field : {static_cast<QWidget*>(row.forLabel), static_cast<QWidget*>(row.minutes),
                           static_cast<QWidget*>(row.minutesUnit)})
        field->setVisible(kind.fieldCount() == 2);
    row.picker->setVisible(program);
    probeCondition(row);
}

void TFormGen::SpeedButton4Click() {
    pickProgram(*m_rows.front());
}

void TFormGen::pickProgram(ConditionRowControls& row) {
    TFormProcessList picker(this);
    if (dialogs().RunModal(picker) != 1 || !picker.SelectedProcessId)
        return;
    // The program's file name when the system tells it, else the process itself.
    std::string file = platform().windows().programFile(picker.SelectedProcessId);
    const std::size_t slash = file.find_last_of("/\\");
    if (slash != std::string::npos)
        file = file.substr(slash + 1);
    row.value->setText(file.empty() ? QString::number(picker.SelectedProcessId)
                                    : QString::fromStdString(file));
    probeCondition(row);
}

void TFormGen::AddConditionClick() {
    if (conditionRowCount() >= MaxConditionRows)
        return;
    addConditionRow();
    // The new row offers the first kind that no other row shows.
    ConditionRowControls& added = *m_rows.back();
    for (const ConditionKind kind : ConditionKinds()) {
        const bool shown = std::any_of(m_rows.begin(), m_rows.end() - 1, [kind](const auto& row) {
            return row->choice->currentIndex() >= 0 && kindOf(*row) == kind;
        });
        if (!shown) {
            added.choice->setCurrentIndex(added.choice->findData(int(kind)));
            break;
        }
    }
    if (added.choice->currentIndex() < 0)
        added.choice->setCurrentIndex(0);
    selectTiming(RadioButton4->isChecked() ? RadioButton4 : RadioButton1);
}

void TFormGen::RemoveConditionClick(int index) {
    if (index < 1 || index >= conditionRowCount())
        return;
    // The rows below move up one; the last row's controls go.
    for (int i = index; i + 1 < conditionRowCount(); ++i) {
        ConditionRowControls& row = conditionRow(i);
        const ConditionRowControls& next = conditionRow(i + 1);
        row.choice->setCurrentIndex(next.choice->currentIndex());
        row.value->setText(next.value->text());
        row.minutes->setText(next.minutes->text());
    }
    removeLastConditionRow();
    selectTiming(RadioButton4->isChecked() ? RadioButton4 : RadioButton1);
}

void TFormGen::addConditionRow() {
    const int index = conditionRowCount();
    const QString number = QString::number(index + 1); // the first row's controls are the page's own
    auto row = std::make_unique<ConditionRowControls>();
    const auto named = [&number](QWidget* widget, const char* name) {
        widget->setObjectName(name + number);
        return widget;
    };
    row->joiner = new QLabel(tr("and"), GroupBox4);
    row->joiner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    named(row->joiner, "ConditionAnd");
    row->choice = new QComboBox(GroupBox4);
    named(row->choice, "ConditionChoice");
    yieldRoom(*row->choice);
    row->line = named(new QWidget(GroupBox4), "ConditionLine");
    row->value = new QLineEdit(row->line);
    named(row->value, "ConditionValue");
    row->value->setFixedWidth(44);
    row->picker = new QToolButton(row->line);
    named(row->picker, "ConditionPicker");
    row->picker->setText("...");
    row->picker->setToolTip(SpeedButton4->toolTip());
    row->unit = new QLabel(row->line);
    named(row->unit, "ConditionUnit");
    row->forLabel = new QLabel(tr("for"), row->line);
    named(row->forLabel, "ConditionFor");
    row->minutes = new QLineEdit(row->line);
    named(row->minutes, "ConditionMinutes");
    row->minutes->setFixedWidth(28);
    row->minutesUnit = new QLabel(tr("min"), row->line);
    named(row->minutesUnit, "ConditionMinutesUnit");
    row->remove = new QToolButton(row->line);
    named(row->remove, "RemoveCondition");
    row->remove->setText(QString::fromUtf8("\u00d7"));
    row->remove->setToolTip(tr("Remove this condition"));
    row->reading = new QLabel(GroupBox2);
    named(row->reading, "ConditionReading");
    row->reading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // Laid out as the first row's controls are, beneath them.
    auto* value = new QHBoxLayout(row->line);
    value->setContentsMargins(0, 0, 0, 0);
    value->setSpacing(2);
    for (QWidget* field : {static_cast<QWidget*>(row->value), static_cast<QWidget*>(row->picker),
                           static_cast<QWidget*>(row->unit), static_cast<QWidget*>(row->forLabel),
                           static_cast<QWidget*>(row->minutes), static_cast<QWidget*>(row->minutesUnit)})
        value->addWidget(field);
    value->addStretch(1);
    value->addWidget(row->remove);
    const int gridRow = 3 + index;
    m_timingGrid->addWidget(row->joiner, gridRow, 0);
    m_timingGrid->addWidget(row->choice, gridRow, 1, 1, 2);
    m_timingGrid->addWidget(row->line, gridRow, 3, 1, 3);
    m_readingLine->insertWidget(m_readingLine->count() - 1, row->reading, 1);
    // Shown now, not with the layout's next turn, so a page in view is whole when this returns.
    for (QWidget* widget : {static_cast<QWidget*>(row->joiner), static_cast<QWidget*>(row->choice), row->line,
                            static_cast<QWidget*>(row->reading)})
        widget->show();
    fitConditionRows();

    ConditionRowControls* added = row.get();
    connect(row->choice, &QComboBox::currentIndexChanged, this, [this, added] { conditionChosen(*added); });
    connect(row->picker, &QToolButton::clicked, this, [this, added] { pickProgram(*added); });
    connect(row->value, &QLineEdit::editingFinished, this, [this, added] {
        if (choosesProgram(*added))
            probeCondition(*added);
    });
    connect(row->remove, &QToolButton::clicked, this, [this, added] {
        for (int i = 1; i < conditionRowCount(); ++i)
            if (&conditionRow(i) == added)
                return RemoveConditionClick(i);
    });
    for (const ConditionKind kind : ConditionKinds())
        row->choice->addItem(QString::fromStdString(Translate("Conditions", ConditionChoiceText(kind))),
                             int(kind));
    row->choice->setCurrentIndex(-1);
    m_rows.push_back(std::move(row));
}

void TFormGen::fitConditionRows() {
    // Later rows take the room the margins and the gaps between the groups leave; one row keeps the
    // page's usual look.
    const bool more = conditionRowCount() > 1;
    const int gap = more ? 1 : 4;
    layout()->setContentsMargins(6, gap, 6, gap);
    layout()->setSpacing(gap);
    GroupBox1->layout()->setContentsMargins(more ? QMargins(9, 1, 9, 1) : m_nowMargins);
    GroupBox2->layout()->setContentsMargins(8, more ? 0 : 4, 8, more ? 0 : 4);
    GroupBox2->layout()->setSpacing(more ? 1 : 3);
    m_timingGrid->setContentsMargins(8, more ? 0 : 2, 8, more ? 0 : 2);
    m_timingGrid->setVerticalSpacing(more ? 0 : 2);
}

void TFormGen::removeLastConditionRow() {
    if (conditionRowCount() < 2)
        return;
    std::unique_ptr<ConditionRowControls> row = std::move(m_rows.back());
    m_rows.pop_back();
    // Its button may be the one being clicked: the controls go once the click is over.
    for (QWidget* widget : {static_cast<QWidget*>(row->joiner), static_cast<QWidget*>(row->choice), row->line,
                            static_cast<QWidget*>(row->reading)}) {
        widget->hide();
        widget->deleteLater();
    }
    fitConditionRows();
}

std::optional<std::vector<ConditionSpec>> TFormGen::readConditions() {
    std::vector<ConditionSpec> conditions;
    for (const auto& row : m_rows) {
        if (row->choice->currentIndex() < 0)
            return std::nullopt;
        const std::string values[] = {row->value->text().trimmed().toStdString(),
                                      row->minutes->text().trimmed().toStdString()};
        std::string error;
        const auto spec = ConditionFromFields(kindOf(*row), values, error);
        if (!spec) {
            dialogs().Error(QString::fromStdString(error));
            return std::nullopt;
        }
        conditions.push_back(*spec);
    }
    return conditions;
}

void TFormGen::probeConditions() {
    for (const auto& row : m_rows)
        probeCondition(*row);
}

void TFormGen::stopProbes() {
    m_probeTimer->stop();
    for (const auto& row : m_rows) {
        row->probe.reset();
        row->probeFailure.clear();
    }
}

void TFormGen::probeCondition(ConditionRowControls& row) {
    row.probe.reset();
    row.probeFailure.clear();
    const AgendaEntry* entry = armed();
    // Armed conditions show the planner's own readings; a chosen one is read only while it is in view.
    if ((entry && entry->isConditional()) || !RadioButton4->isChecked() || !isVisible() ||
        row.choice->currentIndex() < 0) {
        showReading();
        return;
    }
    // A reading of the chosen kind, whatever its limits: the condition as typed is read when it is set.
    const ConditionKind kind = kindOf(row);
    const std::string value = row.value->text().trimmed().toStdString();
    const std::vector<std::string> values =
        choosesProgram(row) ? std::vector{value} : std::vector<std::string>{"1", "1"};
    std::string error;
    const auto probe =
        choosesProgram(row) && value.empty() ? std::nullopt : ConditionFromFields(kind, values, error);
    if (!probe) {
        showReading();
        return;
    }
    row.probe = std::make_unique<ConditionWatch>(platform().activity(), std::vector<ConditionSpec>{*probe},
                                                 [this] { showReading(); });
    ConditionWatch* watch = row.probe.get();
    ConditionRowControls* probed = &row;
    watch->Start(
        platform().clock().elapsedMs(), [this, probed, watch, spec = *probe](const std::string& failure) {
            if (probed->probe.get() != watch)
                return;
            // The system's reason alone: the probe's own limits are none of the user's concern.
            const std::string limits = FillIn(Translate("Conditions", "cannot tell %1: %2"),
                                              {DescribeCondition(spec), std::string_view()});
            probed->probeFailure = failure.rfind(limits, 0) == 0 ? failure.substr(limits.size()) : failure;
            if (failure.empty() && !m_probeTimer->isActive())
                m_probeTimer->start();
            showReading();
        });
}

void TFormGen::showReading() {
    const AgendaEntry* entry = armed();
    const bool conditional = entry && entry->isConditional();
    const std::vector<std::string> readings =
        conditional ? m_planner.conditionReadings() : std::vector<std::string>();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ConditionRowControls& row = *m_rows[i];
        std::string text;
        if (conditional) {
            // More armed than rows never happens; were it to, the last row would show the rest as well.
            for (std::size_t r = i; r < readings.size() && (r == i || i + 1 == m_rows.size()); ++r)
                text = r == i ? readings[r] : FillIn(Translate("Conditions", "%1; %2"), {text, readings[r]});
        } else if (!row.probeFailure.empty()) {
            text = tr("not offered: %1").arg(QString::fromStdString(row.probeFailure)).toStdString();
        } else if (row.probe) {
            text = row.probe->LiveReading();
        }
        row.reading->setText(QString::fromStdString(text));
        row.reading->setToolTip(row.reading->text());
    }
}

std::int32_t TFormGen::selectedCode(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

void TFormGen::SpeedButton1Click() {
    if (auto task = TaskFromCode(selectedCode(ComboBox1)))
        task->Run();
}

void TFormGen::SpeedButton2Click() {
    SpeedButton2->setText(SpeedButton2->text() == tr("AM") ? tr("PM") : tr("AM"));
}

std::optional<std::int32_t> TFormGen::readInteger(QLineEdit* edit) {
    static const QRegularExpression wholeNumber("^\\s*[+-]?[0-9]+\\s*$");
    bool ok = false;
    const QString text = edit->text();
    const int value = wholeNumber.match(text).hasMatch() ? text.trimmed().toInt(&ok) : 0;
    if (!ok) {
        dialogs().Error(tr("'%1' is not a valid integer value").arg(text));
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

std::optional<std::int32_t> TFormGen::readDelay() {
    const auto fields = readHourMinuteSecond(Edit1, Edit2, Edit3);
    if (!fields)
        return std::nullopt;
    const auto [h, m, s] = *fields;
    // A delay below zero would never count down to its moment, one beyond the counter's range would
    // wrap: neither may be confirmed as set.
    const long long total = h * 3600LL + m * 60LL + s;
    if (total < 0) {
        dialogs().Error(tr("The delay must not be negative"));
        return std::nullopt;
    }
    if (total > std::numeric_limits<std::int32_t>::max()) {
        dialogs().Error(tr("The delay is too long"));
        return std::nullopt;
    }
    return std::int32_t(total);
}

std::optional<std::array<std::int32_t, 3>> TFormGen::readTimeOfDay() {
    // All three fields are read before any is stored, so a typing error cannot leave an armed action
    // with a new hour and its old minute.
    const auto fields = readHourMinuteSecond(Edit4, Edit5, Edit6);
    if (!fields)
        return std::nullopt;
    const auto [h, m, s] = *fields;
    const std::int32_t hour = HourOf12HourClock(h, SpeedButton2->text() == tr("PM"));
    if (hour < 0 || hour > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
        dialogs().Error(tr("The time of day must lie between 12:00:00 AM and 11:59:59 PM"));
        return std::nullopt;
    }
    return std::array<std::int32_t, 3>{hour, m, s};
}

std::optional<CommandRequest> TFormGen::readShownAction() {
    CommandRequest request;
    request.taskCode = selectedCode(ComboBox2);
    if (RadioButton2->isChecked()) {
        const auto total = readDelay();
        if (!total)
            return std::nullopt;
        if (*total == 0) {
            dialogs().Error(tr("A quick action waits at least one second"));
            return std::nullopt;
        }
        request.verb = CommandRequest::Verb::In;
        request.seconds = *total;
    } else if (RadioButton3->isChecked()) {
        const auto time = readTimeOfDay();
        if (!time)
            return std::nullopt;
        request.verb = CommandRequest::Verb::At;
        request.hour = (*time)[0];
        request.minute = (*time)[1];
        request.second = (*time)[2];
    } else if (RadioButton4->isChecked()) {
        auto conditions = readConditions();
        if (!conditions)
            return std::nullopt;
        request.verb = CommandRequest::Verb::When;
        request.conditions = std::move(*conditions);
    } else {
        return std::nullopt;
    }
    return request;
}

void TFormGen::SaveQuickClick() {
    if (!m_quickStore)
        return;
    if (ComboBox2->currentIndex() < 0 || RadioButton1->isChecked()) {
        dialogs().Error(tr("Choose an action and After, At or When first"));
        return;
    }
    const auto request = readShownAction();
    if (!request)
        return;

    QDialog ask(this);
    ask.setObjectName("QuickNameDialog");
    ask.setWindowTitle(tr("Save as quick action"));
    auto* layout = new QVBoxLayout(&ask);
    layout->addWidget(new QLabel(tr("Name in the tray's \"Quick actions\":"), &ask));
    auto* name = new QLineEdit(&ask);
    name->setObjectName("QuickName");
    name->setMaxLength(int(MaxQuickNameLength));
    name->setText(QString::fromStdString(QuickActionCommand(*request)).remove(QRegularExpression("^--")));
    name->selectAll();
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialogs().RunModal(ask) != 1)
        return;

    std::string error;
    const std::string clean = CleanQuickName(name->text().toStdString(), error);
    if (clean.empty()) {
        dialogs().Error(QString::fromStdString(error));
        return;
    }
    std::vector<QuickAction> actions = m_quickStore->quickActions();
    const int existing = FindQuickAction(actions, clean);
    if (existing >= 0) {
        if (dialogs().Question(tr("Replace the quick action \"%1\"?").arg(QString::fromStdString(clean)),
                               tr("Save as quick action")) != 1)
            return;
        actions[std::size_t(existing)].request = *request;
    } else if (int(actions.size()) >= MaxQuickActions) {
        dialogs().Error(tr("There are already %1 quick actions; delete one on the Option page first")
                            .arg(MaxQuickActions));
        return;
    } else {
        actions.push_back({clean, *request});
    }
    if (!m_quickStore->SetQuickActions(std::move(actions), error))
        dialogs().Error(QString::fromStdString(error));
    else
        dialogs().Message(tr("Saved as quick action \"%1\"").arg(QString::fromStdString(clean)));
}

void TFormGen::SetQuickActionStore(Settings* settings) {
    m_quickStore = settings;
    SaveQuick->setVisible(settings != nullptr);
}

void TFormGen::SpeedButton3Click() {
    if (ComboBox2->currentIndex() < 0)
        return;

    if (RadioButton2->isChecked()) {
        const auto total = readDelay();
        if (!total)
            return;
        if (!mayChangeArmed(tr("replace the armed action")))
            return;
        m_planner.armAfter(ActionSource::GeneralPage, selectedCode(ComboBox2), *total);
        dialogs().Message(tr("set successfully"));
    } else if (RadioButton3->isChecked()) {
        const auto time = readTimeOfDay();
        if (!time)
            return;
        const auto [hour, m, s] = *time;
        if (!mayChangeArmed(tr("replace the armed action")))
            return;
        m_planner.armAt(ActionSource::GeneralPage, selectedCode(ComboBox2), hour, m, s);
        dialogs().Message(tr("set successfully"));
    } else if (RadioButton4->isChecked()) {
        auto conditions = readConditions();
        if (!conditions || !mayChangeArmed(tr("replace the armed action")))
            return;
        // Armed once its first reading is in; a condition the system cannot tell is refused with the reason.
        QPointer<TFormGen> page(this);
        m_planner.armWhen(ActionSource::GeneralPage, selectedCode(ComboBox2), std::move(*conditions),
                          [page](const std::string& failure) {
                              if (!page)
                                  return;
                              if (failure.empty())
                                  dialogs().Message(tr("set successfully"));
                              else
                                  dialogs().Error(QString::fromStdString(failure));
                          });
    } else if (mayChangeArmed(tr("cancel the armed action"))) {
        m_planner.disarmGeneral();
    }
}

bool TFormGen::mayChangeArmed(const QString& what) {
    return !armed() || !m_guard || AskPassword(*m_guard, what, this);
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
        // Every armed condition has its row, so that Set arms them all again.
        const std::vector<ConditionSpec>& conditions = timing.conditions;
        while (m_rows.size() < conditions.size())
            addConditionRow();
        while (m_rows.size() > conditions.size())
            removeLastConditionRow();
        RadioButton4->setChecked(true);
        for (std::size_t i = 0; i < conditions.size(); ++i) {
            ConditionRowControls& row = *m_rows[i];
            const ConditionSpec& condition = conditions[i];
            row.choice->setCurrentIndex(row.choice->findData(int(condition.kind)));
            row.value->setText(QString::fromStdString(FieldValueText(condition, 0)));
            if (RowOf(condition.kind).fieldCount() == 2)
                row.minutes->setText(QString::fromStdString(FieldValueText(condition, 1)));
        }
        selectTiming(RadioButton4);
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
        SpeedButton2->setText(timing.hour >= 12 ? tr("PM") : tr("AM"));
    }
}

} // namespace halvo
