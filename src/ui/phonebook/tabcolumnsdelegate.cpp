#include "tabcolumnsdelegate.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int Inset = 2; // on either side of the style's text area

// Room for the longest number a network dials (15 digits after the "+"), which grows with the
// font; the number's column is as wide, or 9/20 of the row when that is more.
int numberRoom(const QFontMetrics &metrics)
{
    return metrics.horizontalAdvance(QStringLiteral("+000000000000000"));
}

int gapOf(const QFontMetrics &metrics)
{
    return metrics.averageCharWidth() * 2;
}

} // namespace

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
        style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(Inset, 0, -Inset, 0);
    const int gap = gapOf(item.fontMetrics);
    const int split = area.right() - qMax(area.width() * 9 / 20, numberRoom(item.fontMetrics));
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

QSize TabColumnsDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QSize whole = QStyledItemDelegate::sizeHint(option, index);
    if (!item.text.contains(QLatin1Char('\t')))
        return whole;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // What the style keeps around the text, as paint() finds it.
    constexpr int Probe = 1000;
    item.rect = QRect(0, 0, Probe, whole.height());
    const int margins = Probe - style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).width();
    const QFontMetrics &metrics = item.fontMetrics;
    const int someOfTheName = metrics.averageCharWidth() * 8;
    return QSize(margins + 2 * Inset + someOfTheName + gapOf(metrics) + numberRoom(metrics), whole.height());
}
