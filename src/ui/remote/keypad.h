#pragma once

#include <QGroupBox>
#include <QList>
#include <QRect>

class HandsetPicture;
class QPushButton;

// The "Control" frame: twenty buttons laid over the keys of a picture of the handset.
class Keypad : public QGroupBox
{
    Q_OBJECT
public:
    struct Key
    {
        const char *name;
        QString caption;
        QRect place; // on the picture
        // What a screen reader calls a key whose caption is a glyph or nothing, and what it does;
        // untranslated.
        const char *spoken = nullptr;
        const char *does = nullptr;
    };
    // Rows top to bottom as the phone has them: soft keys and up; call, left, right, end;
    // down; then the digits.
    static const QList<Key> &keys();

    // The faces of the call and end keys.
    static QColor callFace() { return QColor(0, 128, 0); }
    static QColor endFace() { return QColor(192, 0, 0); }

    explicit Keypad(QWidget *parent = nullptr);

    QPushButton *button(int number) const { return buttons_.value(number - 1); }
    // The last key Tab reaches: "#", at the bottom right.
    QPushButton *lastKey() const;

    HandsetPicture *Image1;

private:
    QList<QPushButton *> buttons_; // Command1 to Command20
};
