#include "heldtext.h"

#include "text/charactersets.h"

namespace simphone {

namespace {

CharacterSets::Set held(const PhoneState &state)
{
    return CharacterSets::named(QString::fromLatin1(state.heldSet)).value_or(CharacterSets::Set::Pccp437);
}

// The set the line carries, when it differs from how the phone holds its text.
std::optional<CharacterSets::Set> transforming(const PhoneState &state)
{
    const auto set = CharacterSets::named(QString::fromLatin1(state.charset));
    // The Trium Mars sends its code page as it is, also before it is told to.
    if (!set || *set == held(state) ||
        (held(state) == CharacterSets::Set::Pccp437 && *set == CharacterSets::Set::Ira))
        return std::nullopt;
    return set;
}

} // namespace

QByteArray onLine(const PhoneState &state, const QByteArray &text)
{
    const auto set = transforming(state);
    if (!set)
        return text;
    return CharacterSets::encode(*set, CharacterSets::decode(held(state), text));
}

QByteArray fromLine(const PhoneState &state, const QByteArray &sent)
{
    const auto set = transforming(state);
    if (!set)
        return sent;
    return CharacterSets::encode(held(state), CharacterSets::decode(*set, sent));
}

QString heldText(const PhoneState &state, const QByteArray &text)
{
    return CharacterSets::decode(held(state), text);
}

QByteArray toHeld(const PhoneState &state, const QString &text)
{
    return CharacterSets::encode(held(state), text);
}

int heldLength(const PhoneState &state, const QByteArray &text)
{
    return int(CharacterSets::decode(held(state), text).size());
}

} // namespace simphone
