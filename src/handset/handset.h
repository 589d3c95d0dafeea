#pragma once

#include "info/deviceinfo.h"
#include "link/phonelink.h"
#include "phonebook/phonebook.h"
#include "ringtones/phonemelodies.h"
#include "sms/shortmessages.h"

// The subsystems that read and keep the phone's data, put together on one link the one way
// they fit: each borrows the link's exchange and lock; the messages look senders up in the
// contacts cache the phonebook keeps.
struct Subsystems
{
    explicit Subsystems(PhoneLink &link)
        : info(link.exchange, link.lock), phonebook(link.exchange, link.lock, link.supervisor),
          sms(link.exchange, link.lock, link.supervisor, link.settings, phonebook.cache().path()),
          melodies(link.exchange, link.lock)
    {
    }

    DeviceInfo info;
    Phonebook phonebook;
    ShortMessages sms;
    PhoneMelodies melodies;
};

// The phone as a front end drives it: the link and the subsystems on it, owned together for
// the program's whole run (the window) or one command (quenda-cli).
struct Handset
{
    PhoneLink link;
    Subsystems subsystems{link};
};
