#pragma once

#include <QObject>
#include <QString>

#include <functional>

class PhoneLink;
class QWidget;

// File, "Back Up Phone...": where the backup goes, then the backup under "Working...", then
// one box telling what went where.
class BackupController : public QObject
{
    Q_OBJECT
public:
    BackupController(PhoneLink &link, QWidget *window);

    void backUp();

    // Asks for the backup's folder; empty when the user gave none. A dialog, unless replaced.
    std::function<QString()> chooseFolder;

private:
    QString askForFolder() const;

    PhoneLink &link_;
    QWidget *window_;
};
