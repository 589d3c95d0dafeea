#include "callingdialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CallingDialog::~CallingDialog()
{
    close();
}

void CallingDialog::open(const QString &number, std::function<void()> finished)
{
    close();
    auto *dialog = new QDialog(owner_);
    dialog->setObjectName(QStringLiteral("frmWaitCall"));
    dialog->setWindowTitle(tr("Calling..."));
    dialog->setModal(true);
    auto *labNummer = new QLabel(number, dialog);
    labNummer->setObjectName(QStringLiteral("labNummer"));
    labNummer->setAlignment(Qt::AlignCenter);
    auto *finish = new QPushButton(tr("Finish", "ends the call"), dialog);
    finish->setObjectName(QStringLiteral("cmdFinish"));
    finish->setDefault(true);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(labNummer);
    layout->addWidget(finish);
    // Closing it by its close box or Escape ends the call as "Finish" does.
    finished_ = QObject::connect(dialog, &QDialog::finished, dialog, [finished] { finished(); });
    QObject::connect(finish, &QPushButton::clicked, dialog, &QDialog::accept);
    dialog_ = dialog;
    dialog->show();
}

void CallingDialog::waitForFinish()
{
    if (dialog_ && dialog_->isVisible())
        dialog_->exec();
    close();
}

void CallingDialog::close()
{
    if (!dialog_)
        return;
    // Ended from here, not by the user: nothing to report back.
    QObject::disconnect(finished_);
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
}
