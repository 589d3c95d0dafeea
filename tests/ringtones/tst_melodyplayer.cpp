#include "recorders.h"
#include "testfiles.h"

#include "ringtones/melodyevents.h"
#include "ringtones/melodyfile.h"
#include "ringtones/melodynotation.h"
#include "ringtones/rtttl.h"
#include "ringtones/rtttlimport.h"
#include "ringtones/tonesynth.h"
#include "ringtones/wavfile.h"
#include "text/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(ToneEvent)

using NoteChecks = QList<QPair<int, ToneEvent>>;

namespace {

QStringList sampleMelody(const char *file)
{
    return TextFile::readLines(QDir(QStringLiteral(MELODY_FOLDER)).filePath(QLatin1String(file)));
}

double totalMs(const QList<ToneEvent> &events)
{
    double total = 0;
    for (const ToneEvent &event : events)
        total += event.durationMs;
    return total;
}

// Sign changes of a sine of f Hz: 2 f a second.
double measuredFrequency(const QByteArray &pcm, qsizetype first, qsizetype last)
{
    int crossings = 0;
    const auto *samples = reinterpret_cast<const uchar *>(pcm.constData());
    qint16 previous = qFromLittleEndian<qint16>(samples + 2 * first);
    for (qsizetype i = first + 1; i < last; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(samples + 2 * i);
        if ((previous < 0) != (sample < 0))
            ++crossings;
        previous = sample;
    }
    return crossings / 2.0 / (double(last - first) / ToneSynth::SampleRate);
}

quint32 word(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 halfWord(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

class TestMelodyPlayer : public QObject
{
    Q_OBJECT
private slots:
    void readsNoteLines_data();
    void readsNoteLines();
    void tempoOfTheFile_data();
    void tempoOfTheFile();
    void playsTheSampleMelodies_data();
    void playsTheSampleMelodies();
    void previewPlaysWhatTheUploadSends_data();
    void previewPlaysWhatTheUploadSends();

    void soundHasThePitchOfTheNote_data();
    void soundHasThePitchOfTheNote();
    void soundStopsAtTheCap();
    void wavFile();

    void convertsRtttl_data();
    void convertsRtttl();
    void reportsMalformedRtttl_data();
    void reportsMalformedRtttl();
    void importAsksBeforeReplacing_data();
    void importAsksBeforeReplacing();
};

void TestMelodyPlayer::readsNoteLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("dotted");
    QTest::newRow("middle a") << "a 4" << true << 440.0 << 4 << false;
    QTest::newRow("middle c") << "c 4" << true << 261.63 << 4 << false;
    QTest::newRow("digit e") << "e4 4" << true << 329.63 << 4 << false;
    QTest::newRow("upper sharp") << "F# 8" << true << 369.99 << 8 << false;
    QTest::newRow("low g") << "g- 8" << true << 196.00 << 8 << false;
    QTest::newRow("low sharp, no space") << "a#-16" << true << 233.08 << 16 << false;
    QTest::newRow("high d, no space") << "d+4" << true << 587.33 << 4 << false;
    QTest::newRow("top c") << "c++ 4" << true << 1046.50 << 4 << false;
    QTest::newRow("digit top c, whole") << "C6 1" << true << 1046.50 << 1 << false;
    QTest::newRow("digit low f") << "f3 32" << true << 174.61 << 32 << false;
    QTest::newRow("dotted") << "f#5 4." << true << 739.99 << 4 << true;
    QTest::newRow("digit glued to a sharp is a length") << "c#4" << true << 277.18 << 4 << false;
    QTest::newRow("trailing spaces") << "b- 2  " << true << 246.94 << 2 << false;
    QTest::newRow("pause") << "p 8" << true << 0.0 << 8 << false;
    QTest::newRow("lone letter") << "c" << false << 0.0 << 0 << false;
    QTest::newRow("digit without space") << "c4" << false << 0.0 << 0 << false;
    QTest::newRow("pause without space") << "p8" << false << 0.0 << 0 << false;
    QTest::newRow("below the range") << "c- 4" << false << 0.0 << 0 << false;
    QTest::newRow("above the range") << "d6 4" << false << 0.0 << 0 << false;
    QTest::newRow("no such length") << "c 3" << false << 0.0 << 0 << false;
    QTest::newRow("junk after the length") << "c 4 x" << false << 0.0 << 0 << false;
    QTest::newRow("no pitch letter") << "x 4" << false << 0.0 << 0 << false;
    QTest::newRow("empty") << "" << false << 0.0 << 0 << false;
}

void TestMelodyPlayer::readsNoteLines()
{
    QFETCH(QString, line);
    QFETCH(bool, readable);
    const std::optional<MelodyNotation::Note> note = MelodyNotation::readNoteLine(line);
    QCOMPARE(note.has_value(), readable);
    if (!readable)
        return;
    QFETCH(double, frequency);
    const double heard = note->pitch ? MelodyNotation::frequency(*note->pitch) : 0.0;
    QVERIFY2(qAbs(heard - frequency) < 0.5, qPrintable(QString::number(heard)));
    QTEST(note->length, "length");
    QTEST(note->dotted, "dotted");
}

void TestMelodyPlayer::tempoOfTheFile_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<double>("quarterMs");
    QTest::newRow("none") << QStringList{} << 500.0;
    QTest::newRow("not a number") << QStringList{"TEMPO=fast"} << 500.0;
    QTest::newRow("digits as sent") << QStringList{"TEMPO=1x5a0"} << 400.0;
    QTest::newRow("last wins") << QStringList{"TEMPO=60", "TEMPO=240"} << 250.0;
    QTest::newRow("zero") << QStringList{"TEMPO=0"} << 60000.0 / 25;
    QTest::newRow("too fast") << QStringList{"TEMPO=1000"} << 60000.0 / 900;
    QTest::newRow("overflowing") << QStringList{"TEMPO=99999999999999999999999"} << 60000.0 / 900;
}

void TestMelodyPlayer::tempoOfTheFile()
{
    QFETCH(QStringList, header);
    QFETCH(double, quarterMs);
    const QList<ToneEvent> events = MelodyEvents(ParseMelody(header + QStringList{"c 4", "c 8."}), false);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).durationMs, quarterMs);
    QCOMPARE(events.at(1).durationMs, quarterMs * 0.75);
}

void TestMelodyPlayer::playsTheSampleMelodies_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("totalMs");
    QTest::addColumn<NoteChecks>("checks");
    QTest::newRow("frere_jacques") << sampleMelody("frere_jacques.mdy") << 32 << 16000.0
                                   << NoteChecks{
                                          {0, {261.63, 500}}, {27, {196.00, 500}}, {28, {261.63, 1000}}};
    QTest::newRow("greensleeves") << sampleMelody("greensleeves.mdy") << 37 << 26250.0
                                  << NoteChecks{
                                         {1, {523.25, 1250}}, {4, {698.46, 312.5}}, {14, {415.30, 312.5}}};
    QTest::newRow("ode_to_joy") << sampleMelody("ode_to_joy.mdy") << 30 << 60000.0 / 112 * 31
                                << NoteChecks{{0, {329.63, 60000.0 / 112}}, {14, {293.66, 120000.0 / 112}}};
    // "M 8" makes no sound.
    QTest::newRow("quenda_theme") << sampleMelody("quenda_theme.mdy") << 13 << 60000.0 / 132 * 10
                                  << NoteChecks{{1, {369.99, 30000.0 / 132}},
                                                {3, {196.00, 30000.0 / 132}},
                                                {9, {277.18, 30000.0 / 132}}};
    QTest::newRow("scarborough_fair")
        << sampleMelody("scarborough_fair.mdy") << 26 << 60000.0 / 90 * 35
        << NoteChecks{{0, {293.66, 120000.0 / 90}}, {10, {587.33, 60000.0 / 90}}};
    QTest::newRow("twinkle") << sampleMelody("twinkle.mdy") << 28 << 19200.0
                             << NoteChecks{{2, {392.00, 600}}, {6, {392.00, 1200}}};
}

void TestMelodyPlayer::playsTheSampleMelodies()
{
    QFETCH(QStringList, lines);
    QFETCH(NoteChecks, checks);
    const QList<ToneEvent> events = MelodyEvents(ParseMelody(lines), false);
    QTEST(int(events.size()), "count");
    QFETCH(double, totalMs);
    QVERIFY2(qAbs(::totalMs(events) - totalMs) < 1e-6, qPrintable(QString::number(::totalMs(events))));
    for (const auto &check : checks) {
        const ToneEvent &event = events.at(check.first);
        QVERIFY2(qAbs(event.frequency - check.second.frequency) < 0.5,
                 qPrintable(QString::number(check.first)));
        QCOMPARE(event.durationMs, check.second.durationMs);
    }
}

void TestMelodyPlayer::previewPlaysWhatTheUploadSends_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("raised");
    QTest::newRow("frere_jacques") << sampleMelody("frere_jacques.mdy") << true;
    QTest::newRow("greensleeves, a top note") << sampleMelody("greensleeves.mdy") << false;
    QTest::newRow("ode_to_joy") << sampleMelody("ode_to_joy.mdy") << true;
    QTest::newRow("quenda_theme") << sampleMelody("quenda_theme.mdy") << true;
    QTest::newRow("scarborough_fair, a top note") << sampleMelody("scarborough_fair.mdy") << false;
    QTest::newRow("twinkle") << sampleMelody("twinkle.mdy") << true;
    QTest::newRow("glued and odd lines")
        << QStringList{"NAME=Odd", "TEMPO=90", "a#-16", "F#-8", "c+ 4", "c+4",
                       "M 8",      "p 4",      "c#4",   "C 2.", "e4 8"}
        << true;
}

void TestMelodyPlayer::previewPlaysWhatTheUploadSends()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, raised);
    const MelodyFile melody = ParseMelody(lines);
    QStringList sent{QStringLiteral("TEMPO=") + melody.tempo};
    for (const QString &line : lines) {
        const std::optional<QString> text = MelodyLineToPhone(line, raised);
        if (text && !line.startsWith(QLatin1Char('M')) && !line.startsWith(QLatin1Char('m')))
            sent.append(text->chopped(1));
    }
    const QList<ToneEvent> preview = MelodyEvents(melody, true);
    QCOMPARE(preview, MelodyEvents(ParseMelody(sent), false));
    QCOMPARE(preview == MelodyEvents(melody, false), !raised);
}

void TestMelodyPlayer::soundHasThePitchOfTheNote_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("frequency");
    QTest::newRow("lowest") << "f- 4" << 174.61;
    QTest::newRow("a") << "a 4" << 440.0;
    QTest::newRow("highest") << "c6 4" << 1046.50;
    QTest::newRow("pause") << "p 4" << 0.0;
}

void TestMelodyPlayer::soundHasThePitchOfTheNote()
{
    QFETCH(QString, line);
    QFETCH(double, frequency);
    // A quarter lasts two seconds.
    const QByteArray pcm = ToneSynth::render(MelodyEvents(ParseMelody({"TEMPO=30", line}), false));
    const qsizetype samples = 2 * ToneSynth::SampleRate;
    QCOMPARE(pcm.size(), 2 * samples);
    const double measured = measuredFrequency(pcm, samples / 10, samples - samples / 10);
    QVERIFY2(qAbs(measured - frequency) <= frequency * 0.005, qPrintable(QString::number(measured)));
    // No click: the tone rises from silence and falls back to it.
    const auto *data = reinterpret_cast<const uchar *>(pcm.constData());
    QCOMPARE(qFromLittleEndian<qint16>(data), qint16(0));
    QVERIFY(qAbs(qFromLittleEndian<qint16>(data + pcm.size() - 2)) < 200);
}

void TestMelodyPlayer::soundStopsAtTheCap()
{
    bool cut = true;
    QCOMPARE(ToneSynth::render({{440, 1000}, {0, 500}}, &cut).size(), 3 * ToneSynth::SampleRate);
    QVERIFY(!cut);
    const QByteArray pcm = ToneSynth::render({{440, 60000}, {0, 1e300}, {440, 1000}}, &cut);
    QCOMPARE(pcm.size(), qsizetype(2) * ToneSynth::SampleRate * ToneSynth::MaxSeconds);
    QVERIFY(cut);
}

void TestMelodyPlayer::wavFile()
{
    const QByteArray pcm = ToneSynth::render({{440, 100}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.wav"));
    QVERIFY(WavFile::write(path, pcm));
    const QByteArray bytes = TestFiles::contents(path);
    QCOMPARE(bytes.size(), 44 + 4410);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(word(bytes, 4), quint32(36 + 4410));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(word(bytes, 16), quint32(16));
    QCOMPARE(halfWord(bytes, 20), quint16(1));  // PCM
    QCOMPARE(halfWord(bytes, 22), quint16(1));  // mono
    QCOMPARE(word(bytes, 24), quint32(22050));  // samples a second
    QCOMPARE(word(bytes, 28), quint32(44100));  // bytes a second
    QCOMPARE(halfWord(bytes, 32), quint16(2));  // bytes a sample
    QCOMPARE(halfWord(bytes, 34), quint16(16)); // bits a sample
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(word(bytes, 40), quint32(4410));
    QCOMPARE(bytes.mid(44), pcm);

    QString error;
    QVERIFY(!WavFile::write(dir.filePath(QStringLiteral("gone/a.wav")), pcm, &error));
    QVERIFY(!error.isEmpty());
}

void TestMelodyPlayer::convertsRtttl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("remarks");
    QTest::newRow("defaults, moved down")
        << "Tune::c,8d"
        << "Tune.mdy" << QStringList{"NAME=Tune", "TEMPO=63", "c5 4", "d5 8"} << 1;
    QTest::newRow("dotted and pause")
        << "Simpsons:d=4,o=5,b=160:32p,c.6,e6,f#6,8a6,g.6"
        << "Simpsons.mdy"
        << QStringList{"NAME=Simpsons", "TEMPO=160", "p 32", "c5 4.", "e5 4", "f#5 4", "a5 8", "g5 4."} << 1;
    QTest::newRow("every place of the dot")
        << "Dots:d=8,o=5,b=100:4e.,4.e,e.5,e5."
        << "Dots.mdy" << QStringList{"NAME=Dots", "TEMPO=100", "e5 4.", "e5 4.", "e5 8.", "e5 8."} << 0;
    QTest::newRow("sharps, H, spaces and capitals")
        << "Sharp: O=4 : C#, 8P, H, 2A#"
        << "Sharp.mdy" << QStringList{"NAME=Sharp", "TEMPO=63", "c#4 4", "p 8", "b4 4", "a#4 2"} << 0;
    QTest::newRow("wider than the range: one note moved alone")
        << "Wide:d=4,o=5,b=100:c4,c7"
        << "Wide.mdy" << QStringList{"NAME=Wide", "TEMPO=100", "c4 4", "c6 4"} << 1;
    QTest::newRow("name cut and made safe, tempo clamped")
        << "A/very:long*name:b=2000:c"
        << "A_very_long_name.mdy" << QStringList{"NAME=A/very:long", "TEMPO=900", "c6 4"} << 1;
    QTest::newRow("junk notes skipped")
        << "Junk:d=4,o=5,b=100:c,8x,zz,4.e.,d"
        << "Junk.mdy" << QStringList{"NAME=Junk", "TEMPO=100", "c5 4", "d5 4"} << 1;
    QTest::newRow("no name") << " :d=4,o=5,b=100:a"
                             << "Ringtone.mdy" << QStringList{"NAME=Ringtone", "TEMPO=100", "a5 4"} << 0;
    QTest::newRow("device name") << "Con:o=5:a"
                                 << "Con_.mdy" << QStringList{"NAME=Con", "TEMPO=63", "a5 4"} << 0;
}

void TestMelodyPlayer::convertsRtttl()
{
    QFETCH(QString, text);
    const RtttlConversion conversion = Rtttl::convert(text);
    QVERIFY2(conversion.converted(), qPrintable(conversion.failure));
    QTEST(conversion.fileName, "fileName");
    QTEST(conversion.melodyLines, "lines");
    QTEST(int(conversion.remarks.size()), "remarks");
}

void TestMelodyPlayer::reportsMalformedRtttl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("outcomes");
    QTest::newRow("no sections") << "just some text" << QStringList{"1 missing sections"};
    QTest::newRow("one colon") << "Name:c,d,e" << QStringList{"1 missing sections"};
    QTest::newRow("no notes") << "Name:d=4,o=5,b=100: , ," << QStringList{"1 no notes"};
    QTest::newRow("only junk") << "Name:d=4:x,yy,1234" << QStringList{"1 no note it could read"};
    QTest::newRow("100 KB line") << QStringLiteral("Big:d=4:") + QString(100 * 1024, QLatin1Char('c'))
                                 << QStringList{"1 too long"};
    QTest::newRow("blank lines between")
        << "A::c\r\n\r\njunk\nB::d\r" << QStringList{"1 converted", "3 missing sections", "4 converted"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestMelodyPlayer::reportsMalformedRtttl()
{
    QFETCH(QString, text);
    QFETCH(QStringList, outcomes);
    const QList<RtttlConversion> conversions = Rtttl::convertText(text);
    QCOMPARE(conversions.size(), outcomes.size());
    for (int i = 0; i < conversions.size(); ++i) {
        const RtttlConversion &conversion = conversions.at(i);
        QCOMPARE(conversion.melodyLines.isEmpty(), !conversion.converted());
        const QString outcome = QString::number(conversion.line) + QLatin1Char(' ') +
                                (conversion.converted() ? QStringLiteral("converted") : conversion.failure);
        QVERIFY2(outcome.startsWith(outcomes.at(i)), qPrintable(outcome));
    }
}

void TestMelodyPlayer::importAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QByteArray>("tune");
    QTest::addColumn<QString>("firstReport");
    QTest::newRow("Yes") << true << QByteArray("NAME=Tune\r\nTEMPO=100\r\nc5 4\r\np 8\r\n")
                         << "Line 1 \"Tune\": Tune.mdy, 2 notes, tempo 100";
    QTest::newRow("No") << false << QByteArray("old")
                        << "Line 1 \"Tune\": Tune.mdy already exists and was kept";
}

void TestMelodyPlayer::importAsksBeforeReplacing()
{
    QFETCH(bool, replace);
    QTemporaryDir dir;
    TestFiles::put(dir.filePath(QStringLiteral("Tune.mdy")), "old");
    RecordingBoxes boxes;
    boxes.answers = {replace};
    const QStringList report =
        ImportRtttl(QStringLiteral("Tune:d=4,o=5,b=100:c,8p\nCaf\u00e9/1::4a5"), dir.path(), boxes);

    QCOMPARE(boxes.asked.size(), 1);
    QCOMPARE(boxes.asked.at(0).first, QStringLiteral("Tune.mdy already exists. Replace it?"));
    QTEST(TestFiles::contents(dir.filePath(QStringLiteral("Tune.mdy"))), "tune");
    QCOMPARE(TestFiles::contents(dir.filePath(QStringLiteral("Caf\u00e9_1.mdy"))),
             QByteArray("NAME=Caf\xe9/1\r\nTEMPO=63\r\na5 4\r\n"));
    QCOMPARE(report.size(), 2);
    QTEST(report.at(0), "firstReport");
    QCOMPARE(report.at(1), QStringLiteral("Line 2 \"Caf\u00e9/1\": Caf\u00e9_1.mdy, 1 note, tempo 63"));
}

QTEST_GUILESS_MAIN(TestMelodyPlayer)
#include "tst_melodyplayer.moc"
