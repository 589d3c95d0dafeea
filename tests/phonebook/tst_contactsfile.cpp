#include "phonebookcommands.h"
#include "phonebookrig.h"
#include "testenvironment.h"
#include "testfiles.h"

#include "phonebook/contactsfile.h"
#include "phonebook/contactwriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

static TestEnvironment environment;

using TestFiles::contents;
using TestFiles::put;

class TestContactsFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void exportsInPhoneOrderByteForByte();
    void exportOfAnEmptyTableLeavesAnEmptyFile();
    void replaceAskedFirst();
    void invalidFileName();
    void failedWriteKeepsTheOldFileAndWarns();
    void failedExportToANewNameLeavesNoFile();
    void wildcardNamesActOnTheNamedFileOnly();

    void importOfAnExportedFileWritesNothing();
    void importIntoTheNextFreePlaces();
    void importStopsAtAFullSim();
    void importSkipsLinesWithoutSeparator();
    void importWritesEachContactOnce_data();
    void importWritesEachContactOnce();
    void importOfAnEmptyFile();
    void importOfAMissingFile();
    void importCancelled();
    void cancelOnTheLastItemDoesNotStopTheNextOperation();

    void vCardExportReadsBackWithoutWrites();
    void vCardImportWritesItsNewContactsAndTellsOfSkippedCards();

private:
    void load(const QList<QPair<QByteArray, QByteArray>> &contacts);
    PhonebookRig *rig = nullptr;
    ContactsFile *file = nullptr;
    QTemporaryDir *dir = nullptr;
};

void TestContactsFile::init()
{
    rig = new PhonebookRig;
    QVERIFY(rig->started);
    file = new ContactsFile(rig->phonebook, rig->link.settings);
    dir = new QTemporaryDir;
}

void TestContactsFile::cleanup()
{
    delete dir;
    delete file;
    delete rig;
}

void TestContactsFile::load(const QList<QPair<QByteArray, QByteArray>> &contacts)
{
    int place = 1;
    for (const auto &contact : contacts)
        rig->sim.state().simBook.insert(place++, {contact.second, 129, contact.first});
    QVERIFY(rig->startAndConnect());
    rig->phonebook.LoadPhonebook();
    rig->sim.clearTranscript();
}

void TestContactsFile::exportsInPhoneOrderByteForByte()
{
    load({{"zora", "0301"}, {"M\x81ller", "+4930"}, {"anna", "0815"}});
    const QString path = dir->filePath(QStringLiteral("contacts.qd5"));
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::Close);
    QCOMPARE(contents(path), QByteArray("zora\x89\x86\x89"
                                        "0301\r\n"
                                        "M\xfcller\x89\x86\x89+4930\r\n"
                                        "anna\x89\x86\x89"
                                        "0815\r\n"));
    QCOMPARE(rig->link.settings.fileexp(), path);
    QVERIFY(rig->sim.transcript().isEmpty());
}

void TestContactsFile::exportOfAnEmptyTableLeavesAnEmptyFile()
{
    const QString path = dir->filePath(QStringLiteral("empty.qd5"));
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::Close);
    QCOMPARE(contents(path), QByteArray());
}

void TestContactsFile::replaceAskedFirst()
{
    load({{"anna", "0815"}});
    const QString path = dir->filePath(QStringLiteral("old.qd5"));
    put(path, "old\r\n");

    rig->boxes.answers = {false};
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::StayOpen);
    QCOMPARE(rig->boxes.asked.at(0),
             qMakePair(QStringLiteral("File already exists. Replace?"), QStringLiteral("Warning")));
    QCOMPARE(contents(path), QByteArray("old\r\n"));

    rig->boxes.answers = {true};
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::Close);
    QCOMPARE(contents(path), QByteArray("anna\x89\x86\x89"
                                        "0815\r\n"));
}

void TestContactsFile::invalidFileName()
{
    rig->link.settings.setFileexp(QStringLiteral("/somewhere/kept.qd5"));
    QCOMPARE(file->acceptExport(dir->filePath(QStringLiteral("no/such/folder/x.qd5"))),
             ContactsFile::Answer::InvalidName);
    QCOMPARE(rig->boxes.shown.at(0),
             qMakePair(QStringLiteral("Invalid Filename!"), QStringLiteral("Warning")));
    QCOMPARE(rig->link.settings.fileexp(), QStringLiteral("/somewhere/kept.qd5"));
}

void TestContactsFile::failedExportToANewNameLeavesNoFile()
{
    // A new name only ever holds the complete file: an export that fails half-way (here no file
    // may grow at all) or is killed leaves nothing that a later export would have to replace.
    load({{"anna", "0815"}});
    const QString path = dir->filePath(QStringLiteral("new.qd5"));
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit none = before;
    none.rlim_cur = 0;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
    const ContactsFile::Answer answer = file->acceptExport(path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(answer, ContactsFile::Answer::Close);
    QCOMPARE(rig->boxes.shown.size(), 1);
    QVERIFY(!QFileInfo::exists(path));
}

void TestContactsFile::failedWriteKeepsTheOldFileAndWarns()
{
    load({{"anna", "0815"}});
    // An existing file that cannot be replaced (even by root): the old content must survive.
    const QString path = QStringLiteral("/proc/version");
    const QByteArray before = contents(path);
    rig->boxes.answers = {true};
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::Close);
    QCOMPARE(contents(path), before);
    QCOMPARE(rig->boxes.shown.size(), 1);
    QCOMPARE(rig->boxes.shown.at(0).second, QStringLiteral("Warning"));
}

void TestContactsFile::wildcardNamesActOnTheNamedFileOnly()
{
    load({{"anna", "0815"}});
    const QString other = dir->filePath(QStringLiteral("contacts.qd5"));
    put(other, "other\r\n");
    const QString starred = dir->filePath(QStringLiteral("c*.qd5"));
    QCOMPARE(file->acceptExport(starred), ContactsFile::Answer::Close);
    QVERIFY(rig->boxes.asked.isEmpty());
    QCOMPARE(contents(starred), QByteArray("anna\x89\x86\x89"
                                           "0815\r\n"));
    QCOMPARE(contents(other), QByteArray("other\r\n"));

    QCOMPARE(file->acceptImport(dir->filePath(QStringLiteral("?ontacts.qd5"))),
             ContactsFile::Answer::StayOpen);
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("File Not Found Error")});
}

void TestContactsFile::importOfAnExportedFileWritesNothing()
{
    load({{"anna", "0815"}, {"M\x81ller", "+4930"}});
    const QString path = dir->filePath(QStringLiteral("round.qd5"));
    QVERIFY(file->exportTo(path));
    QCOMPARE(file->acceptImport(path), ContactsFile::Answer::Close);
    file->import(path);
    QVERIFY(rig->commandsOf("AT+CPBW").isEmpty());
    QCOMPARE(rig->progress.opened, 1);
    QCOMPARE(rig->progress.closed, 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::importIntoTheNextFreePlaces()
{
    load({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    const QString path = dir->filePath(QStringLiteral("new.qd5"));
    // A name longer than the phone takes, or with characters it lacks, is fitted as a typed one.
    put(path, "J\xfcrgen\x89\x86\x89+4917\r\nb\x89\x86\x89"
              "2\r\nZed\x89\x86\x89"
              "0301\r\nZed\x89\x86\x89"
              "0301\r\nRen\xe9"
              "e Abcdefghijklmnop\x80\x89\x86\x89"
              "0302\r\n");
    file->import(path);
    QCOMPARE(rig->commandsOf("AT+CPBW"),
             QList<QByteArray>({"AT+CPBW=4,\"+4917\",145,\"J\x81rgen\"", "AT+CPBW=5,\"0301\",129,\"Zed\"",
                                "AT+CPBW=6,\"0302\",129,\"Ren\x82"
                                "e Abcdefghij\""}));
    QCOMPARE(rig->progress.texts, QStringList({"20%", "40%", "60%", "80%", "100%"}));
    QCOMPARE(rig->phonebook.table().names(),
             QStringList({"a", "b", "c", "Jürgen", "Zed", "Renée Abcdefghij"}));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("6 Contacts On SIM - 244 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::importStopsAtAFullSim()
{
    rig->sim.state().simBookCapacity = 3;
    load({{"a", "1"}, {"b", "2"}});
    const QString path = dir->filePath(QStringLiteral("many.qd5"));
    put(path, "x\x89\x86\x89"
              "7\r\ny\x89\x86\x89"
              "8\r\nz\x89\x86\x89"
              "9\r\n");
    file->import(path);
    QCOMPARE(rig->commandsOf("AT+CPBW"), QList<QByteArray>{"AT+CPBW=3,\"7\",129,\"x\""});
    QCOMPARE(rig->boxes.texts(), QStringList{QStringLiteral("Phonebook full")});
    QCOMPARE(rig->progress.closed, 1);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::importSkipsLinesWithoutSeparator()
{
    load({});
    const QString path = dir->filePath(QStringLiteral("gaps.qd5"));
    put(path, "\r\nno separator here\r\nAnna\x89\x86\x89"
              "0815\r\n\r\nBo\"b\rATH\x89\x86\x89"
              "0816\r\n");
    file->import(path);
    // The CR inside the last name ends that line: "Bo"b" has no separator and "ATH" + number is
    // a contact of its own whose name is ATH.
    QCOMPARE(rig->commandsOf("AT+CPBW"),
             QList<QByteArray>({"AT+CPBW=1,\"0815\",129,\"Anna\"", "AT+CPBW=2,\"0816\",129,\"ATH\""}));
    QCOMPARE(rig->phonebook.table().size(), 2);
}

void TestContactsFile::importWritesEachContactOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<QStringList>("boxes");
    const auto line = [](const char *name, const QByteArray &number) {
        return QByteArray(name) + "\x89\x86\x89" + number + "\r\n";
    };
    QTest::newRow("Windows-1252") << line("J\xfcrgen \xa5", "0301")
                                  << QByteArrayList{"AT+CPBW=1,\"0301\",129,\"J\x81rgen \x9d\""}
                                  << QStringList{};
    // As an editor saves a file it was given.
    QTest::newRow("UTF-8")
        << QStringLiteral("Müller\u2030\u2020\u20300302\nÇelik\u2030\u2020\u20300303\n").toUtf8()
        << QByteArrayList{"AT+CPBW=1,\"0302\",129,\"M\x81ller\"", "AT+CPBW=2,\"0303\",129,\"\x80"
                                                                  "elik\""}
        << QStringList{};
    QTest::newRow("UTF-8 byte order mark")
        << "\xEF\xBB\xBF" + QStringLiteral("Anna\u2030\u2020\u20300815\r\n").toUtf8()
        << QByteArrayList{"AT+CPBW=1,\"0815\",129,\"Anna\""} << QStringList{};
    // The phone gets S for §, and lists S again.
    QTest::newRow("section sign") << line("\xa7 12", "0304")
                                  << QByteArrayList{"AT+CPBW=1,\"0304\",129,\"S 12\""} << QStringList{};
    const int longest = simphone::PhonebookCommands::maxNumberLength;
    QTest::newRow("numbers longer than the SIM card takes")
        << line("Anna", QByteArray(longest + 1, '1')) + line("Bo", QByteArray(longest, '2')) +
               line("Al", QByteArray(2000, '3'))
        << QByteArrayList{"AT+CPBW=1,\"" + QByteArray(longest, '2') + "\",129,\"Bo\""}
        << QStringList{QStringLiteral("The numbers of \"Anna\", \"Al\" are longer than the %1 characters the "
                                      "phone takes; they were not written.")
                           .arg(longest)};
}

void TestContactsFile::importWritesEachContactOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, writes);
    QFETCH(QStringList, boxes);
    load({});
    const QString path = dir->filePath(QStringLiteral("new.qd5"));
    put(path, bytes);
    file->import(path);
    QCOMPARE(rig->commandsOf("AT+CPBW"), writes);
    QCOMPARE(rig->boxes.texts(), boxes);

    // Imported again after the contacts were read from the phone: nothing is new.
    QVERIFY(rig->phonebook.LoadPhonebook());
    rig->sim.clearTranscript();
    rig->boxes.shown.clear();
    file->import(path);
    QVERIFY(rig->commandsOf("AT+CPBW").isEmpty());
    QCOMPARE(rig->boxes.texts(), boxes);
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::importOfAnEmptyFile()
{
    load({});
    const QString path = dir->filePath(QStringLiteral("nothing.qd5"));
    // Nothing to import is said, whether the file is empty or in an encoding that gives nothing.
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\xff\xfe"
                                                             "A\0n\0n\0a\0;\0"
                                                             "1\0\r\0\n\0",
                                                             18)}) {
        put(path, bytes);
        rig->boxes.shown.clear();
        file->import(path);
        QCOMPARE(rig->boxes.texts(), QStringList{"The file holds no contact."});
    }
    QCOMPARE(rig->progress.opened, 0);
    QVERIFY(rig->sim.transcript().isEmpty());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::importOfAMissingFile()
{
    rig->link.settings.setFileexp(QStringLiteral("/kept.qd5"));
    QCOMPARE(file->acceptImport(dir->filePath(QStringLiteral("absent.qd5"))), ContactsFile::Answer::StayOpen);
    QCOMPARE(rig->boxes.shown.at(0),
             qMakePair(QStringLiteral("File Not Found Error"), QStringLiteral("Warning")));
    QCOMPARE(rig->link.settings.fileexp(), QStringLiteral("/kept.qd5"));
}

void TestContactsFile::importCancelled()
{
    load({});
    const QString path = dir->filePath(QStringLiteral("three.qd5"));
    put(path, "x\x89\x86\x89"
              "7\r\ny\x89\x86\x89"
              "8\r\nz\x89\x86\x89"
              "9\r\n");
    rig->cancelWhenPhoneTakes("AT+CPBW=1");
    file->import(path);
    QCOMPARE(rig->commandsOf("AT+CPBW").size(), 1);
    QTRY_VERIFY(rig->sim.transcript().contains("AT"));
    QCOMPARE(rig->phonebook.table().names(), QStringList{QStringLiteral("x")});
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::cancelOnTheLastItemDoesNotStopTheNextOperation()
{
    load({{"A", "01"}, {"B", "02"}});
    rig->sim.setReplyDelay(50);
    rig->boxes.answers = {true};
    rig->cancelWhenPhoneTakes("AT+CPBW=2");
    ContactWriter(rig->phonebook).removeAll();
    QVERIFY(rig->sim.state().simBook.isEmpty());
    // And a Cancel that came when no wait was left to end.
    QVERIFY(rig->link.lock.guard(OperationLock::DeletingContact));
    rig->link.lock.cancel();

    const QString path = dir->filePath(QStringLiteral("new.qd5"));
    put(path, "C\x89\x86\x89"
              "03\r\n");
    file->import(path);
    // Place 2 still counts as taken: its delete was not waited for.
    QCOMPARE(rig->sim.state().simBook.value(1).name, QByteArray("C"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TestContactsFile::vCardExportReadsBackWithoutWrites()
{
    load({{"zora", "0301"}, {"M\x81ller, J\x81rgen", "+4930"}});
    const QString path = dir->filePath(QStringLiteral("book.vcf"));
    QCOMPARE(file->acceptExport(path), ContactsFile::Answer::Close);
    QCOMPARE(contents(path),
             QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:zora\r\nN:zora;;;;\r\n"
                        "TEL;TYPE=CELL:0301\r\nEND:VCARD\r\n"
                        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:M\xc3\xbcller\\, J\xc3\xbcrgen\r\n"
                        "N:M\xc3\xbcller;J\xc3\xbcrgen;;;\r\nTEL;TYPE=CELL:+4930\r\nEND:VCARD\r\n"));
    file->import(path);
    QVERIFY(rig->commandsOf("AT+CPBW").isEmpty());
    QVERIFY(rig->boxes.shown.isEmpty());
    QCOMPARE(rig->progress.texts, QStringList({"50%", "100%"}));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestContactsFile::vCardImportWritesItsNewContactsAndTellsOfSkippedCards()
{
    load({{"Anna", "0815"}});
    const QString path = dir->filePath(QStringLiteral("new.VCF"));
    put(path,
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nTEL:0815\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BC=\r\n"
        "rgen\r\nTEL;CELL:+49 170 1\r\nTEL;HOME:030 2\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN:No number\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN:Cut off\r\nTEL:1\r\n");
    file->import(path);
    QCOMPARE(rig->commandsOf("AT+CPBW"),
             QList<QByteArray>({"AT+CPBW=2,\"+491701\",145,\"J\x81rgen M\x81ller/M\"",
                                "AT+CPBW=3,\"0302\",129,\"J\x81rgen M\x81ller/H\""}));
    QCOMPARE(rig->progress.texts, QStringList({"33%", "67%", "100%"}));
    QCOMPARE(rig->boxes.shown, (QList<QPair<QString, QString>>{
                                   {QStringLiteral("2 cards in the file could not be read and were skipped."),
                                    QStringLiteral("Warning")}}));
    QCOMPARE(rig->phonebook.caption(), QStringLiteral("3 Contacts On SIM - 247 Free"));
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

QTEST_GUILESS_MAIN(TestContactsFile)
#include "tst_contactsfile.moc"
