#include "FormProcessList.h"

#include "model/ProcessRoutines.h"
#include "platform/Platform.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FlatButton.h"
#include "toolkit/ReportList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

namespace halvo {

TFormProcessList::TFormProcessList(QWidget* parent) : QDialog(parent) {
    setObjectName("FormProcessList");
    setWindowTitle(tr("select the program"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    SetUpReportList(*ListView1, {tr("window"), tr("processId")}, {150, 100});

    Label_Notice = new QLabel(this);
    Label_Notice->setObjectName("Label_Notice");
    Label_Notice->setWordWrap(true);
    Label_Notice->hide();

    SpeedButton1 = makeFlatButton(this, "SpeedButton1", tr("OK"));
    SpeedButton1->setFixedSize(75, 25);
    SpeedButton2 = makeFlatButton(this, "SpeedButton2", tr("Cancel"));
    SpeedButton2->setFixedSize(75, 25);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { SpeedButton1Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addWidget(Label_Notice);
    layout->addLayout(buttons);
    setFixedSize(300, 320);

    FormCreate();
}

void TFormProcessList::FormCreate() {
    FillWindowList();
    SelectedProcessId = 0;
}

void TFormProcessList::FillWindowList() {
    DesktopWindows& desktop = platform().windows();
    const std::vector<WindowEntry> windows = CollectTopLevelWindows();
    ListView1->clear();
    // One row per process that the close-all action would end, for those we may query and read: the
    // module name only tells whether the process can be looked into, it is not shown. Our own windows are
    // left out: closing this program from its own schedule does nothing.
    const std::uint32_t ownProcessId = desktop.ownProcessId();
    ForEachRunEnd(windows, [&](std::size_t index, std::uint32_t processId) {
        if (processId == ownProcessId || desktop.programFile(processId).empty())
            return;
        auto* row = new QTreeWidgetItem(ListView1);
        row->setText(0, QString::fromStdString(windows[index].title));
        row->setText(1, QString::number(processId));
    });
    const std::string notice = desktop.listingNotice();
    Label_Notice->setText(QString::fromStdString(notice));
    Label_Notice->setVisible(!notice.empty());
}

void TFormProcessList::SpeedButton1Click() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        dialogs().Message(tr("please select item first"));
        return;
    }
    SelectedProcessId = selected.first()->text(1).toUInt();
    SelectedWindowText = selected.first()->text(0).toStdString();
    done(1);
}

void TFormProcessList::SpeedButton2Click() {
    done(2);
}

void TFormProcessList::done(int result) {
    QDialog::done(result == 1 ? 1 : 2);
}

} // namespace halvo
