#pragma once

#include <QList>
#include <QStringList>

class QTreeWidget;

namespace halvo {

// The report-style list of the picker and the Schedule page: columns with fixed captions and widths,
// grid lines, one selectable row, no sorting, no root decoration and no editing in place (an edited
// caption would change the shown text and nothing else).
void SetUpReportList(QTreeWidget& list, const QStringList& captions, const QList<int>& widths);

} // namespace halvo
