#include "atspiclient.h"
#include "sessionbus.h"
#include "testenvironment.h"
#include "windowrig.h"

#include "ui/phonebook/phonebookpage.h"
#include "ui/sms/archivefiledialog.h"
#include "ui/sms/servicecentredialog.h"
#include "ui/window/devicedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <memory>
#include <optional>

static TestEnvironment environment;
static PrivateSessionBus bus;

namespace {

using Node = AtSpiClient::Node;

// One object of the accessibility tree, as a screen reader reads it.
struct Seen
{
    Node node;
    QString role;
    QString name;
    QString description;
    bool showing = false;
};

QString withoutMnemonic(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The name a control has by itself: its own accessible name, its caption, or the caption of the
// label whose buddy it is. The title of the frame around it does not count: Qt falls back to
// it, but "Contacts On SIM - 12 Free" does not say what a list is.
QString ownName(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return withoutMnemonic(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        QTextDocument document;
        document.setHtml(label->text());
        return Qt::mightBeRichText(label->text()) ? document.toPlainText() : label->text();
    }
    for (const QLabel *caption :
         control->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (caption->buddy() == control)
            return withoutMnemonic(caption->text());
    }
    return QString();
}

// The role name AT-SPI gives each kind of control.
QString roleOf(const QWidget *control)
{
    if (qobject_cast<const QRadioButton *>(control))
        return QStringLiteral("radio button");
    if (qobject_cast<const QCheckBox *>(control))
        return QStringLiteral("check box");
    if (qobject_cast<const QAbstractButton *>(control))
        return QStringLiteral("push button");
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QPlainTextEdit *>(control))
        return QStringLiteral("text");
    if (qobject_cast<const QTreeView *>(control))
        return QStringLiteral("tree");
    if (qobject_cast<const QAbstractItemView *>(control))
        return QStringLiteral("list");
    if (qobject_cast<const QComboBox *>(control))
        return QStringLiteral("combo box");
    if (qobject_cast<const QProgressBar *>(control))
        return QStringLiteral("progress bar");
    if (qobject_cast<const QLabel *>(control))
        return QStringLiteral("label");
    if (qobject_cast<const QTabBar *>(control))
        return QStringLiteral("page tab list");
    return QString();
}

// What a screen reader must be able to name: whatever takes the focus by Tab, every list, text
// box and combo box, and the sunken labels that tell a state.
bool isControl(const QWidget *widget)
{
    if (qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
        qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
        qobject_cast<const QProgressBar *>(widget))
        return true;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->frameShape() == QFrame::Panel || (label->focusPolicy() & Qt::TabFocus);
    return widget->focusPolicy() & Qt::TabFocus;
}

// A part of a control, as the header of a list, is the control's own business.
bool isPart(const QWidget *widget, const QWidget *root)
{
    for (const QWidget *outer = widget->parentWidget(); outer && outer != root;
         outer = outer->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(outer) || qobject_cast<const QComboBox *>(outer))
            return true;
    }
    return false;
}

QList<QWidget *> controlsOn(QWidget *root)
{
    QList<QWidget *> controls;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(root) && isControl(widget) && !isPart(widget, root))
            controls.append(widget);
    }
    return controls;
}

// The roles of the objects that are controls: each must answer with a name.
const QStringList ControlRoles = {"push button", "check box", "radio button", "text",         "list",
                                  "tree",        "combo box", "progress bar", "page tab",     "page tab list",
                                  "table",       "slider",    "spin button",  "toggle button"};

bool spoken(const QString &name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyControlAnswersByItsName_data();
    void everyControlAnswersByItsName();
    void theNamesThatMatterMost_data();
    void theNamesThatMatterMost();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void connectionStateIsReadAndAnnounced();

    void propertyChanged(const QDBusMessage &message);

private:
    // The objects below node, to the controls; the items of lists and menus are left out.
    QList<Seen> walk(const Node &node);
    void walkInto(const Node &node, QList<Seen> &seen);
    // The accessible object of a top-level window, by its title.
    std::optional<Node> windowNamed(const QString &title);
    bool showPage(int k);
    bool activate(QWidget *window);
    void checkControls(QWidget *root, QWidget *window);

    WindowRig *rig = nullptr;
    AtSpiClient a11y;
    Node app;
    QDBusConnection events{QString()};
    QList<QPair<QString, QString>> nameChanges; // path, and the property that changed
    int controlsChecked = 0;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(bus.isRunning());
    // Starts the accessibility bus, which the window's bridge then finds.
    QVERIFY(a11y.connect());
    rig = new WindowRig;
    QVERIFY(rig->started);
    rig->sim.state().simBook.insert(1, {"030111", 129, "Zora"});
    rig->sim.state().simBook.insert(2, {"(030) 99", 129, "Anna"});
    QVERIFY(rig->startAndConnect());
    std::optional<Node> found;
    QTRY_VERIFY_WITH_TIMEOUT((found = a11y.application(QCoreApplication::applicationName())).has_value(),
                             10000);
    app = *found;
}

void TestAccessibility::cleanupTestCase()
{
    qInfo("%d controls checked by name", controlsChecked);
    delete rig;
}

QList<Seen> TestAccessibility::walk(const Node &node)
{
    QList<Seen> seen;
    walkInto(node, seen);
    return seen;
}

void TestAccessibility::walkInto(const Node &node, QList<Seen> &seen)
{
    Seen object{node, a11y.roleName(node), a11y.name(node), a11y.description(node), a11y.isShowing(node)};
    seen.append(object);
    static const QStringList leaves = {"list", "tree", "combo box", "menu bar", "text", "page tab list"};
    if (leaves.contains(object.role))
        return;
    for (const Node &child : a11y.children(node))
        walkInto(child, seen);
}

std::optional<Node> TestAccessibility::windowNamed(const QString &title)
{
    for (const Node &window : a11y.children(app)) {
        if (a11y.name(window) == title)
            return window;
    }
    return std::nullopt;
}

bool TestAccessibility::showPage(int k)
{
    rig->link.tabs.select(k);
    return QTest::qWaitFor([&] { return rig->window.frmTabs->currentIndex() == k - 1; }) && rig->connected();
}

bool TestAccessibility::activate(QWidget *window)
{
    // Without a window manager nobody else gives a window the focus.
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Every control below root answers through AT-SPI by the name it has of its own, with its role,
// and no control of window answers with an empty name.
void TestAccessibility::checkControls(QWidget *root, QWidget *window)
{
    std::optional<Node> node;
    QTRY_VERIFY((node = windowNamed(window->windowTitle())).has_value());
    QList<Seen> pool;
    for (const Seen &object : walk(*node)) {
        if (object.showing)
            pool.append(object);
    }
    for (const Seen &object : pool) {
        if (ControlRoles.contains(object.role))
            QVERIFY2(!object.name.isEmpty(), qPrintable(object.role + QLatin1Char(' ') + object.node.path));
    }

    const QList<QWidget *> controls = controlsOn(root);
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        const QString what = control->objectName() + QLatin1Char(' ') + control->metaObject()->className();
        const QString name = ownName(control);
        QVERIFY2(!name.isEmpty(), qPrintable(what + QStringLiteral(" has no name of its own")));
        QVERIFY2(spoken(name), qPrintable(what + QStringLiteral(" is only a symbol: ") + name));
        const QString role = roleOf(control);
        QVERIFY2(!role.isEmpty(), qPrintable(what));
        const QString description = control->accessibleDescription();
        // Qt on Linux names a combo box by the item it shows: what the box is, its description tells.
        QString heard = name;
        if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
            QVERIFY2(!description.isEmpty(), qPrintable(what));
            heard = combo->currentText();
        }
        // Found once: two controls of the same name and role take two objects.
        const auto match = std::find_if(pool.begin(), pool.end(), [&](const Seen &object) {
            return object.name == heard && object.role == role &&
                   (description.isEmpty() || object.description == description);
        });
        QVERIFY2(match != pool.end(),
                 qPrintable(what + QStringLiteral(" not found as ") + role + ": " + heard));
        pool.erase(match);
        ++controlsChecked;
    }
}

void TestAccessibility::everyControlAnswersByItsName_data()
{
    QTest::addColumn<int>("page");       // 1 to 6, or 0 for the status strip
    QTest::addColumn<QString>("dialog"); // or a dialog of the window
    QTest::newRow("Ringtones") << 1 << QString();
    QTest::newRow("Phonebook") << 2 << QString();
    QTest::newRow("View SMS") << 3 << QString();
    QTest::newRow("Create/Send SMS") << 4 << QString();
    QTest::newRow("Infos") << 5 << QString();
    QTest::newRow("Remote Control") << 6 << QString();
    QTest::newRow("status strip") << 0 << QString();
    QTest::newRow("Device dialog") << 0 << "device";
    QTest::newRow("archive file dialog") << 0 << "archive";
    QTest::newRow("service centre dialog") << 0 << "service centres";
}

void TestAccessibility::everyControlAnswersByItsName()
{
    QFETCH(int, page);
    QFETCH(QString, dialog);
    MainWindow &w = rig->window;
    if (page > 0) {
        QVERIFY(showPage(page));
        checkControls(w.frmTabs->currentWidget(), &w);
        return;
    }
    if (dialog.isEmpty()) {
        checkControls(w.Frame4, &w);
        return;
    }
    std::unique_ptr<QDialog> shown;
    if (dialog == QLatin1String("device")) {
        const Platform::SerialPortEntry port{
            QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/serial/by-id/usb-Prolific-port0"),
            QStringLiteral("USB-Serial Controller"), QStringLiteral("Prolific"), QStringLiteral("067b:2303")};
        shown = std::make_unique<DeviceDialog>(1, rig->sim.devicePath(), QList{port}, &w);
    } else if (dialog == QLatin1String("archive")) {
        shown = std::make_unique<ArchiveFileDialog>(rig->link.settings, rig->boxes, &w);
    } else {
        shown = std::make_unique<ServiceCentreDialog>(&w);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    checkControls(shown.get(), shown.get());
}

void TestAccessibility::theNamesThatMatterMost_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("role");
    const auto row = [](const char *control, int page, const char *name, const char *role) {
        QTest::newRow(control) << page << QString::fromUtf8(name) << QString::fromLatin1(role);
    };
    row("Command1", 6, "Left soft key", "push button");
    row("Command3", 6, "Navigation up", "push button");
    row("Command2", 6, "Right soft key", "push button");
    row("Command7", 6, "Call key", "push button");
    row("Command4", 6, "Navigation left", "push button");
    row("Command5", 6, "Navigation right", "push button");
    row("Command8", 6, "End key", "push button");
    row("Command6", 6, "Navigation down", "push button");
    row("Command20", 6, "Star key", "push button");
    row("Command18", 6, "Hash key", "push button");
    row("Image1", 6, "Handset", "filler");
    row("lstContacts", 2, "Contacts", "list");
    row("cmdDelePhoneAdv", 2, "Delete menu", "push button");
    row("txtCreateSMS", 4, "Message text", "text");
    row("labProgState", 2, "Program State: Ready", "label");
    row("labState", 2, "Connection State: Connected", "label");
}

// Heard by these names, with a description of what they do or tell.
void TestAccessibility::theNamesThatMatterMost()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, role);
    QVERIFY(showPage(page));
    const QWidget *control = rig->find(QTest::currentDataTag());
    QVERIFY(control);
    std::optional<Node> window;
    QTRY_VERIFY((window = windowNamed(rig->window.windowTitle())).has_value());
    const QList<Seen> seen = walk(*window);
    const auto found = std::find_if(seen.begin(), seen.end(), [&](const Seen &object) {
        return object.showing && object.name == name && object.role == role;
    });
    QVERIFY2(found != seen.end(), qPrintable(role + ": " + name));
    QVERIFY(!found->description.isEmpty());
    QCOMPARE(found->description, control->accessibleDescription());
}

void TestAccessibility::tabFollowsTheLayout_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order"); // from the tab bar on, back to it
    QTest::newRow("Phonebook") << 2 << QStringList{"Contacts",          "Name",          "Number",
                                                   "Save Changes",      "Create As New", "Delete",
                                                   "Delete menu",       "Export",        "Import",
                                                   "Contacts from SIM", "Call",          "Send SMS",
                                                   "Phonebook"};
    QTest::newRow("Create/Send SMS") << 4 << QStringList{"Service Center:", "Service Centers",
                                                         "Phonenumber:",    "Names",
                                                         "Message text",    "Send SMS",
                                                         "Upload SMS",      "Upload+Send",
                                                         "Create/Send SMS"};
    QTest::newRow("Remote Control") << 6
                                    << QStringList{"Left soft key",
                                                   "Navigation up",
                                                   "Right soft key",
                                                   "Call key",
                                                   "Navigation left",
                                                   "Navigation right",
                                                   "End key",
                                                   "Navigation down",
                                                   "1",
                                                   "2",
                                                   "3",
                                                   "4",
                                                   "5",
                                                   "6",
                                                   "7",
                                                   "8",
                                                   "9",
                                                   "Star key",
                                                   "0",
                                                   "Hash key",
                                                   "T9 Mode (b=2)",
                                                   "Keys to send",
                                                   "Show IMEI",
                                                   "Show Soft Vers.",
                                                   "Show Hard Vers.",
                                                   "Show IMEI+Soft",
                                                   "Net Mon 1",
                                                   "Net Mon 2",
                                                   "Warm Start",
                                                   "M4 Testmode",
                                                   "Sup Traces",
                                                   "-Automatic-", // the language list
                                                   "Set",
                                                   "Remote Control"};
}

// Each Tab moves the focus to the next control as the page lays them out, and the screen reader
// is told so: the control reports the focused state.
void TestAccessibility::tabFollowsTheLayout()
{
    QFETCH(int, page);
    QFETCH(QStringList, order);
    MainWindow &w = rig->window;
    QVERIFY(showPage(page));
    if (page == TabLoader::Phonebook) {
        // A chosen contact makes its buttons usable, and so reachable.
        QListWidget *contacts = w.phonebook->lstContacts;
        QTRY_VERIFY(contacts->count() > 0);
        contacts->setCurrentRow(0);
        QTRY_VERIFY(w.phonebook->cmdSavePhone->isEnabled());
    }
    QVERIFY(activate(&w));
    w.tabMain->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), w.tabMain);

    std::optional<Node> window;
    QTRY_VERIFY((window = windowNamed(w.windowTitle())).has_value());
    QHash<QString, Node> byName;
    for (const Seen &object : walk(*window)) {
        if (object.showing && (ControlRoles.contains(object.role)) &&
            object.role != QLatin1String("page tab"))
            byName.insert(object.name, object.node);
    }
    for (const QString &name : order) {
        QVERIFY2(byName.contains(name), qPrintable(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(a11y.isFocused(byName.value(name)),
                     qPrintable(name + QStringLiteral(", but the focus is on ") +
                                QApplication::focusWidget()->objectName()));
    }
    QCOMPARE(QApplication::focusWidget(), w.tabMain);
}

void TestAccessibility::propertyChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    nameChanges.append({message.path(), arguments.isEmpty() ? QString() : arguments.constFirst().toString()});
}

// The connection state's name follows the state, and each change is announced on the bus.
void TestAccessibility::connectionStateIsReadAndAnnounced()
{
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusMessage address = QDBusConnection::sessionBus().call(ask);
    QCOMPARE(address.type(), QDBusMessage::ReplyMessage);
    events = QDBusConnection::connectToBus(address.arguments().constFirst().toString(),
                                           QStringLiteral("atspi-events"));
    QVERIFY(events.isConnected());
    QVERIFY(events.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                           QStringLiteral("PropertyChange"), this, SLOT(propertyChanged(QDBusMessage))));
    // As a screen reader does: the program sends the events somebody listens to.
    QDBusMessage listen = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
        QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"));
    listen << QStringLiteral("object:property-change:accessible-name");
    QCOMPARE(events.call(listen).type(), QDBusMessage::ReplyMessage);
    QTest::qWait(200); // the program learns of the listener from the registry

    QVERIFY(rig->connected());
    std::optional<Node> window;
    QTRY_VERIFY((window = windowNamed(rig->window.windowTitle())).has_value());
    std::optional<Node> state;
    for (const Seen &object : walk(*window)) {
        if (object.name == QLatin1String("Connection State: Connected") &&
            object.role == QLatin1String("label"))
            state = object.node;
    }
    QVERIFY(state);
    const auto announced = [&] {
        return std::any_of(
            nameChanges.begin(), nameChanges.end(), [&](const QPair<QString, QString> &change) {
                return change.first == state->path && change.second == QLatin1String("accessible-name");
            });
    };

    nameChanges.clear();
    rig->sim.setUnplugged(true);
    QTRY_COMPARE_WITH_TIMEOUT(a11y.name(*state), QStringLiteral("Connection State: Not Connected"), 15000);
    QCOMPARE(rig->window.labState->text(), QStringLiteral("Not Connected"));
    QTRY_VERIFY(announced());

    nameChanges.clear();
    rig->sim.setUnplugged(false);
    rig->link.supervisor.probeTick();
    QTRY_COMPARE_WITH_TIMEOUT(a11y.name(*state), QStringLiteral("Connection State: Connected"), 15000);
    QTRY_VERIFY(announced());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
