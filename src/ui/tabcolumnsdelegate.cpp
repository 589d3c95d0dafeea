#include "tabcolumnsdelegate.h"

#include <QApplication>
#include <QPainter>

void TabColumnsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    const qsizetype tab = text.lastIndexOf(QLatin1Char('\t'));
    if (tab < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    // The background, selection and focus as for any row, without the text.
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 0, -2, 0);
    const int gap = item.fontMetrics.averageCharWidth() * 2;
    const int split = area.left() + area.width() * 11 / 20;
    const QRect left(area.left(), area.top(), split - area.left() - gap, area.height());
    const QRect right(split, area.top(), area.right() - split, area.height());

    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                             : QPalette::Text));
    const QString name = text.left(tab).replace(QLatin1Char('\t'), QLatin1Char(' '));
    painter->drawText(left, Qt::AlignLeft | Qt::AlignVCenter,
                      item.fontMetrics.elidedText(name, Qt::ElideRight, left.width()));
    painter->drawText(right, Qt::AlignLeft | Qt::AlignVCenter,
                      item.fontMetrics.elidedText(text.mid(tab + 1), Qt::ElideRight, right.width()));
    painter->restore();
}
