#include "messagecommands.h"

#include "heldtext.h"
#include "pdutext.h"

#include "text/atfields.h"
#include "text/testanswer.h"

namespace simphone {

namespace {

using Form = AtCommand::Form;

// +CMS ERROR codes
constexpr int operationNotAllowed = 302;
constexpr int operationNotSupported = 303;
constexpr int invalidPduMode = 304;
constexpr int invalidTextParameter = 305;
constexpr int invalidIndex = 321;
constexpr int memoryFull = 322;
constexpr int serviceCentreUnknown = 330;

const QByteArray prompt = "\r\n> ";

QByteArray storageReport(const PhoneState &state)
{
    const QByteArray pair =
        QByteArray::number(state.messages.size()) + ',' + QByteArray::number(state.messageCapacity);
    return pair + ',' + pair;
}

// The destination of AT+CMGS and AT+CMGW: the first parameter, quoted or not.
std::optional<QByteArray> destination(const AtCommand &cmd)
{
    if (cmd.form == Form::Action && cmd.argument.isEmpty())
        return QByteArray();
    if (cmd.form != Form::Set)
        return std::nullopt;
    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->isEmpty() || fields->size() > 2)
        return std::nullopt;
    return fields->at(0).text.toLatin1();
}

// A message's header after "+CMGR: " or "+CMGL: <index>,", in the handset's style.
QByteArray header(const PhoneState &state, const Message &m)
{
    const QByteArray status = '"' + m.status + '"';
    const QByteArray address = '"' + onLine(state, m.address) + '"';
    const bool received = m.status.startsWith("REC");
    QByteArray stamp = '"' + m.timestamp + '"';
    if (state.headerStyle == "longYear" && received) {
        // "09/08/18,19:11:45+08" as "2009/8/18,19:11:45"
        const QList<QByteArray> date = m.timestamp.left(8).split('/');
        stamp = "\"20" + date.value(0) + '/' + QByteArray::number(date.value(1).toInt()) + '/' +
                QByteArray::number(date.value(2).toInt()) + ',' + m.timestamp.mid(9, 8) + '"';
    }
    if (state.headerStyle == "spaced")
        return status + ", " + address + (received ? ", , " + stamp : QByteArray());
    if (state.headerStyle == "noAlpha")
        return status + ',' + address + (received ? ',' + stamp : QByteArray());
    if (state.headerStyle == "detailed") {
        const QByteArray length = QByteArray::number(onLine(state, m.body).size());
        if (received)
            return status + ',' + address + ",\"\"," + stamp + ",145,4,0,0,\"+491710760000\",145," + length;
        return status + ',' + address + ",\"\",145,17,0,0,167,\"+491710760000\",145," + length;
    }
    return status + ',' + address + (received ? ",," + stamp : QByteArray());
}

// The first slot without a message; none when the storage is full.
std::optional<int> freeSlot(const PhoneState &state)
{
    for (int i = state.firstSlot; i < state.firstSlot + state.messageCapacity; ++i) {
        if (!state.messages.contains(i))
            return i;
    }
    return std::nullopt;
}

// The length a PDU command announces ("AT+CMGS=23", "AT+CMGW=23,2"), within what a PDU can be.
std::optional<int> announcedLength(const AtCommand &cmd)
{
    const auto fields = AtFields::split(cmd.argument);
    const auto length = fields && !fields->isEmpty() ? fields->at(0).toNumber() : std::nullopt;
    if (!length || *length < 7 || *length > 164)
        return std::nullopt;
    return length;
}

// The SMS-SUBMIT the program sent after the prompt, when it has the length it announced.
std::optional<PduText::Submit> submitOf(const QByteArray &hex, int length)
{
    const auto submit = PduText::readSubmit(hex);
    if (!submit || hex.trimmed().size() / 2 - 1 - PduText::centreLength(hex) != length)
        return std::nullopt;
    return submit;
}

Message messageOf(const PhoneState &state, const PduText::Submit &submit, const QByteArray &status)
{
    Message m;
    m.status = status;
    m.address = submit.address;
    m.body = toHeld(state, submit.text);
    m.reference = submit.reference;
    m.parts = submit.parts;
    m.part = submit.part;
    return m;
}

bool takesPdus(const PhoneState &state)
{
    return state.pduModeOffered || !state.textModeOffered;
}

// "+CMGR: 1,,23" and the PDU: its status, no name, and the octets after the service centre.
QByteArray pduEntry(const PhoneState &state, const Message &m)
{
    const QByteArray pdu = PduText::of(state, m);
    const int centre = PduText::centreLength(pdu);
    return QByteArray::number(PduText::statusNumber(m.status)) + ",," +
           QByteArray::number(pdu.size() / 2 - 1 - centre) + "\r\n" + pdu;
}

} // namespace

std::optional<Reply> MessageCommands::handle(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.name == "+CMGF")
        return format(cmd, state);
    if (cmd.name == "+CPMS")
        return storage(cmd, state);
    if (cmd.name == "+CMGR")
        return read(cmd, state);
    if (cmd.name == "+CMGL" && state.listing)
        return list(cmd, state);
    if (cmd.name == "+CMGD")
        return remove(cmd, state);
    if (cmd.name == "+CSCA")
        return serviceCentre(cmd, state);
    if (cmd.name == "+CMGS")
        return send(cmd, state);
    if (cmd.name == "+CMGW")
        return store(cmd, state);
    if (cmd.name == "+CNMI")
        return indications(cmd, state);
    return std::nullopt;
}

Reply MessageCommands::format(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        if (!state.textModeOffered)
            return Reply::ok({"+CMGF: (0)"});
        return Reply::ok({QByteArray(state.pduModeOffered ? "+CMGF: (0-1)" : "+CMGF: (1)")});
    case Form::Query:
        return Reply::ok({"+CMGF: " + QByteArray(state.textMode ? "1" : "0")});
    case Form::Set:
        if (cmd.argument == "0" || (cmd.argument == "1" && state.textModeOffered)) {
            state.textMode = cmd.argument == "1";
            return Reply::ok();
        }
        break;
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply MessageCommands::storage(const AtCommand &cmd, const PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok({"+CPMS: (\"SM\"),(\"SM\")"});
    case Form::Query: {
        const QByteArray used = QByteArray::number(state.messages.size());
        const QByteArray total = QByteArray::number(state.messageCapacity);
        if (state.storageShape == "names")
            return Reply::ok({"+CPMS: \"SM\",\"SM\",\"SM\""});
        if (state.storageShape == "empty")
            return Reply::ok({"+CPMS: ,,,,,,,,"});
        if (state.storageShape == "spaced")
            return Reply::ok({"+CPMS: \"SM\", " + used + ", " + total + ", \"SM\", " + used + ", " + total +
                              ", \"SM\", " + used + ", " + total});
        return Reply::ok({"+CPMS: \"SM\"," + used + ',' + total + ",\"SM\"," + used + ',' + total});
    }
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        if (!fields || fields->isEmpty() || fields->size() > 2)
            return Reply::error();
        for (const AtFields::Field &f : *fields) {
            if (!f.quoted || f.text.toLatin1().toUpper() != "SM")
                return Reply::cmsError(operationNotAllowed);
        }
        return Reply::ok({"+CPMS: " + storageReport(state)});
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply MessageCommands::read(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form != Form::Set)
        return Reply::error();
    if (!state.textMode && !takesPdus(state))
        return Reply::cmsError(operationNotSupported);
    const auto fields = AtFields::split(cmd.argument);
    const auto index = fields && fields->size() == 1 ? fields->at(0).toNumber() : std::nullopt;
    if (!index)
        return Reply::error();
    if (!state.messages.contains(*index))
        return state.emptySlotOk && *index >= state.firstSlot &&
                       *index < state.firstSlot + state.messageCapacity
                   ? Reply::ok()
                   : Reply::cmsError(invalidIndex);

    Message &m = state.messages[*index];
    const Reply reply =
        Reply::ok({"+CMGR: " + (state.textMode ? header(state, m) + "\r\n" + onLine(state, m.body)
                                               : pduEntry(state, m))});
    if (m.status == "REC UNREAD")
        m.status = "REC READ";
    return reply;
}

Reply MessageCommands::list(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CMGL: (\"REC UNREAD\",\"REC READ\",\"STO UNSENT\",\"STO SENT\",\"ALL\")"});
    if (!state.textMode && !takesPdus(state))
        return Reply::cmsError(operationNotSupported);
    const auto fields = cmd.form == Form::Set ? AtFields::split(cmd.argument) : std::nullopt;
    if (!fields || fields->size() != 1 || fields->at(0).quoted != state.textMode)
        return Reply::cmsError(invalidTextParameter);
    // Text mode names the status; PDU mode numbers it, 4 for all.
    const std::optional<int> number = fields->at(0).toNumber();
    const QByteArray wanted = state.textMode ? fromLine(state, fields->at(0).text.toLatin1())
                                             : PduText::statusName(number.value_or(-1));
    const bool all = state.textMode ? wanted == "ALL" : number == 4;
    static const QList<QByteArray> statuses = {"REC UNREAD", "REC READ", "STO UNSENT", "STO SENT", "ALL"};
    if (!all && !statuses.contains(wanted))
        return Reply::cmsError(invalidTextParameter);
    QList<QByteArray> lines;
    for (auto it = state.messages.begin(); it != state.messages.end(); ++it) {
        if (!all && it->status != wanted)
            continue;
        if (state.listingLimit > 0 && lines.size() >= state.listingLimit)
            break;
        lines.append(
            "+CMGL: " + QByteArray::number(it.key()) + ',' +
            (state.textMode ? header(state, *it) + "\r\n" + onLine(state, it->body) : pduEntry(state, *it)));
        if (it->status == "REC UNREAD")
            it->status = "REC READ";
    }
    return Reply::ok(lines);
}

Reply MessageCommands::remove(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CMGD: (1-" + QByteArray::number(state.messageCapacity) + ")"});
    if (cmd.form != Form::Set)
        return Reply::error();
    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->isEmpty() || fields->size() > 2)
        return Reply::error();
    const auto index = fields->at(0).toNumber();
    if (!index)
        return Reply::error();
    if (!state.messages.remove(*index))
        return Reply::cmsError(invalidIndex);
    return Reply::ok();
}

Reply MessageCommands::serviceCentre(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok();
    case Form::Query: {
        const int type = state.serviceCentre.startsWith('+') ? 145 : 129;
        return Reply::ok({"+CSCA: \"" + state.serviceCentre + "\"," + QByteArray::number(type)});
    }
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        if (!fields || fields->isEmpty() || fields->size() > 2 || !fields->at(0).quoted)
            return Reply::error();
        state.serviceCentre = fields->at(0).text.toLatin1();
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply MessageCommands::send(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok();
    if (!state.textMode && takesPdus(state))
        return sendPdu(cmd, state);
    if (!state.textMode)
        return Reply::cmsError(operationNotSupported);
    const auto address = destination(cmd);
    if (!address)
        return Reply::error();
    if (address->isEmpty())
        return Reply::cmsError(invalidTextParameter);

    return Reply::expectData(prompt, [&state, to = *address](const QByteArray &text, bool cancelled) {
        if (cancelled)
            return Reply::ok();
        // The service centre is only needed once the message goes out.
        if (state.serviceCentre.isEmpty())
            return Reply::cmsError(serviceCentreUnknown);
        if (state.refusedRecipients.contains(to))
            return Reply::withResult(state.refusedRecipients.value(to));
        Message sent;
        sent.status = "STO SENT";
        sent.address = fromLine(state, to);
        sent.body = fromLine(state, text);
        state.sentMessages.append(sent);
        const int reference = state.nextMessageReference;
        state.nextMessageReference = reference % 255 + 1;
        return Reply::ok({"+CMGS: " + QByteArray::number(reference)});
    });
}

Reply MessageCommands::store(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok();
    if (!state.textMode && takesPdus(state))
        return storePdu(cmd, state);
    if (!state.textMode)
        return Reply::cmsError(operationNotSupported);
    const auto address = destination(cmd);
    if (!address)
        return Reply::error();
    const std::optional<int> slot = freeSlot(state);
    if (!slot)
        return Reply::cmsError(memoryFull);

    return Reply::expectData(prompt,
                             [&state, slot = *slot, to = *address](const QByteArray &text, bool cancelled) {
                                 if (cancelled)
                                     return Reply::ok();
                                 Message stored;
                                 stored.status = "STO UNSENT";
                                 stored.address = fromLine(state, to);
                                 stored.body = fromLine(state, text);
                                 state.messages.insert(slot, stored);
                                 return Reply::ok({"+CMGW: " + QByteArray::number(slot)});
                             });
}

// The PDU's length first: the octets after the service centre's part, as the standard asks.
Reply MessageCommands::sendPdu(const AtCommand &cmd, PhoneState &state)
{
    const std::optional<int> length = announcedLength(cmd);
    if (!length)
        return Reply::cmsError(invalidTextParameter);
    return Reply::expectData(prompt, [&state, length = *length](const QByteArray &hex, bool cancelled) {
        if (cancelled)
            return Reply::ok();
        const auto submit = submitOf(hex, length);
        if (!submit)
            return Reply::cmsError(invalidPduMode);
        if (state.refusedRecipients.contains(submit->address))
            return Reply::withResult(state.refusedRecipients.value(submit->address));
        state.sentMessages.append(messageOf(state, *submit, "STO SENT"));
        const int reference = state.nextMessageReference;
        state.nextMessageReference = reference % 255 + 1;
        return Reply::ok({"+CMGS: " + QByteArray::number(reference)});
    });
}

Reply MessageCommands::storePdu(const AtCommand &cmd, PhoneState &state)
{
    const std::optional<int> length = announcedLength(cmd);
    if (!length)
        return Reply::cmsError(invalidTextParameter);
    const std::optional<int> slot = freeSlot(state);
    if (!slot)
        return Reply::cmsError(memoryFull);
    return Reply::expectData(prompt,
                             [&state, slot = *slot, length = *length](const QByteArray &hex, bool cancelled) {
                                 if (cancelled)
                                     return Reply::ok();
                                 const auto submit = submitOf(hex, length);
                                 if (!submit)
                                     return Reply::cmsError(invalidPduMode);
                                 state.messages.insert(slot, messageOf(state, *submit, "STO UNSENT"));
                                 return Reply::ok({"+CMGW: " + QByteArray::number(slot)});
                             });
}

QByteArray MessageCommands::deliver(PhoneState &state, const Message &message)
{
    const std::optional<int> slot = freeSlot(state);
    if (!slot)
        return QByteArray();
    state.messages.insert(*slot, message);
    // Only mt 1 stores and tells the slot; 2 and 3 would hand the message over instead.
    if (state.indicationSetting.value(1) != 1)
        return QByteArray();
    return "+CMTI: \"SM\"," + QByteArray::number(*slot);
}

Reply MessageCommands::indications(const AtCommand &cmd, PhoneState &state)
{
    if (state.indications.isEmpty())
        return Reply::error();
    switch (cmd.form) {
    case Form::Test:
        return Reply::ok({"+CNMI: " + state.indications});
    case Form::Query: {
        QList<QByteArray> values;
        for (const int value : std::as_const(state.indicationSetting))
            values.append(QByteArray::number(value));
        return Reply::ok({"+CNMI: " + values.join(',')});
    }
    case Form::Set: {
        // Each value must lie in its range; a value left out keeps its setting.
        const QList<QStringList> offered = TestAnswer::parameters(QString::fromLatin1(state.indications));
        const QList<QByteArray> given = cmd.argument.split(',');
        if (given.size() > offered.size() || given.size() > state.indicationSetting.size())
            break;
        QList<int> setting = state.indicationSetting;
        for (int i = 0; i < given.size(); ++i) {
            bool ok = false;
            const int value = given.at(i).trimmed().toInt(&ok);
            if (given.at(i).trimmed().isEmpty())
                continue;
            if (!ok || !TestAnswer::offers(offered.at(i), value))
                return Reply::cmsError(303);
            setting[i] = value;
        }
        state.indicationSetting = setting;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

} // namespace simphone
