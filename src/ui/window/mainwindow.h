#pragma once

#include "dialogmessageboxes.h"

#include "link/platform.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class ArrivingMessages;
class BackupController;
class CreateSmsPage;
class DeviceInfo;
class Phonebook;
class ShortMessages;
class PhoneMelodies;
class RingtonesController;
class RemoteControlController;
class ViewSmsController;
class CreateSmsController;
class PhonebookController;
class DialogProgress;
class InfosPage;
class PhoneLink;
class PhonebookPage;
class ProgramState;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class RemoteControlPage;
class RingtonesPage;
class StatusWindow;
class NewMessageNotices;
class ViewSmsPage;

// frmMain: the six tabs, the status strip and the menus, driven by the phone link.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(PhoneLink &link, DeviceInfo &info, Phonebook &phonebook, ShortMessages &sms,
               PhoneMelodies &melodies, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Restores the window from the settings and looks for the phone at once.
    void startUp();

    // Where the program's messages go; nullptr brings back the window's own message boxes.
    void setMessageBoxes(MessageBoxes *boxes);
    MessageBoxes &messageBoxes() const { return *boxes_; }

    QTabBar *tabMain;
    QStackedWidget *frmTabs;
    RingtonesPage *ringtones;
    PhonebookPage *phonebook;
    ViewSmsPage *viewSms;
    CreateSmsPage *createSms;
    InfosPage *infos;
    RemoteControlPage *remoteControl;

    QFrame *Frame4;
    QLabel *Label3;
    QLabel *labProgState;
    QLabel *Label4;
    QLabel *labState;
    QLabel *labLoadHeld;  // why the tab on show is not loaded by itself any more
    QLabel *labLacking;   // why the phone cannot do what the tab on show does
    QLabel *labLineHint;  // why there is no phone, when something can be done about it
    QLabel *labRecording; // where the line is recorded to, while it is

    // Asks where to record the line; empty for no recording. A dialog, unless replaced.
    std::function<QString()> chooseRecordingFile;
    // The serial ports Settings, Device... offers; the system's, unless replaced.
    std::function<QList<Platform::SerialPortEntry>()> listSerialPorts;

    QAction *menBackup;
    QAction *menExit;
    std::array<QAction *, 4> menCom; // menCom1 to menCom4
    QAction *menDevice;
    QAction *menRecord;  // checked while the line is recorded
    QAction *menEnglish; // checked: English whatever the desktop's language, from the next start
    QAction *menReset;
    QAction *menHilfe;
    QAction *menVersion;
    QAction *menTrennlinie;
    QAction *menAbout;
    QAction *menExport;
    QAction *menImport;
    QMenu *menPhoneDele;
    QAction *menPhoneDeleAll;

    ProgramState *programState;
    PhonebookController *phonebookController;
    ViewSmsController *viewSmsController;
    RingtonesController *ringtonesController;
    RemoteControlController *remoteControlController;
    CreateSmsController *createSmsController;
    BackupController *backupController;
    ArrivingMessages *arrivals; // messages the phone tells of as they arrive
    NewMessageNotices *newMessageNotices;
    StatusWindow *frmStatus;
    QTimer timKeyPressed; // 1000 ms: the end key held down
    QTimer timKeySave;    // 1000 ms: "#" held down

signals:
    // The window has closed and stored its settings: the program ends.
    void programEnds();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPages();
    void buildStatusStrip();
    void buildMenus();
    void connectLink();

    // The stored position in twips (-1 keeps the window's own), or a place on the primary
    // screen when it would not put the title bar on any screen.
    QPoint restoredPosition(double topTwips, double leftTwips) const;
    void showLoadHeld();
    void showPage(int k);
    bool phoneCan(int tab) const;
    void showLacking();
    void tickComPort(int port);
    void showConnection(bool connected);
    void describeLine();
    void showHelp();
    void showHistory();
    void showAbout();
    void showServiceCentres();
    void chooseDevice();
    void toggleRecording();
    // The menu item and the status strip follow the recorder, also one started before the
    // window (--trace).
    void showRecording();
    QString askForRecordingFile();
    void describePorts();

    PhoneLink &link_;
    DeviceInfo &info_;
    Phonebook &phonebook_;
    ShortMessages &sms_;
    PhoneMelodies &melodies_;
    DialogMessageBoxes dialogBoxes_{this};
    MessageBoxes *boxes_ = &dialogBoxes_;
    std::unique_ptr<DialogProgress> progress_;
};
