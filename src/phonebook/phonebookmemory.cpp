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
    {"SM", "SIM card"},
    {"ME", "Phone"},
    {"ON", "Own numbers"},
    {"DC", "Dialled calls"},
    {"LD", "Last dialled (SIM)"},
    {"RC", "Received calls"},
    {"MC", "Missed calls"},
    {"FD", "Fixed dialling"},
    {"EN", "Emergency numbers"},
}};

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
    for (const Known &known : KnownMemories) {
        if (code == QLatin1String(known.code))
            return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(known.title), code);
    }
    return code;
}

QString PhonebookMemory::caption(int entries) const
{
    if (code == QLatin1String("SM") || code == QLatin1String("ME"))
        return QStringLiteral("%1 Contacts On %2 - %3 Free")
            .arg(entries)
            .arg(code == QLatin1String("SM") ? QStringLiteral("SIM") : QStringLiteral("Phone"))
            .arg(places() - entries);
    QString name = title(code);
    name.truncate(name.lastIndexOf(QLatin1String(" (")));
    return QStringLiteral("%1 Entries In %2").arg(entries).arg(name.isEmpty() ? code : name);
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
