#include "servicecodedialog.h"

#include "ui/widgets/controls.h"

#include "remote/servicecodes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

ServiceCodeDialog::ServiceCodeDialog(const QString &what, Form form, int digits, const QString &current,
                                     QWidget *parent)
    : QDialog(parent), form_(form), digits_(digits)
{
    setObjectName(QStringLiteral("frmServiceCode"));
    setWindowTitle(tr("Service Code"));
    setModal(true);

    const bool language = form == Form::LanguageCode;
    labExplain = new QLabel(
        language
            ? tr("The phone maker's code for the language \"%1\": %2 digits, typed between *# and #.")
                  .arg(what, QString::number(digits))
            : tr("The phone maker's code for \"%1\": * and %2 digits.").arg(what, QString::number(digits)),
        this);
    labExplain->setObjectName(QStringLiteral("labExplain"));
    labExplain->setWordWrap(true);
    txtCode = new QLineEdit(current, this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setAccessibleName(tr("Code"));
    txtCode->setAccessibleDescription(labExplain->text());
    const QString pattern = language ? QStringLiteral("[0-9]{0,%1}") : QStringLiteral("\\*?[0-9]{0,%1}");
    txtCode->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern.arg(digits)), txtCode));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(labExplain);
    layout->addWidget(txtCode);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("OK"), tr("Cancel")));

    const auto check = [this] { cmdOK->setEnabled(fits()); };
    connect(txtCode, &QLineEdit::textChanged, this, check);
    check();
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (fits())
            accept();
    });
}

QString ServiceCodeDialog::code() const
{
    return txtCode->text();
}

bool ServiceCodeDialog::fits() const
{
    return form_ == Form::LanguageCode ? ServiceCodes::fitsLanguageCode(code())
                                       : ServiceCodes::fitsCode(code(), digits_);
}
