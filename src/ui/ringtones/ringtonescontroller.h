#pragma once

#include "ringtones/melodyuploader.h"

#include <QObject>

class MelodyPreview;
class PhoneLink;
class QLineEdit;
class PhoneMelodies;
class RingtonesPage;

// Binds the "&Ringtones" tab: the phone's melody list, the melody files of a folder, the slot
// box kept valid, the upload, the RTTTL import; the preview has a controller of its own.
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
    void cmdImportRtttl_Click();

    MelodyPreview *preview;

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
