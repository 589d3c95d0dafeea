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
};
