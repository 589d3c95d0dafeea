#include "texttokeys.h"

#include "link/atexchange.h"
#include "link/operationlock.h"

#include <algorithm>
#include <iterator>

namespace {

struct KeyRow
{
    char16_t character;
    char key;
    int presses;
};

constexpr KeyRow CharacterTable[] = {
    {u'?', '1', 8}, {u':', '1', 7},      {u'@', '1', 6}, {u'\'', '1', 5},     {u'-', '1', 4},
    {u',', '1', 3}, {u'.', '1', 2},      {u' ', '#', 1}, {u'a', '2', 1},      {u'b', '2', 2},
    {u'c', '2', 3}, {u'\u00e4', '2', 5}, {u'd', '3', 1}, {u'e', '3', 2},      {u'f', '3', 3},
    {u'g', '4', 1}, {u'h', '4', 2},      {u'i', '4', 3}, {u'j', '5', 1},      {u'k', '5', 2},
    {u'l', '5', 3}, {u'm', '6', 1},      {u'n', '6', 2}, {u'o', '6', 3},      {u'\u00f6', '6', 5},
    {u'p', '7', 1}, {u'q', '7', 2},      {u'r', '7', 3}, {u's', '7', 4},      {u'\u00df', '7', 6},
    {u't', '8', 1}, {u'u', '8', 2},      {u'v', '8', 3}, {u'\u00fc', '8', 5}, {u'w', '9', 1},
    {u'x', '9', 2}, {u'y', '9', 3},      {u'z', '9', 4},
};

} // namespace

TextToKeys::TextToKeys(AtExchange &exchange, OperationLock &lock, QObject *parent)
    : QObject(parent), exchange_(exchange), lock_(lock), mode_([] { return Mode::Predictive; })
{
}

void TextToKeys::CharToKey(QString &key, int &presses)
{
    if (key.size() != 1)
        return;
    const char16_t character = key.at(0).unicode();
    const auto row = std::find_if(std::begin(CharacterTable), std::end(CharacterTable),
                                  [character](const KeyRow &r) { return r.character == character; });
    if (row == std::end(CharacterTable))
        return;
    key = QString(QLatin1Char(row->key));
    presses = row->presses;
}

QString TextToKeys::addedCharacters(const QString &oldText, const QString &newText)
{
    const qsizetype shorter = std::min(oldText.size(), newText.size());
    qsizetype prefix = 0;
    while (prefix < shorter && oldText.at(prefix) == newText.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           oldText.at(oldText.size() - 1 - suffix) == newText.at(newText.size() - 1 - suffix))
        ++suffix;
    return newText.mid(prefix, newText.size() - prefix - suffix);
}

void TextToKeys::textChanged(const QString &text)
{
    const bool deleted = text.size() < SendKeysToME.size();
    const QString added = deleted ? QString() : addedCharacters(SendKeysToME, text);
    SendKeysToME = text;
    if (deleted)
        return;
    if (running_) {
        pending_ += added; // the run now going on sends them after its own
        return;
    }
    RemCon(added);
}

void TextToKeys::RemCon(const QString &added)
{
    lock_.perform([&] {
        if (lock_.action() == OperationLock::NoPhone) {
            const QString notConnected = OperationLock::notConnectedText();
            return OperationResult::notStarted(notConnected).told(notConnected);
        }
        // Text typed while another operation runs is not for the phone; no message interrupts the typing.
        if (lock_.action() != OperationLock::Idle || added.isEmpty())
            return OperationResult::notStarted();
        lock_.guard(OperationLock::SendingKeys);
        running_ = true;
        pending_ = added;
        bool completed = true;
        while (completed && !pending_.isEmpty()) {
            completed = sendCharacter(pending_.at(0));
            if (completed) {
                pending_.remove(0, 1);
                exchange_.Pause();
            }
        }
        pending_.clear();
        running_ = false;
        // The lock may have been taken from the run meanwhile (a settings change, a cancel).
        if (completed && lock_.action() == OperationLock::SendingKeys)
            lock_.finish();
        return lock_.result();
    });
}

bool TextToKeys::sendCharacter(QChar character)
{
    QString key(character);
    int presses = 1;
    CharToKey(key, presses);
    const Mode mode = mode_ ? mode_() : Mode::Predictive;
    if (mode == Mode::Predictive)
        presses = 1;
    for (int i = 0; i < presses; ++i) {
        if (!press(key))
            return false;
        exchange_.Pause();
    }
    // In multi-tap entry the right arrow confirms the letter, so the next press starts a new one.
    return mode != Mode::MultiTap || press(QStringLiteral(">"));
}

bool TextToKeys::press(const QString &key)
{
    if (lock_.action() != OperationLock::SendingKeys)
        return false;
    const QString command = QStringLiteral("AT+CKPD=\"") + key + QLatin1Char('"');
    return lock_.answered(exchange_.SendAndWait(command, exchange_.timTimeout));
}
