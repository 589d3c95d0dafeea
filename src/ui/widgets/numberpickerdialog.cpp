#include "numberpickerdialog.h"

#include "controls.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

NumberPickerDialog::NumberPickerDialog(const QString &objectName, const QString &title,
                                       const QString &listName, const QStringList &rows, NumberOf numberOf,
                                       QWidget *parent)
    : QDialog(parent), numberOf_(std::move(numberOf))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);

    rows_ = new QListWidget(this);
    rows_->setObjectName(listName);
    rows_->addItems(rows);
    // The dialog's title names the list, unless a dialog names it better.
    rows_->setAccessibleName(title);
    rows_->setAccessibleDescription(tr("Choosing a row and OK takes its number"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rows_);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("&OK"), tr("&Cancel")));
    resize(320, 360);

    connect(cmdOK, &QPushButton::clicked, this, &NumberPickerDialog::take);
    connect(rows_, &QListWidget::itemDoubleClicked, this, &NumberPickerDialog::take);
}

void NumberPickerDialog::take()
{
    // The focus can make a row current without selecting it; only a selected row counts.
    const QListWidgetItem *item = rows_->currentItem();
    number_ = item && item->isSelected() ? numberOf_(item->text()) : QString();
    accept();
}
