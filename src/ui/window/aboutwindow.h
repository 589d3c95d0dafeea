#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

// Name, version, year and credits, with the motto and the name bouncing sideways. Positions
// are kept in twips so the bounce keeps its proportions.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    void tick();
    int pantaLeft() const { return pantaLeft_; }
    int mainLeft() const { return mainLeft_; }

    // The address the mail line writes to.
    static QUrl mailUrl();

    bool hinpanta = false; // moving right
    bool hinmain = true;
    QTimer Timer1; // 80 ms

    QLabel *labPanta;
    QLabel *labMain;
    QLabel *labVersion;
    QLabel *labCredits;
    QLabel *labMail;
    QPushButton *cmdOK;

private:
    void place();

    int pantaLeft_ = 1500;
    int mainLeft_ = 900;
};
