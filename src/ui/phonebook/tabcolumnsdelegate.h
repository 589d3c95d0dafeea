#pragma once

#include <QStyledItemDelegate>

// Shows a "name TAB number" row as two columns: the text before the last TAB on the left,
// elided when long, the rest aligned at a column of its own. The row's text stays as it is.
class TabColumnsDelegate : public QStyledItemDelegate
{
public:
    explicit TabColumnsDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // Room for the number column and a few letters of the name, and no more: the row's text
    // with its TAB would make the list scroll sideways and push the numbers out of sight.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
