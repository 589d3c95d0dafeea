#pragma once

#include "linkrig.h"

#include "phonebook/phonebook.h"

#include <QFile>

// A phone link, connected to the simulated phone, with a phonebook on top.
struct PhonebookRig : LinkRig
{
    PhonebookRig() : phonebook(link.exchange, link.lock, link.supervisor)
    {
        QFile::remove(phonebook.cache().path());
    }

    static void fill(QMap<int, simphone::Contact> &book, int count, const QByteArray &prefix = "Contact")
    {
        for (int i = 1; i <= count; ++i)
            book.insert(i, {"0301234" + QByteArray::number(i), 129, prefix + ' ' + QByteArray::number(i)});
    }

    QByteArray cacheBytes() const
    {
        QFile file(phonebook.cache().path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Phonebook phonebook;
};
