#include "charconv.h"

namespace {

struct Repair
{
    char16_t onLine; // the phone's byte as the PC reads it in Windows-1252
    char16_t shown;  // the character the user sees and types
};

constexpr Repair Table[] = {
    {u'\u201E', u'\u00E4'}, // ä
    {u'\u017D', u'\u00C4'}, // Ä
    {u'\u201D', u'\u00F6'}, // ö
    {u'\u2122', u'\u00D6'}, // Ö
    {u'\u0081', u'\u00FC'}, // ü
    {u'\u0161', u'\u00DC'}, // Ü
    {u'\u00E1', u'\u00DF'}, // ß
    {u'\u0015', u'\u00A7'}, // §
    {u'\u009D', u'\u00A5'}, // ¥
    {u'\u0153', u'\u00A3'}, // £
    {u'\u00AD', u'\u00A1'}, // ¡
    {u'\u00A8', u'\u00BF'}, // ¿
};

} // namespace

void PhoneToPC(QString &text)
{
    for (QChar &c : text) {
        for (const Repair &r : Table) {
            if (c.unicode() == r.onLine) {
                c = QChar(r.shown);
                break;
            }
        }
    }
}

void PCToPhone(QString &text)
{
    for (QChar &c : text) {
        if (c == QChar(u'\u00A7')) {
            c = QLatin1Char('S');
            continue;
        }
        for (const Repair &r : Table) {
            if (c.unicode() == r.shown) {
                c = QChar(r.onLine);
                break;
            }
        }
    }
}

bool RepairedForPhone(QChar c)
{
    for (const Repair &r : Table) {
        if (c.unicode() == r.shown)
            return true;
    }
    return false;
}
