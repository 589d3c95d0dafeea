#include "vcard.h"

#include "contactname.h"
#include "numberfilter.h"
#include "vcardlines.h"
#include "vcardproperty.h"

#include <QFile>
#include <QSet>

#include <optional>

namespace VCard {

namespace {

// A component of N or ORG that may list several values ("Anna,Maria"): one blank between them.
QString componentText(const QStringList &components, int index)
{
    if (index >= components.size())
        return QString();
    QStringList values;
    for (const QString &value : splitUnescaped(components.at(index), QLatin1Char(',')))
        values.append(unescaped(value));
    return values.join(QLatin1Char(' ')).simplified();
}

// The number as the phone takes it: a leading "+", digits, "*" and "#", without the separators
// people write. Empty when anything else is in it (letters, an extension): better no number
// than a wrong one.
QString phoneNumber(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        text = text.mid(4);
        const qsizetype parameters = text.indexOf(QLatin1Char(';')); // such as ";ext="
        if (parameters >= 0)
            text.truncate(parameters);
    }
    // "+49 (0)30": the 0 is dialled only without the country code.
    if (text.startsWith(QLatin1Char('+')))
        text.remove(QLatin1String("(0)"));
    QString number;
    bool hasDigit = false;
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        hasDigit = hasDigit || digit;
        if (digit || c == QLatin1Char('*') || c == QLatin1Char('#') ||
            (c == QLatin1Char('+') && number.isEmpty()))
            number += c;
        else if (!c.isSpace() && !QStringLiteral("-.()/").contains(c))
            return QString();
    }
    return hasDigit && number.size() <= NumberFilter::MaxLength ? number : QString();
}

// What one card has said so far, and the contacts it makes.
class Card
{
public:
    void take(const Property &property);
    void spoil() { spoiled_ = true; }
    // None for a spoiled card or one without a usable number.
    QList<Contact> contacts(const PhoneText &phone, int nameLength) const;

private:
    struct Number
    {
        QString digits;
        QChar typeLetter; // null when the type says nothing the suffix could tell
    };
    static QChar typeLetter(const QList<QByteArray> &types);
    static QString withSuffix(const QString &fittedName, const QString &suffix, int nameLength);

    QString formattedName_;
    QString structuredName_;
    QString organisation_;
    QList<Number> numbers_;
    QSet<QString> digitsSeen_;
    bool spoiled_ = false;
};

void Card::take(const Property &property)
{
    const QByteArray &name = property.name;
    if (spoiled_)
        return;
    if (name == "FN" && formattedName_.isEmpty()) {
        formattedName_ = unescaped(decodedText(property)).simplified();
    } else if (name == "N" && structuredName_.isEmpty()) {
        const QStringList components = splitUnescaped(decodedText(property), QLatin1Char(';'));
        structuredName_ =
            (componentText(components, 1) + QLatin1Char(' ') + componentText(components, 0)).simplified();
    } else if (name == "ORG" && organisation_.isEmpty()) {
        organisation_ = componentText(splitUnescaped(decodedText(property), QLatin1Char(';')), 0);
    } else if (name == "TEL") {
        const QString digits = phoneNumber(decodedText(property));
        if (digits.isEmpty() || digitsSeen_.contains(digits))
            return;
        if (numbers_.size() >= MaxContacts) {
            spoil();
            return;
        }
        digitsSeen_.insert(digits);
        numbers_.append({digits, typeLetter(property.types)});
    }
}

QChar Card::typeLetter(const QList<QByteArray> &types)
{
    struct TypeLetter
    {
        const char *type;
        char letter;
    };
    // A home fax is a fax, a work mobile a mobile.
    constexpr TypeLetter Letters[] = {{"FAX", 'F'}, {"CELL", 'M'}, {"WORK", 'W'}, {"HOME", 'H'}};
    for (const TypeLetter &entry : Letters) {
        if (types.contains(QByteArray(entry.type)))
            return QLatin1Char(entry.letter);
    }
    return QChar();
}

QString Card::withSuffix(const QString &fittedName, const QString &suffix, int nameLength)
{
    return fittedName.left(nameLength - suffix.size()).trimmed() + suffix;
}

QList<Contact> Card::contacts(const PhoneText &phone, int nameLength) const
{
    if (spoiled_)
        return {};
    const QString name = !formattedName_.isEmpty()    ? formattedName_
                         : !structuredName_.isEmpty() ? structuredName_
                                                      : organisation_;
    // Blanks collapsed again: dropped control characters may leave two side by side.
    const QString fitted = ContactName::fitForPhone(name, phone, nameLength).simplified();
    if (numbers_.size() == 1)
        return {{fitted, numbers_.first().digits}};
    QList<Contact> made;
    QString lettersUsed;
    for (qsizetype i = 0; i < numbers_.size(); ++i) {
        const QChar letter = numbers_.at(i).typeLetter;
        QString suffix = QStringLiteral("/");
        if (!letter.isNull() && !lettersUsed.contains(letter)) {
            lettersUsed += letter;
            suffix += letter;
        } else {
            suffix += QString::number(i + 1);
        }
        made.append({withSuffix(fitted, suffix, nameLength), numbers_.at(i).digits});
    }
    return made;
}

bool isCardBoundary(const Property &property, const char *name)
{
    return property.name == name && property.value.trimmed().toUpper() == "VCARD";
}

} // namespace

Reading parse(const QByteArray &bytes, const PhoneText &phone, int nameLength)
{
    Reading reading;
    const QByteArray text = asUtf8(bytes);
    LogicalLines lines(text);
    std::optional<Card> card;
    LogicalLines::Line line;
    while (lines.next(&line)) {
        if (line.overlong || isBinary(line.text)) {
            if (card)
                card->spoil();
            continue;
        }
        const std::optional<Property> property = parseProperty(line.text);
        if (!property)
            continue;
        if (isCardBoundary(*property, "BEGIN")) {
            if (card)
                ++reading.skippedCards; // it never ended
            card.emplace();
        } else if (card && isCardBoundary(*property, "END")) {
            const QList<Contact> made = card->contacts(phone, nameLength);
            if (made.isEmpty() || reading.contacts.size() + made.size() > MaxContacts)
                ++reading.skippedCards;
            else
                reading.contacts += made;
            card.reset();
        } else if (card) {
            card->take(*property);
        }
    }
    if (card)
        ++reading.skippedCards;
    return reading;
}

Reading read(const QString &path, const PhoneText &phone, int nameLength)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(MaxFileBytes), phone, nameLength);
}

} // namespace VCard
