#pragma once

#include <QSettings>
#include <QString>

// The user's settings: organization and application "Quenda", group Config. Every value is
// stored as text; a missing key, or a text that does not convert to the key's kind of value,
// reads as the key's default.
class Settings
{
public:
    Settings();

    int comport() const;
    void setComport(int port);
    bool sim() const;
    void setSim(bool sim);
    double top() const;
    void setTop(double twips);
    double left() const;
    void setLeft(double twips);
    int starttab() const;
    void setStarttab(int tab);
    QString replace() const;
    void setReplace(const QString &slot);
    QString servicecenter() const;
    void setServicecenter(const QString &number);
    bool autosms() const;
    void setAutosms(bool on);
    QString filesms() const;
    void setFilesms(const QString &path);
    QString drivesms() const;
    void setDrivesms(const QString &drive);
    QString pathsms() const;
    void setPathsms(const QString &path);
    QString path() const;
    void setPath(const QString &path);
    QString drive() const;
    void setDrive(const QString &drive);
    QString fileexp() const;
    void setFileexp(const QString &path);
    QString driveexp() const;
    void setDriveexp(const QString &drive);
    QString pathexp() const;
    void setPathexp(const QString &path);

    // A text kept under a key of its own (the phone maker's service codes); empty when none.
    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &value);

    // The line's speed in bit/s (key baud): 38400, the Trium Mars's, unless another of
    // SerialLine::Speeds was chosen.
    int baud() const;
    void setBaud(int baud);
    // Messages of other phones in text mode even where they offer PDU mode (key textmode),
    // for a phone whose PDU mode misbehaves.
    bool textModeOnly() const;
    void setTextModeOnly(bool on);
    // Texts in English whatever the desktop's language (key english); read at start.
    bool keepEnglish() const;
    void setKeepEnglish(bool on);
    // Device name configured for port n (key device<n>); empty when none.
    QString device(int port) const;
    void setDevice(int port, const QString &device);

    void sync();

private:
    QString text(const char *key, const QString &fallback) const;
    int number(const char *key, int fallback) const;
    double decimal(const char *key, double fallback) const;
    bool flag(const char *key, bool fallback) const;
    void store(const char *key, const QString &value);

    mutable QSettings store_;
};
