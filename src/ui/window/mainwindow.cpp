#include "mainwindow.h"

#include "phonebook/phonebook.h"
#include "ui/phonebook/phonebookcontroller.h"

#include "aboutwindow.h"
#include "devicedialog.h"
#include "historywindow.h"
#include "info/deviceinfo.h"
#include "link/phonelink.h"
#include "programinfo.h"
#include "programstate.h"
#include "recording/linerecorder.h"
#include "ringtones/phonemelodies.h"
#include "sms/arrivingmessages.h"
#include "sms/shortmessages.h"
#include "statuswindow.h"
#include "twips.h"
#include "ui/backup/backupcontroller.h"
#include "ui/info/infospage.h"
#include "ui/phonebook/phonebookpage.h"
#include "ui/remote/remotecontrolcontroller.h"
#include "ui/remote/remotecontrolpage.h"
#include "ui/ringtones/ringtonescontroller.h"
#include "ui/ringtones/ringtonespage.h"
#include "ui/sms/createsmscontroller.h"
#include "ui/sms/createsmspage.h"
#include "ui/sms/newmessagenotices.h"
#include "ui/sms/servicecentredialog.h"
#include "ui/sms/viewsmscontroller.h"
#include "ui/sms/viewsmspage.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/filelist.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace {

struct TabEntry
{
    const char *key;
    const char *caption;
};
// In the order of TabLoader's numbers.
constexpr TabEntry Tabs[] = {
    {"tabRingtones", QT_TRANSLATE_NOOP("MainWindow", "&Ringtones")},
    {"tabPhonebook", QT_TRANSLATE_NOOP("MainWindow", "&Phonebook")},
    {"tabSMS", QT_TRANSLATE_NOOP("MainWindow", "&View SMS")},
    {"tabSendSMS", QT_TRANSLATE_NOOP("MainWindow", "&Create/Send SMS")},
    {"tabInfo", QT_TRANSLATE_NOOP("MainWindow", "&Infos")},
    {"tabRemoteControl", QT_TRANSLATE_NOOP("MainWindow", "Rem&ote Control")},
};

QAction *namedAction(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *namedMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// A status value: sunken, coloured, wide enough for the longest text it shows.
QLabel *statusValue(const char *name, const QString &text, const QStringList &texts)
{
    QLabel *value = Controls::label(name, text);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    int width = 0;
    for (const QString &candidate : texts)
        width = qMax(width, value->fontMetrics().horizontalAdvance(candidate));
    value->setMinimumWidth(width + 16);
    Controls::paintBackground(value, Controls::lightBlue());
    return value;
}

// A word-wrapped note whose lines at its width are its minimum height: a window does not grow
// for a label's height for width by itself, and would cut the page above instead.
class NoteLabel : public QLabel
{
public:
    QSize minimumSizeHint() const override
    {
        QSize size = QLabel::minimumSizeHint();
        size.setHeight(qMax(size.height(), heightForWidth(width())));
        return size;
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            updateGeometry();
    }
};

QLabel *note(const char *name)
{
    auto *label = new NoteLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->hide();
    return label;
}

// The stored coordinate in pixels, or nothing when it cannot be a place on any screen.
std::optional<int> pixelsFromTwips(double twips)
{
    constexpr double Limit = 1e6; // pixels; far beyond any desktop, far within int
    if (!std::isfinite(twips) || std::abs(twips / Twips::PerPixel) > Limit)
        return std::nullopt;
    return Twips::toPixels(twips);
}

// Whether a person could reach the title bar of a window of this width at place.
bool titleBarOnAScreen(const QPoint &place, int width)
{
    constexpr int TitleBarHeight = 24;
    constexpr int GraspableWidth = 48;
    const QRect titleBar(place, QSize(width, TitleBarHeight));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = titleBar.intersected(screen->availableGeometry());
        if (visible.width() >= qMin(GraspableWidth, width) && visible.height() > 0)
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(PhoneLink &link, DeviceInfo &info, Phonebook &phonebook, ShortMessages &sms,
                       PhoneMelodies &melodies, QWidget *parent)
    : QMainWindow(parent), link_(link), info_(info), phonebook_(phonebook), sms_(sms), melodies_(melodies)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("%1 v%2 - Trium Mars manager by %3")
                       .arg(ProgramInfo::name(), ProgramInfo::version(), ProgramInfo::authors()));

    buildPages();
    buildStatusStrip();
    buildMenus();

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setSpacing(0);
    layout->addWidget(tabMain);
    layout->addWidget(frmTabs, 1);
    layout->addSpacing(6);
    layout->addWidget(Frame4);
    setCentralWidget(central);

    frmStatus = new StatusWindow(link_.lock, this);
    progress_ = std::make_unique<DialogProgress>(*frmStatus);
    link_.lock.setMessageBoxes(boxes_);
    link_.lock.setProgressWindow(progress_.get());

    programState = new ProgramState(link_.lock, *this, *labProgState, this);
    programState->timProgState.start();

    timKeyPressed.setObjectName(QStringLiteral("timKeyPressed"));
    timKeyPressed.setInterval(1000);
    timKeySave.setObjectName(QStringLiteral("timKeySave"));
    timKeySave.setInterval(1000);

    // A message that arrives while the window is open is told and listed.
    arrivals = new ArrivingMessages(link_.codes, link_.exchange, link_.lock, sms_, this);
    arrivals->setActive(true);
    link_.supervisor.setNewMessageIndications(true);
    newMessageNotices = new NewMessageNotices(*arrivals, sms_, link_, this);

    chooseRecordingFile = [this] { return askForRecordingFile(); };
    listSerialPorts = &Platform::serialPorts;
    connectLink();
    showRecording();
}

MainWindow::~MainWindow()
{
    // The link may outlive the window; it must not reach what is gone.
    if (link_.lock.messageBoxes() == boxes_)
        link_.lock.setMessageBoxes(nullptr);
    link_.lock.setProgressWindow(nullptr);
    link_.tabs.setLoader(TabLoader::Infos, nullptr);
    link_.tabs.setLoader(TabLoader::Phonebook, nullptr);
    link_.tabs.setLoader(TabLoader::ViewSMS, nullptr);
    link_.tabs.setLoader(TabLoader::Ringtones, nullptr);
}

void MainWindow::buildPages()
{
    tabMain = new QTabBar;
    tabMain->setObjectName(QStringLiteral("tabMain"));
    tabMain->setExpanding(false);
    for (const TabEntry &tab : Tabs) {
        const int index = tabMain->addTab(tr(tab.caption));
        tabMain->setTabData(index, QString::fromLatin1(tab.key));
    }

    frmTabs = new QStackedWidget;
    frmTabs->setObjectName(QStringLiteral("frmTabs"));
    frmTabs->setFrameShape(QFrame::StyledPanel);
    ringtones = new RingtonesPage;
    phonebook = new PhonebookPage;
    viewSms = new ViewSmsPage;
    createSms = new CreateSmsPage;
    infos = new InfosPage;
    remoteControl = new RemoteControlPage;
    for (QWidget *page :
         std::initializer_list<QWidget *>{ringtones, phonebook, viewSms, createSms, infos, remoteControl})
        frmTabs->addWidget(page);
}

void MainWindow::buildStatusStrip()
{
    Frame4 = new QFrame;
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Label3 = Controls::label("Label3", tr("Program State:"));
    QStringList states;
    for (int code = OperationLock::NoPhone; code <= OperationLock::UploadingSMS; ++code)
        states.append(OperationLock::stateText(static_cast<qint16>(code)));
    labProgState = statusValue("labProgState", tr("Busy"), states);
    //: The program state's name for a screen reader: the caption beside it and the state.
    Controls::makeStateLabel(labProgState, tr("Program State: %1"),
                             tr("What Quenda is doing with the phone; the controls that start another "
                                "operation are locked meanwhile"));
    Label4 = Controls::label("Label4", tr("Connection State:"));
    labState = statusValue("labState", tr("Not Connected"), {tr("Not Connected"), tr("Connected")});
    //: The connection state's name for a screen reader: the caption beside it and the state.
    Controls::makeStateLabel(labState, tr("Connection State: %1"), QString());

    labLoadHeld = note("labLoadHeld");
    labLoadHeld->setAlignment(Qt::AlignCenter);
    labLacking = note("labLacking");
    labLacking->setAlignment(Qt::AlignCenter);
    labLacking->hide();
    labRecording = Controls::label("labRecording", QString());
    labRecording->hide();
    labLineHint = note("labLineHint");

    auto *strip = new QVBoxLayout(Frame4);
    strip->setContentsMargins(0, 0, 0, 0);
    auto *stateRow = new QHBoxLayout;
    stateRow->addWidget(Label3);
    stateRow->addWidget(labProgState);
    stateRow->addStretch();
    stateRow->addWidget(Label4);
    stateRow->addWidget(labState);
    strip->addLayout(stateRow);
    // The notes below the states, where they have the window's width to wrap in.
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(labLoadHeld, 1);
    noteRow->addWidget(labLacking, 1);
    noteRow->addWidget(labRecording);
    noteRow->addWidget(labLineHint, 2);
    strip->addLayout(noteRow);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *file = namedMenu(bar, "menFile", tr("&File"));
    menBackup = namedAction(file, "menBackup", tr("Back Up Phone..."));
    backupController = new BackupController(link_, this);
    connect(menBackup, &QAction::triggered, backupController, &BackupController::backUp);
    file->addSeparator();
    menExit = namedAction(file, "menExit", tr("E&xit Program"));
    connect(menExit, &QAction::triggered, this, &QWidget::close);

    QMenu *settings = namedMenu(bar, "menSettings", tr("Se&ttings"));
    QMenu *ports = settings->addMenu(tr("Com Port"));
    ports->setObjectName(QStringLiteral("menComPort"));
    for (int n = 1; n <= int(menCom.size()); ++n) {
        QAction *port = namedAction(ports, QStringLiteral("menCom%1").arg(n).toLatin1().constData(),
                                    //: A serial port in Settings, Com Port; the number is the port's.
                                    tr("Com %1").arg(n));
        port->setCheckable(true);
        // The tick follows the link, not the click: a click on the ticked port keeps it.
        connect(port, &QAction::triggered, this, [this, n] {
            link_.chooseComPort(n);
            tickComPort(link_.tickedComPort());
        });
        menCom[n - 1] = port;
    }
    ports->setToolTipsVisible(true);
    connect(ports, &QMenu::aboutToShow, this, &MainWindow::describePorts);
    menDevice = namedAction(settings, "menDevice", tr("Device..."));
    connect(menDevice, &QAction::triggered, this, &MainWindow::chooseDevice);
    menRecord = namedAction(settings, "menRecord", tr("Record the Line..."));
    menRecord->setCheckable(true);
    connect(menRecord, &QAction::triggered, this, &MainWindow::toggleRecording);
    connect(&link_.recorder, &LineRecorder::stopped, this, [this](const QString &reason) {
        showRecording();
        boxes_->inform(reason, tr("Warning"));
    });
    menEnglish = namedAction(settings, "menEnglish", tr("Keep &English"));
    menEnglish->setCheckable(true);
    menEnglish->setChecked(link_.settings.keepEnglish());
    connect(menEnglish, &QAction::triggered, this, [this](bool keep) {
        link_.settings.setKeepEnglish(keep);
        boxes_->inform(keep ? tr("Quenda shows its texts in English from its next start.")
                            : tr("Quenda shows its texts in the desktop's language from its next start."),
                       tr("Language"));
    });
    menReset = namedAction(settings, "menReset", tr("Reset Program"));

    QMenu *help = namedMenu(bar, "menHelp", tr("&Help"));
    menHilfe = namedAction(help, "menHilfe", tr("Help", "item of the Help menu, and the title of its box"));
    menVersion = namedAction(help, "menVersion", tr("Version History"));
    menTrennlinie = help->addSeparator();
    menTrennlinie->setObjectName(QStringLiteral("menTrennlinie"));
    menAbout = namedAction(help, "menAbout", tr("About", "item of the Help menu: opens the About box"));
    connect(menHilfe, &QAction::triggered, this, &MainWindow::showHelp);
    connect(menVersion, &QAction::triggered, this, &MainWindow::showHistory);
    connect(menAbout, &QAction::triggered, this, &MainWindow::showAbout);

    QMenu *phonebookMenu = namedMenu(bar, "menPhonebook", tr("Phonebook"));
    phonebookMenu->menuAction()->setVisible(false);
    menExport = namedAction(phonebookMenu, "menExport", tr("Export Phonebook"));
    menImport = namedAction(phonebookMenu, "menImport", tr("Import Phonebook"));

    // Its title is a name that never shows: the menu only pops up beside "&Delete".
    menPhoneDele = namedMenu(bar, "menPhoneDele", QStringLiteral("PhoneDele"));
    menPhoneDele->menuAction()->setVisible(false);
    menPhoneDeleAll = namedAction(menPhoneDele, "menPhoneDeleAll", tr("Delete All"));
    phonebook->setDeleteMenu(menPhoneDele);
}

void MainWindow::connectLink()
{
    connect(tabMain, &QTabBar::currentChanged, this, [this](int index) { link_.tabs.select(index + 1); });
    connect(&link_.tabs, &TabLoader::pageShown, this, [this](int k) {
        showPage(k);
        showLoadHeld();
    });
    connect(&link_.tabs, &TabLoader::heldChanged, this, &MainWindow::showLoadHeld);
    connect(&link_, &PhoneLink::comPortTicked, this, &MainWindow::tickComPort);
    connect(&link_, &PhoneLink::phonebookMemoryChosen, this, [this](bool sim) {
        if (sim)
            phonebook->optSIM->setChecked(true);
        else
            phonebook->optPhone->setChecked(true);
    });
    connect(&link_.supervisor, &Supervisor::connectionShown, this, &MainWindow::showConnection);
    connect(&link_, &PhoneLink::lineProblemChanged, this, &MainWindow::describeLine);

    link_.tabs.setLoader(TabLoader::Infos, [this] { info_.InfoDownload(); });
    link_.tabs.setLoader(TabLoader::Phonebook, [this] { phonebook_.LoadPhonebook(); });
    link_.tabs.setLoader(TabLoader::ViewSMS, [this] {
        if (phoneCan(TabLoader::ViewSMS))
            sms_.SMSDownload();
    });
    viewSmsController = new ViewSmsController(*viewSms, sms_, link_, this);
    link_.tabs.setLoader(TabLoader::Ringtones, [this] {
        if (phoneCan(TabLoader::Ringtones))
            melodies_.ReadMelodyList();
    });
    ringtonesController = new RingtonesController(*ringtones, melodies_, link_, this);
    connect(&melodies_, &PhoneMelodies::listRead, viewSmsController, &ViewSmsController::resetDisplay);
    createSmsController = new CreateSmsController(*createSms, link_, this);
    remoteControlController =
        new RemoteControlController(*remoteControl, link_, timKeyPressed, timKeySave, this);
    connect(createSms->cmdSMSC, &QPushButton::clicked, this, &MainWindow::showServiceCentres);
    phonebookController =
        new PhonebookController(*phonebook, *createSms, phonebook_, link_, menPhoneDeleAll, this);
    phonebookController->setShowMessageForm([this] { tabMain->setCurrentIndex(TabLoader::CreateSMS - 1); });
    connect(&info_, &DeviceInfo::changed, this, [this] { infos->showFields(info_.fields()); });
    infos->showFields(info_.fields());
}

void MainWindow::setMessageBoxes(MessageBoxes *boxes)
{
    boxes_ = boxes ? boxes : &dialogBoxes_;
    link_.lock.setMessageBoxes(boxes_);
}

void MainWindow::startUp()
{
    remoteControl->cmbLanguage->setCurrentIndex(
        remoteControl->cmbLanguage->findData(QStringLiteral("-Automatic-")));
    link_.beginStartUp();

    const Settings &settings = link_.settings;
    move(restoredPosition(settings.top(), settings.left()));

    ringtones->txtReplace->setText(settings.replace());
    if (settings.autosms())
        viewSms->chkAutoSMS->setChecked(true);
    if (!settings.path().isEmpty())
        ringtones->FileMDY->setPath(settings.path());
    createSms->txtServiceCenter->setText(settings.servicecenter());
    ringtones->captionFromFolder();

    link_.finishStartUp();
    // Without a tick now, a phone that answers within the first interval would leave the
    // label at "Busy" until the first operation long enough to be seen.
    programState->tick();
    describeLine();
}

QPoint MainWindow::restoredPosition(double topTwips, double leftTwips) const
{
    // -1 keeps the window's own coordinate.
    const std::optional<int> y = topTwips == -1 ? pos().y() : pixelsFromTwips(topTwips);
    const std::optional<int> x = leftTwips == -1 ? pos().x() : pixelsFromTwips(leftTwips);
    if (x && y && titleBarOnAScreen(QPoint(*x, *y), frameGeometry().width()))
        return QPoint(*x, *y);
    // Settings from another desktop, or damaged: where nobody could see or move the window.
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return pos();
    QRect frame = frameGeometry();
    frame.moveCenter(primary->availableGeometry().center());
    return QPoint(qMax(frame.left(), primary->availableGeometry().left()),
                  qMax(frame.top(), primary->availableGeometry().top()));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Settings &settings = link_.settings;
    settings.setReplace(ringtones->txtReplace->text());
    settings.setStarttab(link_.tabs.MintCurFrame);
    settings.setTop(Twips::fromPixels(pos().y()));
    settings.setLeft(Twips::fromPixels(pos().x()));
    settings.setServicecenter(createSms->txtServiceCenter->text());
    settings.setSim(phonebook->optSIM->isChecked());
    settings.sync();
    event->accept();
    emit programEnds();
}

void MainWindow::showLoadHeld()
{
    const bool held = link_.tabs.isHeld(link_.tabs.MintCurFrame);
    labLoadHeld->setText(held ? tr("The phone did not answer twice: show the tab again to reload.")
                              : QString());
    labLoadHeld->setVisible(held);
}

void MainWindow::showPage(int k)
{
    frmTabs->setCurrentIndex(k - 1);
    // Selecting the tab that is already current in the link does nothing there.
    tabMain->setCurrentIndex(k - 1);
    showLacking();
}

bool MainWindow::phoneCan(int tab) const
{
    return link_.supervisor.profile().lacking(tab).isEmpty();
}

void MainWindow::showLacking()
{
    // Every page of a phone that lacks its commands stays on show, greyed, with the reason.
    const PhoneProfile &phone = link_.supervisor.profile();
    for (int k = 1; k <= TabLoader::TabCount; ++k) {
        if (QWidget *page = frmTabs->widget(k - 1))
            page->setEnabled(phone.lacking(k).isEmpty());
    }
    const QString why = phone.lacking(frmTabs->currentIndex() + 1);
    labLacking->setText(why);
    labLacking->setVisible(!why.isEmpty());
}

void MainWindow::tickComPort(int port)
{
    for (int n = 1; n <= int(menCom.size()); ++n)
        menCom[n - 1]->setChecked(n == port);
}

void MainWindow::showConnection(bool connected)
{
    // Another phone than the Trium Mars is named, so the user sees which one Quenda found.
    const PhoneProfile &phone = link_.supervisor.profile();
    const QString named = phone.isTriumMars() || phone.name().isEmpty()
                              ? tr("Connected")
                              //: The connection state, with the name of the phone found.
                              : tr("Connected: %1").arg(phone.name());
    Controls::setState(labState, connected ? named : tr("Not Connected"));
    showLacking();
    Controls::paintBackground(labState, connected ? Controls::lightGreen() : Controls::lightBlue());
    describeLine();
}

void MainWindow::describeLine()
{
    const QString problem = link_.lineProblem();
    const QString line =
        problem.isEmpty() ? link_.lineDescription() : link_.lineDescription() + QLatin1Char('\n') + problem;
    labState->setToolTip(line);
    // The description would otherwise be the tooltip alone.
    //: What the connection state tells, for a screen reader; %1 is the line, as the state's tooltip shows it.
    labState->setAccessibleDescription(tr("Whether a phone answers, and which one. %1").arg(line));
    labLineHint->setText(problem);
    labLineHint->setVisible(!problem.isEmpty());
}

void MainWindow::toggleRecording()
{
    if (link_.recorder.isRecording()) {
        link_.recorder.stop();
    } else {
        const QString path = chooseRecordingFile();
        QString error;
        if (!path.isEmpty() && !link_.recorder.start(path, &error))
            boxes_->inform(tr("The line cannot be recorded in %1: %2").arg(path, error), tr("Warning"));
    }
    showRecording();
}

void MainWindow::showRecording()
{
    const bool recording = link_.recorder.isRecording();
    menRecord->setChecked(recording);
    labRecording->setText(recording ? tr("Recording the line to %1").arg(link_.recorder.path()) : QString());
    labRecording->setVisible(recording);
}

QString MainWindow::askForRecordingFile()
{
    // The patterns stay as they are; only the descriptions are words.
    return QFileDialog::getSaveFileName(
        this, tr("Record the Line"), QDir::home().filePath(QStringLiteral("quenda-line.trace")),
        QStringLiteral("%1 (*.trace);;%2 (*)").arg(tr("Line recordings"), tr("All files")));
}

void MainWindow::describePorts()
{
    for (int n = 1; n <= int(menCom.size()); ++n) {
        const QString device = link_.deviceForPort(n);
        menCom[n - 1]->setStatusTip(device);
        menCom[n - 1]->setToolTip(device);
    }
}

void MainWindow::chooseDevice()
{
    const int port = link_.line.portNumber();
    const QString inUse = link_.deviceForThisRun();
    DeviceDialog dialog(port, inUse.isEmpty() ? link_.settings.device(port) : inUse, listSerialPorts(), this);
    dialog.setSpeed(link_.line.baudRate());
    dialog.chkTextMode->setChecked(link_.settings.textModeOnly());
    // An OK that changes nothing keeps the connection.
    if (dialog.exec() == QDialog::Accepted) {
        const bool newSpeed = dialog.speed() != link_.line.baudRate();
        const bool newMode = dialog.chkTextMode->isChecked() != link_.settings.textModeOnly();
        if (newSpeed)
            link_.settings.setBaud(dialog.speed());
        if (newMode)
            link_.settings.setTextModeOnly(dialog.chkTextMode->isChecked());
        // The phone is greeted again, in the mode chosen.
        if (dialog.changed())
            link_.useDevice(dialog.device());
        else if (newSpeed || newMode)
            link_.resetConnection();
    }
    describePorts();
}

void MainWindow::showHelp()
{
    boxes_->inform(tr("There will be no Help. Never!"),
                   tr("Help", "item of the Help menu, and the title of its box"));
}

void MainWindow::showHistory()
{
    HistoryWindow history(this);
    history.exec();
}

void MainWindow::showAbout()
{
    AboutWindow about(this);
    about.exec();
}

void MainWindow::showServiceCentres()
{
    ServiceCentreDialog catalogue(this);
    // OK without a chosen row leaves the number as it was.
    if (catalogue.exec() == QDialog::Accepted && !catalogue.number().isEmpty())
        createSms->txtServiceCenter->setText(catalogue.number());
}
