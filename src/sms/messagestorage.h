#pragma once

#include <QString>

#include <optional>

// What "AT+CPMS?" says of the storage messages are read from, in the shapes phones give it:
// "+CPMS: "SM",3,10,"SM",3,10,...", with spaces after the commas, only the memories'
// names ("SM","SM","SM"), or empty fields.
struct MessageStorage
{
    QString memory;
    std::optional<int> used;
    std::optional<int> total;

    static MessageStorage of(const QString &reply);
};
