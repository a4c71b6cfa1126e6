#pragma once

// The saved quick actions, managed from the Option page: renamed in place, deleted, and put in the
// tray's order. Nothing is stored until OK; the names are checked then.

#include "model/QuickActions.h"

#include <QDialog>

#include <optional>
#include <vector>

class QToolButton;
class QTreeWidget;

namespace halvo {

class QuickActionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuickActionsDialog(const std::vector<QuickAction>& actions, QWidget* parent = nullptr);

    QTreeWidget* QuickList; // name (editable) and action, in the tray's order
    QToolButton* RenameButton;
    QToolButton* DeleteButton;
    QToolButton* UpButton;
    QToolButton* DownButton;

    void RenameClick();
    void DeleteClick();
    // The chosen one a place up (-1) or down (1).
    void MoveClick(int step);

    // The list as shown, or nothing, with error set, when a name is empty, too long or given twice.
    std::optional<std::vector<QuickAction>> actions(std::string& error) const;

private:
    void updateButtons();

    std::vector<QuickAction> m_original;
};

} // namespace halvo
