#include "QuickActionsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace halvo {

namespace {
constexpr int IndexRole = Qt::UserRole; // the item's place in the list the dialog was given
}

QuickActionsDialog::QuickActionsDialog(const std::vector<QuickAction>& actions, QWidget* parent)
    : QDialog(parent), m_original(actions) {
    setObjectName("QuickActionsDialog");
    setWindowTitle(tr("Quick actions"));
    QuickList = new QTreeWidget(this);
    QuickList->setObjectName("QuickList");
    QuickList->setHeaderLabels({tr("Name"), tr("Action")});
    QuickList->setRootIsDecorated(false);
    QuickList->setSelectionMode(QAbstractItemView::SingleSelection);
    QuickList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    QuickList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        auto* item =
            new QTreeWidgetItem(QuickList, {QString::fromStdString(actions[i].name),
                                            QString::fromStdString(QuickActionCommand(actions[i].request))});
        item->setData(0, IndexRole, int(i));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return b;
    };
    RenameButton = button("RenameButton", tr("Rename"));
    DeleteButton = button("DeleteButton", tr("Delete"));
    UpButton = button("UpButton", tr("Move up"));
    DownButton = button("DownButton", tr("Move down"));
    connect(RenameButton, &QToolButton::clicked, this, &QuickActionsDialog::RenameClick);
    connect(DeleteButton, &QToolButton::clicked, this, &QuickActionsDialog::DeleteClick);
    connect(UpButton, &QToolButton::clicked, this, [this] { MoveClick(-1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { MoveClick(1); });
    connect(QuickList, &QTreeWidget::currentItemChanged, this, &QuickActionsDialog::updateButtons);

    auto* side = new QVBoxLayout;
    for (QToolButton* b : {RenameButton, DeleteButton, UpButton, DownButton})
        side->addWidget(b);
    side->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(QuickList, 1);
    row->addLayout(side);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    resize(460, 260);
    if (QuickList->topLevelItemCount() > 0)
        QuickList->setCurrentItem(QuickList->topLevelItem(0));
    updateButtons();
}

void QuickActionsDialog::updateButtons() {
    const int at = QuickList->indexOfTopLevelItem(QuickList->currentItem());
    const int count = QuickList->topLevelItemCount();
    RenameButton->setEnabled(at >= 0);
    DeleteButton->setEnabled(at >= 0);
    UpButton->setEnabled(at > 0);
    DownButton->setEnabled(at >= 0 && at + 1 < count);
}

void QuickActionsDialog::RenameClick() {
    if (QTreeWidgetItem* item = QuickList->currentItem())
        QuickList->editItem(item, 0);
}

void QuickActionsDialog::DeleteClick() {
    delete QuickList->currentItem();
    updateButtons();
}

void QuickActionsDialog::MoveClick(int step) {
    const int at = QuickList->indexOfTopLevelItem(QuickList->currentItem());
    const int to = at + step;
    if (at < 0 || to < 0 || to >= QuickList->topLevelItemCount())
        return;
    QTreeWidgetItem* item = QuickList->takeTopLevelItem(at);
    QuickList->insertTopLevelItem(to, item);
    QuickList->setCurrentItem(item);
    updateButtons();
}

std::optional<std::vector<QuickAction>> QuickActionsDialog::actions(std::string& error) const {
    std::vector<QuickAction> result;
    for (int i = 0; i < QuickList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = QuickList->topLevelItem(i);
        const std::string name = CleanQuickName(item->text(0).toStdString(), error);
        if (name.empty())
            return std::nullopt;
        if (FindQuickAction(result, name) >= 0) {
            error = tr("The name \"%1\" is given twice").arg(QString::fromStdString(name)).toStdString();
            return std::nullopt;
        }
        result.push_back({name, m_original.at(std::size_t(item->data(0, IndexRole).toInt())).request});
    }
    return result;
}

} // namespace halvo
