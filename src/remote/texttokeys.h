#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class AtExchange;
class OperationLock;

// Typed text entered on the phone as key presses (RemCon).
class TextToKeys : public QObject
{
    Q_OBJECT
public:
    enum class Mode
    {
        MultiTap,
        Predictive
    };

    TextToKeys(AtExchange &exchange, OperationLock &lock, QObject *parent = nullptr);

    // Read afresh for every character.
    void setModeSource(std::function<Mode()> mode) { mode_ = std::move(mode); }
    // The box's new text. Every character added since the text last seen is sent, wherever it
    // was added; a shorter text sends nothing.
    void textChanged(const QString &text);
    // The character on entry, its key string on return, with the press count; both unchanged
    // for a character without a row.
    static void CharToKey(QString &key, int &presses);
    // The characters newText holds beyond oldText, found between their common start and end.
    static QString addedCharacters(const QString &oldText, const QString &newText);

    QString SendKeysToME; // the text as last seen

private:
    void RemCon(const QString &added);
    bool sendCharacter(QChar character);
    bool press(const QString &key);

    AtExchange &exchange_;
    OperationLock &lock_;
    std::function<Mode()> mode_;
    QString pending_;
    bool running_ = false;
};
