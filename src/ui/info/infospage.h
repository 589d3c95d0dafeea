#pragma once

#include "info/deviceinfo.h"

#include <QWidget>

class QGroupBox;
class QFormLayout;
class QLabel;
class QProgressBar;

// "&Infos": battery, phone, network and SIM as the phone last reported them.
class InfosPage : public QWidget
{
    Q_OBJECT
public:
    // The bar runs from 0 to 101 in steps finer than one: it holds hundredths.
    static constexpr int BarScale = 100;

    explicit InfosPage(QWidget *parent = nullptr);

    void showFields(const DeviceInfo::Fields &fields);
    // The bar's value on the 0 to 101 scale.
    double batteryBar() const;

    QGroupBox *Frame6;
    QProgressBar *prgBattery;
    QLabel *labBattery;
    QLabel *Label9;
    QLabel *Label8;
    QGroupBox *frmPhoneInfo;
    QLabel *Label1;
    QLabel *labManu;
    QLabel *Label10;
    QLabel *labModel;
    QGroupBox *frmNetinfo;
    QLabel *labOperatorlaba;
    QLabel *labOperator;
    QLabel *Label15;
    QLabel *labOpID;
    QLabel *Label13;
    QLabel *labNetState;
    QLabel *Label11;
    QLabel *labNet;
    QLabel *Label12;
    QLabel *labCell;
    QGroupBox *Frame10;
    QLabel *Label14;
    QLabel *labIMSI;
    QLabel *labRevisionCaption;
    QLabel *labRevision;
    QLabel *labImeiCaption;
    QLabel *labImei;
    QLabel *labSignalCaption;
    QLabel *labSignal;

private:
    QFormLayout *phoneForm_ = nullptr;
};
