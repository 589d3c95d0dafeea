#include "phoneprofile.h"

#include "tabloader.h"

QString PhoneProfile::name() const
{
    // Modules often repeat the maker in the model ("SIMCOM_SIM800L" by "SIMCOM_Ltd").
    const QString maker = manufacturer.section(QLatin1Char('_'), 0, 0).section(QLatin1Char(' '), 0, 0);
    if (model.isEmpty())
        return manufacturer;
    if (maker.isEmpty() || model.startsWith(maker, Qt::CaseInsensitive))
        return model;
    return maker + QLatin1Char(' ') + model;
}

PhoneText PhoneProfile::text() const
{
    if (family != Family::Standard)
        return PhoneText();
    // A set Quenda does not know is read as GSM, what the phone starts in.
    return PhoneText(CharacterSets::named(characterSet).value_or(CharacterSets::Set::Gsm));
}

QString PhoneProfile::lacking(int tab) const
{
    if (family != Family::Standard)
        return QString();
    switch (tab) {
    case TabLoader::Ringtones:
        if (!melodies)
            return tr("%1 has no melody commands: ringtones are the Mitsubishi Trium Mars's own.")
                .arg(name());
        break;
    case TabLoader::ViewSMS:
    case TabLoader::CreateSMS:
        if (!textMode && !pduMode)
            return tr("%1 offers no messages over the cable: \"AT+CMGF=?\" names no mode.").arg(name());
        break;
    case TabLoader::RemoteControl:
        if (!keypad)
            return tr("%1 takes no key presses: it refuses \"AT+CKPD=?\".").arg(name());
        break;
    default:
        break;
    }
    return QString();
}
