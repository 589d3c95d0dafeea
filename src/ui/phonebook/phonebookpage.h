#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

// "&Phonebook": the contact list, the contact editor, the memory choice and the call buttons.
class PhonebookPage : public QWidget
{
    Q_OBJECT
public:
    explicit PhonebookPage(QWidget *parent = nullptr);

    // The pop-up behind the arrow beside "&Delete".
    void setDeleteMenu(QMenu *menu) { deleteMenu_ = menu; }

    QGroupBox *frmContacts;
    QListWidget *lstContacts;
    QGroupBox *Frame9;
    QLabel *Label5;
    QLineEdit *txtName;
    QLabel *Label6;
    QLineEdit *txtPhone;
    QPushButton *cmdSavePhone;
    QPushButton *cmdCreatePhone;
    QPushButton *cmdDeletePhone;
    QToolButton *cmdDelePhoneAdv;
    QPushButton *cmdExp;
    QPushButton *cmdImp;
    QGroupBox *frmPhonebookOptions;
    QRadioButton *optPhone;
    QRadioButton *optSIM;
    // Another phone's memories, in place of the two option buttons.
    QComboBox *cmbMemory;
    QGroupBox *Frame8;
    QPushButton *cmdPlaceCall;
    QPushButton *cmdSMSfromPhB;

private:
    void openDeleteMenu();

    QMenu *deleteMenu_ = nullptr;
};
