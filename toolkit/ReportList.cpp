#include "ReportList.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace halvo {

namespace {

// QTreeWidget draws no grid of its own: each cell draws its right and bottom edge.
class GridLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
};

} // namespace

void SetUpReportList(QTreeWidget& list, const QStringList& captions, const QList<int>& widths) {
    list.setColumnCount(int(captions.size()));
    list.setHeaderLabels(captions);
    for (int i = 0; i < widths.size(); ++i)
        list.setColumnWidth(i, widths[i]);
    list.header()->setStretchLastSection(false);
    list.header()->setSectionsClickable(false);
    list.header()->setSectionsMovable(false);
    list.setSortingEnabled(false);
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setUniformRowHeights(true);
    list.setAllColumnsShowFocus(true);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setItemDelegate(new GridLineDelegate(&list));
}

} // namespace halvo
