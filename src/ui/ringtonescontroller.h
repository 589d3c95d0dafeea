#pragma once

#include "ringtones/melodyuploader.h"

#include <QObject>

class PhoneLink;
class QLineEdit;
class PhoneMelodies;
class RingtonesPage;

// Binds the "&Ringtones" tab: the phone's melody list, the melody files of a folder, the slot
// box kept valid, and the upload.
class RingtonesController : public QObject
{
    Q_OBJECT
public:
    RingtonesController(RingtonesPage &page, PhoneMelodies &melodies, PhoneLink &link, QWidget *window);

    // The handlers, as the controls call them.
    void cmdRefresh_Click();
    void cmdUpload_Click();
    void listRingtones_Click(int row);
    void txtReplace_Change();
    void FileMDY_Click();
    void cmdPath_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMelodies();

    RingtonesPage &page_;
    PhoneMelodies &melodies_;
    PhoneLink &link_;
    QWidget *window_;
    MelodyUploader uploader_;
    QLineEdit *replaceBox_ = nullptr;
};
