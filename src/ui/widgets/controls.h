#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

// Every control carries its name as objectName, so the other parts of the program and the
// tests find it by the name they know it by.
namespace Controls {

// The two colours of the status labels: not connected or busy, and connected or ready.
inline QColor lightBlue()
{
    return QColor(192, 192, 255);
}
inline QColor lightGreen()
{
    return QColor(128, 255, 128);
}

// A label with a solid background of its own.
void paintBackground(QWidget *widget, const QColor &colour);
QColor backgroundOf(const QWidget *widget);

QPushButton *button(const char *name, const QString &caption);
QLabel *label(const char *name, const QString &caption = QString());
// accessibleName and description: what a screen reader calls a box or list that no caption or
// buddy label names, and what it is for.
QLineEdit *textBox(const char *name, const QString &text = QString(),
                   const QString &accessibleName = QString());
QGroupBox *frame(const char *name, const QString &caption);
// A frame captioned with a path, shortened as it must be: only its controls set its size.
QGroupBox *pathFrame(const char *name, const QString &caption);
QRadioButton *option(const char *name, const QString &caption);
QCheckBox *checkBox(const char *name, const QString &caption);
QListWidget *list(const char *name, const QString &accessibleName = QString(),
                  const QString &description = QString());

// The "OK" (default) and "Cancel" buttons of a dialog, created as cmdOK and cmdCancel under
// dialog with the captions given, in a row pushed to the right; Cancel rejects the dialog.
// The captions are the dialog's own, translated where it is built.
QBoxLayout *dialogButtons(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel, const QString &okCaption,
                          const QString &cancelCaption);
// The program's icon, sharp at every scale the screen has.
QIcon programIcon();
// Drive1: every drive (root) the system has.
QComboBox *driveList(QWidget *parent);

// Tab walks the controls in this order, as they are laid out, whatever order they were built in.
void chainTabs(std::initializer_list<QWidget *> controls);
// Tab stops at the checked one of these exclusive buttons only, and the arrow keys move among
// them, as on other desktops; with none checked, at each.
void oneTabStop(std::initializer_list<QAbstractButton *> group);

// A label that tells a state, as the status strip's: a screen reader knows it by nameFormat
// with the state for %1, and what it tells by description.
void makeStateLabel(QLabel *label, const QString &nameFormat, const QString &description);
// The state a state label shows. Its name follows and is announced: with a name of its own, a
// label no longer announces its text by itself.
void setState(QLabel *label, const QString &text);

// Text boxes come as line edits and multi-line editors; both lock the same way.
void setReadOnly(QWidget *textBox, bool readOnly);
bool isReadOnly(const QWidget *textBox);
// The text or caption of a text box, label or frame.
void setText(QWidget *widget, const QString &text);

} // namespace Controls
