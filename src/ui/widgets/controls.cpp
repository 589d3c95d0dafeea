#include "controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

namespace Controls {

namespace {

template <typename W, typename... Args> W *named(const char *name, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A frame whose caption is shortened in the middle when it is wider than the frame, so a
// long folder path neither widens the window nor runs into the frame beside it.
class CaptionFrame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const int room = width() - 2 * fontMetrics().averageCharWidth();
        option.text = fontMetrics().elidedText(option.text, Qt::ElideMiddle, qMax(room, 0));
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

// A caption frame whose caption needs no room of its own: a path of any length neither widens
// the window nor takes from the room its controls need.
class PathFrame : public CaptionFrame
{
public:
    using CaptionFrame::CaptionFrame;
    QSize minimumSizeHint() const override
    {
        return QSize(QWidget::minimumSizeHint().width(), CaptionFrame::minimumSizeHint().height());
    }
};

} // namespace

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backgroundOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QPushButton *button(const char *name, const QString &caption)
{
    return named<QPushButton>(name, caption);
}

QLabel *label(const char *name, const QString &caption)
{
    return named<QLabel>(name, caption);
}

QLineEdit *textBox(const char *name, const QString &text, const QString &accessibleName)
{
    auto *box = named<QLineEdit>(name, text);
    box->setAccessibleName(accessibleName);
    return box;
}

QGroupBox *frame(const char *name, const QString &caption)
{
    return named<CaptionFrame>(name, caption);
}

QGroupBox *pathFrame(const char *name, const QString &caption)
{
    return named<PathFrame>(name, caption);
}

QRadioButton *option(const char *name, const QString &caption)
{
    return named<QRadioButton>(name, caption);
}

QCheckBox *checkBox(const char *name, const QString &caption)
{
    return named<QCheckBox>(name, caption);
}

QListWidget *list(const char *name, const QString &accessibleName, const QString &description)
{
    auto *rows = named<QListWidget>(name);
    rows->setAccessibleName(accessibleName);
    rows->setAccessibleDescription(description);
    return rows;
}

void chainTabs(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void oneTabStop(std::initializer_list<QAbstractButton *> group)
{
    const QList<QAbstractButton *> buttons(group);
    const auto follow = [buttons] {
        const bool anyChecked = std::any_of(buttons.begin(), buttons.end(),
                                            [](const QAbstractButton *b) { return b->isChecked(); });
        for (QAbstractButton *b : buttons) {
            const bool stop = !anyChecked || b->isChecked();
            b->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QAbstractButton *b : buttons)
        QObject::connect(b, &QAbstractButton::toggled, b, follow);
    follow();
}

namespace {
const char *const NameFormat = "quendaAccessibleNameFormat";
}

void makeStateLabel(QLabel *label, const QString &nameFormat, const QString &description)
{
    label->setProperty(NameFormat, nameFormat);
    label->setAccessibleDescription(description);
    setState(label, label->text());
}

void setState(QLabel *label, const QString &text)
{
    label->setText(text);
    const QString name = label->property(NameFormat).toString().arg(text);
    // Setting the same name again would announce it again, and the program state is set every tick.
    if (name != label->accessibleName())
        label->setAccessibleName(name);
}

void setReadOnly(QWidget *textBox, bool readOnly)
{
    if (auto *line = qobject_cast<QLineEdit *>(textBox))
        line->setReadOnly(readOnly);
    else if (auto *editor = qobject_cast<QPlainTextEdit *>(textBox))
        editor->setReadOnly(readOnly);
}

bool isReadOnly(const QWidget *textBox)
{
    if (auto *line = qobject_cast<const QLineEdit *>(textBox))
        return line->isReadOnly();
    if (auto *editor = qobject_cast<const QPlainTextEdit *>(textBox))
        return editor->isReadOnly();
    return false;
}

void setText(QWidget *widget, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        line->setText(text);
    else if (auto *editor = qobject_cast<QPlainTextEdit *>(widget))
        editor->setPlainText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        group->setTitle(text);
}

QBoxLayout *dialogButtons(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel, const QString &okCaption,
                          const QString &cancelCaption)
{
    ok = new QPushButton(okCaption, dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    cancel = new QPushButton(cancelCaption, dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QIcon programIcon()
{
    QIcon icon;
    // Twice each size too, for a screen at scale 2; Qt picks the one that fits.
    for (const int size : {48, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quenda-%1.png").arg(size), QSize(size, size));
    return icon;
}

QComboBox *driveList(QWidget *parent)
{
    auto *drives = new QComboBox(parent);
    drives->setObjectName(QStringLiteral("Drive1"));
    drives->setAccessibleName(QCoreApplication::translate("Controls", "Drive"));
    drives->setAccessibleDescription(
        QCoreApplication::translate("Controls", "The drive whose folders are listed"));
    for (const QFileInfo &drive : QDir::drives())
        drives->addItem(drive.absoluteFilePath());
    return drives;
}

} // namespace Controls
