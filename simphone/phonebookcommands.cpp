#include "phonebookcommands.h"

#include "heldtext.h"

#include "text/atfields.h"

namespace simphone {

namespace {

using Form = AtCommand::Form;

// +CME ERROR codes of the phonebook
constexpr int operationNotAllowed = 3;
constexpr int memoryFull = 20;
constexpr int invalidIndex = 21;
constexpr int textTooLong = 24;
constexpr int dialStringTooLong = 26;
constexpr int notFound = 22;

bool readOnly(const PhoneState &state)
{
    return state.selectedBook != "ME" && state.selectedBook != "SM";
}

QMap<int, Contact> &selectedBook(PhoneState &state)
{
    if (readOnly(state))
        return state.readOnlyBooks[state.selectedBook];
    return state.selectedBook == "ME" ? state.phoneBook : state.simBook;
}

int selectedCapacity(const PhoneState &state)
{
    if (readOnly(state))
        return state.readOnlyBookCapacity;
    return state.selectedBook == "ME" ? state.phoneBookCapacity : state.simBookCapacity;
}

QByteArray row(const PhoneState &state, int index, const Contact &c)
{
    return "+CPBR: " + QByteArray::number(index) + ",\"" + onLine(state, c.number) + "\"," +
           QByteArray::number(c.type) + ",\"" + onLine(state, c.name) + '"' + state.rowTail;
}

QByteArray range(const PhoneState &state)
{
    return "(1-" + QByteArray::number(selectedCapacity(state)) + ')';
}

} // namespace

std::optional<Reply> PhonebookCommands::handle(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.name == "+CPBS")
        return select(cmd, state);
    if (cmd.name == "+CPBR")
        return read(cmd, state);
    if (cmd.name == "+CPBW")
        return write(cmd, state);
    return std::nullopt;
}

Reply PhonebookCommands::select(const AtCommand &cmd, PhoneState &state)
{
    switch (cmd.form) {
    case Form::Test: {
        QList<QByteArray> quoted;
        for (const QByteArray &memory : std::as_const(state.phonebooks))
            quoted.append('"' + memory + '"');
        return Reply::ok({"+CPBS: (" + quoted.join(',') + ')'});
    }
    case Form::Query:
        if (!state.memoryCounts)
            return Reply::ok({"+CPBS: \"" + state.selectedBook + '"'});
        return Reply::ok({"+CPBS: \"" + state.selectedBook + "\"," +
                          QByteArray::number(selectedBook(state).size()) + ',' +
                          QByteArray::number(selectedCapacity(state))});
    case Form::Set: {
        const auto fields = AtFields::split(cmd.argument);
        if (!fields || fields->size() != 1 || !fields->at(0).quoted)
            return Reply::error();
        const QByteArray memory = fields->at(0).text.toLatin1().toUpper();
        if (!state.phonebooks.contains(memory))
            return Reply::cmeError(operationNotAllowed);
        state.selectedBook = memory;
        return Reply::ok();
    }
    case Form::Action:
        break;
    }
    return Reply::error();
}

Reply PhonebookCommands::read(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CPBR: " + range(state) + ',' + QByteArray::number(maxNumberLength) + ',' +
                          QByteArray::number(state.nameLength)});
    if (cmd.form != Form::Set)
        return Reply::error();

    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->isEmpty() || fields->size() > 2)
        return Reply::error();
    const auto first = fields->at(0).toNumber();
    const auto last = fields->size() == 2 ? fields->at(1).toNumber() : first;
    if (!first || !last)
        return Reply::error();
    const int capacity = selectedCapacity(state);
    if (*first < 1 || *first > capacity || *last < *first)
        return Reply::cmeError(invalidIndex);
    if (state.blockLimit > 0 && *last - *first + 1 > state.blockLimit)
        return Reply::cmeError(invalidIndex);

    // A range past the end of the memory is cut, as the phone does for "1,255" on a
    // memory of 100.
    QList<QByteArray> entries;
    const QMap<int, Contact> &book = selectedBook(state);
    for (auto it = book.lowerBound(*first); it != book.end() && it.key() <= qMin(*last, capacity); ++it)
        entries.append(row(state, it.key(), it.value()));
    if (entries.isEmpty() && state.indexShift) {
        auto before = book.lowerBound(*first);
        if (before != book.begin()) {
            --before;
            entries.append(row(state, before.key(), before.value()));
        }
    }
    if (entries.isEmpty() && state.emptyReadRefused)
        return Reply::cmeError(notFound);
    return Reply::ok(entries);
}

Reply PhonebookCommands::write(const AtCommand &cmd, PhoneState &state)
{
    if (cmd.form == Form::Test)
        return Reply::ok({"+CPBW: " + range(state) + ',' + QByteArray::number(maxNumberLength) +
                          ",(129,145)," + QByteArray::number(state.nameLength)});
    if (cmd.form != Form::Set)
        return Reply::error();

    const auto fields = AtFields::split(cmd.argument);
    if (!fields || fields->isEmpty() || fields->size() > 4)
        return Reply::error();
    if (readOnly(state))
        return Reply::cmeError(operationNotAllowed);
    QMap<int, Contact> &book = selectedBook(state);
    const int capacity = selectedCapacity(state);

    int index = 0;
    if (fields->at(0).text.isEmpty() && !fields->at(0).quoted) {
        // No index: the first free place.
        for (int i = 1; i <= capacity && index == 0; ++i) {
            if (!book.contains(i))
                index = i;
        }
        if (index == 0)
            return Reply::cmeError(memoryFull);
    } else {
        const auto given = fields->at(0).toNumber();
        if (!given)
            return Reply::error();
        index = *given;
    }
    if (index < 1 || index > capacity)
        return Reply::cmeError(invalidIndex);

    if (fields->size() == 1) {
        book.remove(index);
        return Reply::ok();
    }

    const AtFields::Field &number = fields->at(1);
    if (!number.quoted)
        return Reply::error();
    Contact contact;
    contact.number = fromLine(state, number.text.toLatin1());
    contact.type = contact.number.startsWith('+') ? 145 : 129;
    if (fields->size() >= 3 && !fields->at(2).text.isEmpty()) {
        const auto type = fields->at(2).toNumber();
        if (!type || *type < 128 || *type > 255)
            return Reply::error();
        contact.type = *type;
    }
    if (fields->size() == 4) {
        if (!fields->at(3).quoted)
            return Reply::error();
        contact.name = fromLine(state, fields->at(3).text.toLatin1());
    }
    if (contact.number.size() > maxNumberLength)
        return Reply::cmeError(dialStringTooLong);
    if (heldLength(state, contact.name) > state.nameLength)
        return Reply::cmeError(textTooLong);
    book.insert(index, contact);
    return Reply::ok();
}

} // namespace simphone
