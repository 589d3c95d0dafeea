#include "phonebookmemory.h"

#include "text/testanswer.h"

#include <array>

namespace {

struct Known
{
    const char *code;
    const char *title;
};

constexpr std::array<Known, 9> KnownMemories = {{
    {"SM", QT_TRANSLATE_NOOP("PhonebookMemory", "SIM card")},
    //: A phonebook memory: the phone's own
    {"ME", QT_TRANSLATE_NOOP("PhonebookMemory", "Phone")},
    {"ON", QT_TRANSLATE_NOOP("PhonebookMemory", "Own numbers")},
    {"DC", QT_TRANSLATE_NOOP("PhonebookMemory", "Dialled calls")},
    {"LD", QT_TRANSLATE_NOOP("PhonebookMemory", "Last dialled (SIM)")},
    {"RC", QT_TRANSLATE_NOOP("PhonebookMemory", "Received calls")},
    {"MC", QT_TRANSLATE_NOOP("PhonebookMemory", "Missed calls")},
    {"FD", QT_TRANSLATE_NOOP("PhonebookMemory", "Fixed dialling")},
    {"EN", QT_TRANSLATE_NOOP("PhonebookMemory", "Emergency numbers")},
}};

// What a person calls the memory, as shown; empty for one Quenda has no name for.
QString nameOf(const QString &code)
{
    for (const Known &known : KnownMemories) {
        if (code == QLatin1String(known.code))
            return PhonebookMemory::tr(known.title);
    }
    return QString();
}

} // namespace

QStringList PhonebookMemory::shown(const QStringList &offered)
{
    QStringList memories;
    for (const Known &known : KnownMemories) {
        const QString code = QString::fromLatin1(known.code);
        if (offered.contains(code, Qt::CaseInsensitive))
            memories.append(code);
    }
    if (memories.isEmpty())
        memories = {QStringLiteral("SM"), QStringLiteral("ME")};
    return memories;
}

QStringList PhonebookMemory::known()
{
    QStringList codes;
    for (const Known &known : KnownMemories)
        codes.append(QString::fromLatin1(known.code));
    return codes;
}

bool PhonebookMemory::isWritable(const QString &code)
{
    return code == QLatin1String("SM") || code == QLatin1String("ME");
}

QString PhonebookMemory::title(const QString &code)
{
    const QString name = nameOf(code);
    //: A phonebook memory's name and its code: "Dialled calls (DC)"
    return name.isEmpty() ? code : tr("%1 (%2)").arg(name, code);
}

QString PhonebookMemory::caption(int entries) const
{
    if (code == QLatin1String("SM"))
        return tr("%1 Contacts On SIM - %2 Free").arg(entries).arg(places() - entries);
    if (code == QLatin1String("ME"))
        return tr("%1 Contacts On Phone - %2 Free").arg(entries).arg(places() - entries);
    const QString name = nameOf(code);
    //: The phonebook caption of another phone's list: "7 Entries In Missed calls"
    return tr("%1 Entries In %2").arg(entries).arg(name.isEmpty() ? code : name);
}

bool PhonebookMemory::takeReadTest(const QString &reply)
{
    const qsizetype at = reply.indexOf(QLatin1String("+CPBR:"));
    if (at < 0)
        return false;
    qsizetype end = reply.indexOf(QLatin1Char('\n'), at);
    if (end < 0)
        end = reply.size();
    const QList<QStringList> parameters =
        TestAnswer::parameters(QStringView(reply).sliced(at + 6, end - at - 6).trimmed());
    const auto range = parameters.isEmpty() ? std::nullopt : TestAnswer::bounds(parameters.constFirst());
    if (!range || range->second < range->first)
        return false;
    first = range->first;
    last = range->second;
    const auto length = [&parameters](int k) -> std::optional<int> {
        const auto value = parameters.size() > k ? TestAnswer::bounds(parameters.at(k)) : std::nullopt;
        if (!value || value->second <= 0)
            return std::nullopt;
        return value->second;
    };
    numberLength = length(1);
    nameLength = length(2);
    return true;
}
