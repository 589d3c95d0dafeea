#pragma once

#include <QString>

// One contact as files and the phone hold it: a name and a number.
struct Contact
{
    QString name;
    QString number;

    bool operator==(const Contact &other) const { return name == other.name && number == other.number; }
    bool operator!=(const Contact &other) const { return !(*this == other); }
};
