#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QListWidget;
class QPushButton;

// A list of rows with OK and Cancel: OK or a double click hands over the number the chosen
// row stands for.
class NumberPickerDialog : public QDialog
{
    Q_OBJECT
public:
    using NumberOf = std::function<QString(const QString &row)>;

    NumberPickerDialog(const QString &objectName, const QString &title, const QString &listName,
                       const QStringList &rows, NumberOf numberOf, QWidget *parent = nullptr);

    // The number of the row picked by OK; empty when no row was selected.
    QString number() const { return number_; }

    QPushButton *cmdOK;
    QPushButton *cmdCancel;

protected:
    QListWidget *rows_;

private:
    void take();

    NumberOf numberOf_;
    QString number_;
};
