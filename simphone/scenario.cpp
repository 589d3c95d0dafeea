#include "scenario.h"

#include "phonebookcommands.h"

#include "text/cp437.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace simphone {

namespace {

// Thrown by the readers below with a reason; caught once in readScenario.
struct ScenarioError
{
    QString reason;
};

[[noreturn]] void fail(const QString &reason)
{
    throw ScenarioError{reason};
}

void allowOnly(const QJsonObject &object, const QStringList &keys, const QString &where)
{
    for (const QString &key : object.keys()) {
        if (!keys.contains(key))
            fail(QStringLiteral("%1: unknown key \"%2\"").arg(where, key));
    }
}

QJsonObject objectAt(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        fail(where + QStringLiteral(": not an object"));
    return value.toObject();
}

QJsonArray arrayAt(const QJsonValue &value, const QString &where)
{
    if (!value.isArray())
        fail(where + QStringLiteral(": not an array"));
    return value.toArray();
}

// How the scenario's phone holds its texts (PhoneState::heldSet), known before any is read.
bool holdsUtf8 = false;

// Text as the phone holds it.
QByteArray text(const QJsonObject &object, const QString &key, const QString &where,
                const QByteArray &fallback = {})
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        fail(QStringLiteral("%1: \"%2\" is not a string").arg(where, key));
    return holdsUtf8 ? value.toString().toUtf8() : Cp437::encode(value.toString());
}

int number(const QJsonObject &object, const QString &key, const QString &where, int low, int high,
           std::optional<int> fallback = std::nullopt)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && fallback)
        return *fallback;
    const double d = value.toDouble(-1e9);
    const int n = int(d);
    if (!value.isDouble() || d != n || n < low || n > high)
        fail(QStringLiteral("%1: \"%2\" must be a whole number from %3 to %4")
                 .arg(where, key)
                 .arg(low)
                 .arg(high));
    return n;
}

QByteArray phoneLines(const QByteArray &body)
{
    QByteArray out = body;
    out.replace("\r\n", "\n");
    out.replace('\n', "\r\n");
    return out;
}

void readPhonebook(const QJsonValue &value, const QString &where, QMap<int, Contact> &book, int &capacity,
                   int nameLength)
{
    const QJsonObject object = objectAt(value, where);
    allowOnly(object, {"capacity", "contacts"}, where);
    capacity = number(object, "capacity", where, 0, 999, capacity);
    const QJsonArray contacts = arrayAt(object.value("contacts"), where + ".contacts");
    for (int i = 0; i < contacts.size(); ++i) {
        const QString at = QStringLiteral("%1.contacts[%2]").arg(where).arg(i);
        const QJsonObject c = objectAt(contacts.at(i), at);
        allowOnly(c, {"index", "number", "type", "name"}, at);
        const int index = number(c, "index", at, 1, capacity);
        if (book.contains(index))
            fail(QStringLiteral("%1: index %2 used twice").arg(at).arg(index));
        Contact contact;
        contact.number = text(c, "number", at);
        contact.type = number(c, "type", at, 128, 255, contact.number.startsWith('+') ? 145 : 129);
        // Cut by characters: a UTF-8 name must not lose half of one.
        const QByteArray held = text(c, "name", at);
        contact.name = holdsUtf8 ? QString::fromUtf8(held).left(nameLength).toUtf8() : held.left(nameLength);
        book.insert(index, contact);
    }
}

void readMessages(const QJsonValue &value, PhoneState &state)
{
    const QJsonArray list = arrayAt(value, "messages");
    const QStringList statuses = {"REC READ", "REC UNREAD", "STO SENT", "STO UNSENT"};
    for (int i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("messages[%1]").arg(i);
        const QJsonObject m = objectAt(list.at(i), at);
        allowOnly(m, {"slot", "status", "address", "timestamp", "text"}, at);
        const int slot = number(m, "slot", at, state.firstSlot, state.firstSlot + state.messageCapacity - 1);
        if (state.messages.contains(slot))
            fail(QStringLiteral("%1: slot %2 used twice").arg(at).arg(slot));
        Message message;
        message.status = text(m, "status", at);
        if (!statuses.contains(QString::fromLatin1(message.status)))
            fail(at + QStringLiteral(": status must be one of ") + statuses.join(", "));
        message.address = text(m, "address", at);
        message.timestamp = text(m, "timestamp", at);
        if (message.status.startsWith("REC") && message.timestamp.isEmpty())
            fail(at + QStringLiteral(": a received message needs a timestamp"));
        if (message.status.startsWith("STO") && !message.timestamp.isEmpty())
            fail(at + QStringLiteral(": a stored message has no timestamp"));
        message.body = phoneLines(text(m, "text", at));
        state.messages.insert(slot, message);
    }
}

void readRefusedRecipients(const QJsonValue &value, PhoneState &state)
{
    const QJsonArray list = arrayAt(value, "refusedRecipients");
    for (int i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("refusedRecipients[%1]").arg(i);
        const QJsonObject r = objectAt(list.at(i), at);
        allowOnly(r, {"number", "result"}, at);
        state.refusedRecipients.insert(text(r, "number", at), text(r, "result", at, "+CMS ERROR: 500"));
    }
}

void readMelodies(const QJsonValue &value, PhoneState &state)
{
    const QJsonArray list = arrayAt(value, "melodies");
    for (int i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("melodies[%1]").arg(i);
        const QJsonObject m = objectAt(list.at(i), at);
        allowOnly(m, {"slot", "name", "tempo", "lines"}, at);
        Melody &melody = state.melodies[number(m, "slot", at, 1, int(state.melodies.size())) - 1];
        melody.name = text(m, "name", at);
        melody.tempo = number(m, "tempo", at, 0, 999, 0);
        melody.lines.clear();
        if (m.contains("lines")) {
            for (const QJsonValue &line : arrayAt(m.value("lines"), at + ".lines")) {
                if (!line.isString())
                    fail(at + QStringLiteral(".lines: not all strings"));
                melody.lines.append(Cp437::encode(line.toString()));
            }
        }
    }
}

// The ways in which a handset other than the Trium Mars answers.
void readHandset(const QJsonValue &value, PhoneState &state)
{
    const QJsonObject h = objectAt(value, "handset");
    allowOnly(h, {"revision",         "characterSets", "echoStuck",   "identityPrefixed", "heldSet",
                  "textMode",         "memories",      "nameLength",  "blockLimit",       "memoryCounts",
                  "emptyReadRefused", "indexShift",    "rowTail",     "listing",          "listingLimit",
                  "headerStyle",      "storageShape",  "emptySlotOk", "firstSlot",        "pduMode",
                  "indications"},
              "handset");
    state.revision = text(h, "revision", "handset", state.revision);
    const auto names = [&h](const char *key, QList<QByteArray> *list) {
        if (!h.contains(QLatin1String(key)))
            return;
        const QString where = QStringLiteral("handset.") + QLatin1String(key);
        list->clear();
        for (const QJsonValue &name : arrayAt(h.value(QLatin1String(key)), where)) {
            if (!name.isString())
                fail(where + QStringLiteral(": not all strings"));
            list->append(name.toString().toLatin1());
        }
    };
    names("characterSets", &state.characterSets);
    names("memories", &state.phonebooks);
    state.nameLength = number(h, "nameLength", "handset", 1, 255, state.nameLength);
    state.rowTail = text(h, "rowTail", "handset", state.rowTail);
    state.indications = text(h, "indications", "handset", state.indications);
    state.listingLimit = number(h, "listingLimit", "handset", 0, 999, state.listingLimit);
    state.firstSlot = number(h, "firstSlot", "handset", 0, 1, state.firstSlot);
    const auto oneOf = [&h](const char *key, const QStringList &values, const QByteArray &fallback) {
        const QByteArray value = text(h, QLatin1String(key), "handset", fallback);
        if (!values.contains(QString::fromLatin1(value)))
            fail(QStringLiteral("handset: \"%1\" is one of %2").arg(QLatin1String(key), values.join(", ")));
        return value;
    };
    state.headerStyle =
        oneOf("headerStyle", {"trium", "spaced", "longYear", "noAlpha", "detailed"}, state.headerStyle);
    state.storageShape = oneOf("storageShape", {"counts", "spaced", "names", "empty"}, state.storageShape);
    state.blockLimit = number(h, "blockLimit", "handset", 0, 999, state.blockLimit);
    const auto flag = [&h](const char *key, bool fallback) {
        const QJsonValue v = h.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isBool())
            fail(QStringLiteral("handset: \"%1\" must be true or false").arg(QLatin1String(key)));
        return v.toBool(fallback);
    };
    state.echoStuck = flag("echoStuck", state.echoStuck);
    state.identityPrefixed = flag("identityPrefixed", state.identityPrefixed);
    state.textModeOffered = flag("textMode", state.textModeOffered);
    state.pduModeOffered = flag("pduMode", state.pduModeOffered);
    state.memoryCounts = flag("memoryCounts", state.memoryCounts);
    state.emptyReadRefused = flag("emptyReadRefused", state.emptyReadRefused);
    state.indexShift = flag("indexShift", state.indexShift);
    state.listing = flag("listing", state.listing);
    state.emptySlotOk = flag("emptySlotOk", state.emptySlotOk);
}

LineBehaviour readLine(const QJsonValue &value)
{
    const QJsonObject o = objectAt(value, "line");
    allowOnly(o, {"bytesPerSecond", "pieceBytes", "randomPieces", "readRate", "replyDelay", "stray"}, "line");
    LineBehaviour line;
    line.pace.bytesPerSecond = number(o, "bytesPerSecond", "line", 0, 1000000, 0);
    line.pace.pieceBytes = number(o, "pieceBytes", "line", 0, 4096, 0);
    const QJsonValue random = o.value("randomPieces");
    if (!random.isUndefined() && !random.isBool())
        fail(QStringLiteral("line: \"randomPieces\" must be true or false"));
    line.pace.randomPieces = random.toBool(false);
    line.readRate = number(o, "readRate", "line", 0, 1000000, 0);
    line.replyDelayMs = number(o, "replyDelay", "line", 0, 60000, 0);
    line.strayPercent = number(o, "stray", "line", 0, 100, 0);
    return line;
}

void readState(const QJsonObject &root, PhoneState &state)
{
    allowOnly(root,
              {"manufacturer", "model", "imsi", "imei", "battery", "operator", "registration",
               "serviceCentre", "phonebooks", "messageCapacity", "messages", "refusedRecipients", "melodies",
               "handset", "line", "results", "sources"},
              "scenario");
    // "sources" names where a handset's reply shapes come from; nothing reads it.
    state.manufacturer = text(root, "manufacturer", "scenario", state.manufacturer);
    state.model = text(root, "model", "scenario", state.model);
    state.imsi = text(root, "imsi", "scenario", state.imsi);
    state.imei = text(root, "imei", "scenario", state.imei);
    state.serviceCentre = text(root, "serviceCentre", "scenario", state.serviceCentre);

    // Names read after this are held as the handset holds them.
    const QString held =
        root.value("handset").toObject().value("heldSet").toString(QStringLiteral("PCCP437"));
    if (held != QLatin1String("PCCP437") && held != QLatin1String("UTF-8"))
        fail(QStringLiteral("handset: \"heldSet\" is \"PCCP437\" or \"UTF-8\""));
    state.heldSet = held.toLatin1();
    holdsUtf8 = held == QLatin1String("UTF-8");
    if (root.contains("handset"))
        readHandset(root.value("handset"), state);
    if (root.contains("battery")) {
        const QJsonObject b = objectAt(root.value("battery"), "battery");
        allowOnly(b, {"status", "level"}, "battery");
        state.batteryStatus = number(b, "status", "battery", 0, 3, state.batteryStatus);
        state.batteryLevel = number(b, "level", "battery", 0, 100, state.batteryLevel);
    }
    if (root.contains("operator")) {
        const QJsonObject o = objectAt(root.value("operator"), "operator");
        allowOnly(o, {"name", "numeric"}, "operator");
        state.operatorName = text(o, "name", "operator", state.operatorName);
        state.operatorNumeric = text(o, "numeric", "operator", state.operatorNumeric);
    }
    if (root.contains("registration")) {
        const QJsonObject r = objectAt(root.value("registration"), "registration");
        allowOnly(r, {"status", "lac", "ci"}, "registration");
        state.registration = number(r, "status", "registration", 0, 5, state.registration);
        state.lac = text(r, "lac", "registration", state.lac);
        state.cellId = text(r, "ci", "registration", state.cellId);
    }
    if (root.contains("phonebooks")) {
        const QJsonObject books = objectAt(root.value("phonebooks"), "phonebooks");
        static const QStringList lists = {"DC", "RC", "MC", "ON", "LD", "FD", "EN"};
        allowOnly(books, QStringList{"ME", "SM"} + lists, "phonebooks");
        if (books.contains("ME"))
            readPhonebook(books.value("ME"), "phonebooks.ME", state.phoneBook, state.phoneBookCapacity,
                          state.nameLength);
        if (books.contains("SM"))
            readPhonebook(books.value("SM"), "phonebooks.SM", state.simBook, state.simBookCapacity,
                          state.nameLength);
        // The read-only lists share one size.
        for (const QString &list : lists) {
            if (books.contains(list))
                readPhonebook(books.value(list), "phonebooks." + list, state.readOnlyBooks[list.toLatin1()],
                              state.readOnlyBookCapacity, state.nameLength);
        }
    }
    state.messageCapacity = number(root, "messageCapacity", "scenario", 0, 999, state.messageCapacity);
    if (root.contains("messages"))
        readMessages(root.value("messages"), state);
    if (root.contains("refusedRecipients"))
        readRefusedRecipients(root.value("refusedRecipients"), state);
    if (root.contains("melodies"))
        readMelodies(root.value("melodies"), state);
    const QJsonObject results =
        objectAt(root.value("results").isUndefined() ? QJsonObject() : root.value("results"), "results");
    for (auto it = results.begin(); it != results.end(); ++it) {
        if (!it.value().isString())
            fail(QStringLiteral("results: \"%1\" must name a result line").arg(it.key()));
        state.resultsInstead.insert(it.key().toLatin1(), it.value().toString().toLatin1());
    }
}

} // namespace

bool readScenario(const QString &fileName, PhoneState &state, QString *error,
                  std::optional<LineBehaviour> *line)
{
    auto report = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return report(fileName + QStringLiteral(": ") + file.errorString());
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return report(QStringLiteral("%1: %2 at offset %3")
                          .arg(fileName, parseError.errorString())
                          .arg(parseError.offset));
    if (!doc.isObject())
        return report(fileName + QStringLiteral(": not a JSON object"));

    PhoneState fresh;
    std::optional<LineBehaviour> behaviour;
    try {
        readState(doc.object(), fresh);
        if (doc.object().contains("line"))
            behaviour = readLine(doc.object().value("line"));
    } catch (const ScenarioError &e) {
        return report(fileName + QStringLiteral(": ") + e.reason);
    }
    state = fresh;
    if (line)
        *line = behaviour;
    return true;
}

} // namespace simphone
