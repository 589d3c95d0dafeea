#include "keypad.h"

#include "handsetpicture.h"
#include "ui/widgets/controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr int Column[] = {12, 52, 92};
constexpr int DigitWidth = 37;
constexpr int DigitHeight = 23;
constexpr int DigitTop = 190;
constexpr int DigitStep = 26;

QRect digit(int row, int column)
{
    return QRect(Column[column], DigitTop + row * DigitStep, DigitWidth, DigitHeight);
}

// The arrows as glyphs that common fonts carry (DejaVu Sans among them).
const QString Up = QStringLiteral("\u25B2");
const QString Left = QStringLiteral("\u25C0");
const QString Right = QStringLiteral("\u25B6");
const QString Down = QStringLiteral("\u25BC");

void paintFace(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

} // namespace

const QList<Keypad::Key> &Keypad::keys()
{
    static const QList<Key> table = {
        {"Command1", QString(), QRect(12, 120, 34, 18), QT_TR_NOOP("Left soft key"),
         QT_TR_NOOP("Presses the phone's key under the left corner of its display")},
        {"Command3", Up, QRect(55, 120, 31, 18), QT_TR_NOOP("Navigation up"),
         QT_TR_NOOP("Presses the phone's up key")},
        {"Command2", QString(), QRect(95, 120, 34, 18), QT_TR_NOOP("Right soft key"),
         QT_TR_NOOP("Presses the phone's key under the right corner of its display")},
        {"Command7", QString(), QRect(12, 142, 26, 20), QT_TR_NOOP("Call key"),
         QT_TR_NOOP("Presses the phone's green key, which calls or answers")},
        {"Command4", Left, QRect(41, 142, 28, 20), QT_TR_NOOP("Navigation left"),
         QT_TR_NOOP("Presses the phone's left key")},
        {"Command5", Right, QRect(72, 142, 28, 20), QT_TR_NOOP("Navigation right"),
         QT_TR_NOOP("Presses the phone's right key")},
        {"Command8", QString(), QRect(103, 142, 26, 20), QT_TR_NOOP("End key"),
         QT_TR_NOOP("Presses the phone's red key, which ends a call; held down for a second, it presses the "
                    "power key")},
        {"Command6", Down, QRect(55, 166, 31, 18), QT_TR_NOOP("Navigation down"),
         QT_TR_NOOP("Presses the phone's down key")},
        {"Command9", QStringLiteral("&1"), digit(0, 0)},
        {"Command10", QStringLiteral("&2"), digit(0, 1)},
        {"Command14", QStringLiteral("3"), digit(0, 2)},
        {"Command13", QStringLiteral("4"), digit(1, 0)},
        {"Command12", QStringLiteral("5"), digit(1, 1)},
        {"Command11", QStringLiteral("6"), digit(1, 2)},
        {"Command17", QStringLiteral("7"), digit(2, 0)},
        {"Command16", QStringLiteral("8"), digit(2, 1)},
        {"Command15", QStringLiteral("9"), digit(2, 2)},
        {"Command20", QStringLiteral("*"), digit(3, 0), QT_TR_NOOP("Star key"),
         QT_TR_NOOP("Presses the phone's * key")},
        {"Command19", QStringLiteral("0"), digit(3, 1)},
        {"Command18", QStringLiteral("#"), digit(3, 2), QT_TR_NOOP("Hash key"),
         QT_TR_NOOP("Presses the phone's # key; held down for a second, holds it on the phone too")},
    };
    return table;
}

Keypad::Keypad(QWidget *parent) : QGroupBox(tr("Control", "the frame of the phone's keypad"), parent)
{
    setObjectName(QStringLiteral("frmControl"));
    Image1 = new HandsetPicture;
    Image1->setAccessibleName(tr("Handset"));
    Image1->setAccessibleDescription(tr("The keys of the phone, laid over its picture"));

    buttons_.resize(keys().size());
    QWidget *previous = nullptr;
    for (const Key &key : keys()) {
        QPushButton *b = Controls::button(key.name, key.caption);
        b->setParent(Image1);
        b->setGeometry(key.place);
        b->setFocusPolicy(Qt::TabFocus);
        if (key.spoken)
            b->setAccessibleName(tr(key.spoken));
        if (key.does)
            b->setAccessibleDescription(tr(key.does));
        // Row by row, as the table has them.
        if (previous)
            setTabOrder(previous, b);
        previous = b;
        const int number = QByteArray(key.name).mid(int(sizeof("Command")) - 1).toInt();
        buttons_[number - 1] = b;
    }
    paintFace(button(7), callFace());
    paintFace(button(8), endFace());

    auto *layout = new QHBoxLayout(this);
    layout->addStretch();
    layout->addWidget(Image1);
    layout->addStretch();
}

QPushButton *Keypad::lastKey() const
{
    return findChild<QPushButton *>(QLatin1String(keys().constLast().name));
}
