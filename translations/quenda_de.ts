<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>...panta rhei...</source>
        <extracomment>The motto, in Greek (&quot;everything flows&quot;): usually kept as it is.</extracomment>
        <translation>...panta rhei...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Manager for the Mitsubishi Trium Mars
(c) %1 by %2</source>
        <translation>Verwaltung für das Mitsubishi Trium Mars
(c) %1 von %2</translation>
    </message>
    <message>
        <source>Write us a mail</source>
        <translation>Schreiben Sie uns eine E-Mail</translation>
    </message>
    <message>
        <source>&amp;Allright!</source>
        <translation>&amp;Alles klar!</translation>
    </message>
</context>
<context>
    <name>ArchiveFileDialog</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Invalid Filename!</source>
        <translation>Ungültiger Dateiname!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>BackupController</name>
    <message>
        <source>Back Up Phone</source>
        <translation>Telefon sichern</translation>
    </message>
    <message>
        <source>Back Up</source>
        <comment>the accept button of the backup&apos;s folder dialog</comment>
        <translation>Sichern</translation>
    </message>
</context>
<context>
    <name>BackupFolder</name>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 holds other files now</source>
        <translation>%1 enthält inzwischen andere Dateien</translation>
    </message>
    <message>
        <source>%1 cannot be replaced</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>the folder cannot be renamed to %1</source>
        <translation>der Ordner kann nicht in %1 umbenannt werden</translation>
    </message>
</context>
<context>
    <name>CallingDialog</name>
    <message>
        <source>Calling...</source>
        <translation>Anruf läuft...</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment>ends the call</comment>
        <translation>Auflegen</translation>
    </message>
</context>
<context>
    <name>CmgrReply</name>
    <message>
        <source>Unknown</source>
        <comment>the name of a sender the contacts do not know</comment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Unsend Message</source>
        <translation>Ungesendet</translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation>Gesendet</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>The command.</source>
        <extracomment>What the command&apos;s words are, in its --help.</extracomment>
        <translation>Der Befehl.</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 erwartet %2.</translation>
    </message>
    <message>
        <source>%1 takes no arguments.</source>
        <translation>%1 erwartet keine Argumente.</translation>
    </message>
</context>
<context>
    <name>CommandLine::BackupCommands</name>
    <message>
        <source>%1 holds an earlier backup; --yes replaces it.</source>
        <translation>%1 enthält eine frühere Sicherung; --yes ersetzt sie.</translation>
    </message>
    <message>
        <source>%1 holds other files. Name a new or an empty folder.</source>
        <translation>%1 enthält andere Dateien. Nennen Sie einen neuen oder einen leeren Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be a folder.</source>
        <translation>%1 kann kein Ordner sein.</translation>
    </message>
    <message>
        <source>No %1: is %2 a backup folder?</source>
        <extracomment>%1 is the file of SIM contacts a backup folder holds, %2 the folder.</extracomment>
        <translation>%1 fehlt: Ist %2 ein Sicherungsordner?</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts written to the SIM card.</source>
        <translation>
            <numerusform>%n Kontakt auf die SIM-Karte geschrieben.</numerusform>
            <numerusform>%n Kontakte auf die SIM-Karte geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine::Commands</name>
    <message>
        <source>Battery, maker, model, network and SIM, one per line.</source>
        <translation>Akku, Hersteller, Modell, Netz und SIM-Karte, eine Angabe pro Zeile.</translation>
    </message>
    <message>
        <source>Place, name and number of every contact, tab-separated.</source>
        <translation>Platz, Name und Rufnummer jedes Kontakts, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>A placeholder of the usage lines, in capitals; the summaries name it so too.</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Write the contacts to FILE: vCard for .vcf, else the window&apos;s .qd5 format.</source>
        <translation>Die Kontakte in FILE schreiben: vCard bei .vcf, sonst das .qd5-Format des Fensters.</translation>
    </message>
    <message>
        <source>Write the contacts of FILE (.qd5 or .vcf) that the SIM card lacks to its free places.</source>
        <translation>Die Kontakte aus FILE (.qd5 oder .vcf), die auf der SIM-Karte fehlen, auf ihre freien Plätze schreiben.</translation>
    </message>
    <message>
        <source>Write one contact to the SIM card.</source>
        <translation>Einen Kontakt auf die SIM-Karte schreiben.</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>PLACE</translation>
    </message>
    <message>
        <source>Delete the contact in PLACE.</source>
        <translation>Den Kontakt auf Platz PLACE löschen.</translation>
    </message>
    <message>
        <source>Every stored message: slot, date or label, number and name, then its text indented.</source>
        <translation>Jede gespeicherte Mitteilung: Speicherplatz, Datum oder Kennzeichnung, Rufnummer und Name, darunter eingerückt ihr Text.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Append the messages not yet archived to FILE (default: the window&apos;s archive).</source>
        <translation>Die noch nicht archivierten Mitteilungen an FILE anhängen (Vorgabe: das Archiv des Fensters).</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Send TEXT (standard input for -).</source>
        <translation>TEXT senden (bei - die Standardeingabe).</translation>
    </message>
    <message>
        <source>Store TEXT (standard input for -) unsent on the phone.</source>
        <translation>TEXT (bei - die Standardeingabe) ungesendet im Telefon speichern.</translation>
    </message>
    <message>
        <source>SLOT</source>
        <translation>SLOT</translation>
    </message>
    <message>
        <source>Delete the message in SLOT.</source>
        <translation>Die Mitteilung auf Speicherplatz SLOT löschen.</translation>
    </message>
    <message>
        <source>The phone&apos;s sixteen melodies by slot, with the number the window shows.</source>
        <translation>Die sechzehn Melodien des Telefons nach Speicherplatz, mit der Nummer, die das Fenster zeigt.</translation>
    </message>
    <message>
        <source>Upload the melody FILE (.mdy) into a slot.</source>
        <translation>Die Melodie FILE (.mdy) auf einen Speicherplatz hochladen.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Back up contacts, messages, melody names and phone details into the new folder DIR.</source>
        <translation>Kontakte, Mitteilungen, Melodienamen und Angaben zum Telefon im neuen Ordner DIR sichern.</translation>
    </message>
    <message>
        <source>Write the SIM contacts of the backup in DIR that the SIM card lacks to its free places.</source>
        <translation>Die SIM-Kontakte der Sicherung in DIR, die auf der SIM-Karte fehlen, auf ihre freien Plätze schreiben.</translation>
    </message>
    <message>
        <source>IN OUT</source>
        <translation>IN OUT</translation>
    </message>
    <message>
        <source>Copy the line recording IN to OUT with names, numbers and texts replaced.</source>
        <translation>Die Leitungsaufzeichnung IN nach OUT kopieren, mit ersetzten Namen, Rufnummern und Texten.</translation>
    </message>
    <message>
        <source>SEQUENCE</source>
        <translation>SEQUENCE</translation>
    </message>
    <message>
        <source>Press the keys of SEQUENCE one by one (0-9, *, #).</source>
        <translation>Die Tasten von SEQUENCE nacheinander drücken (0-9, *, #).</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>Call NUMBER and leave the call up.</source>
        <translation>NUMBER anrufen und die Verbindung bestehen lassen.</translation>
    </message>
    <message>
        <source>End the call.</source>
        <translation>Den Anruf beenden.</translation>
    </message>
    <message>
        <source>Usage: quenda-cli [--device PATH] [--baud N] [--yes] [--trace FILE] COMMAND [options]</source>
        <translation>Aufruf: quenda-cli [--device PATH] [--baud N] [--yes] [--trace FILE] COMMAND [Optionen]</translation>
    </message>
    <message>
        <source>Quenda for scripts: one operation on the Mitsubishi Trium Mars per run.</source>
        <translation>Quenda für Skripte: ein Vorgang am Mitsubishi Trium Mars pro Aufruf.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <extracomment>The heading of the list of commands in quenda-cli --help.</extracomment>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&apos;quenda-cli COMMAND --help&apos; describes a command&apos;s options.</source>
        <translation>&apos;quenda-cli COMMAND --help&apos; beschreibt die Optionen eines Befehls.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 the phone refused or timed out, or the result is
incomplete, 2 usage, 3 no phone, 130 interrupted (the operation is cancelled
as with Cancel).</source>
        <extracomment>The line breaks keep the help within 80 columns. Cancel is the button of the window&apos;s Working... box.</extracomment>
        <translation>Exit-Codes: 0 erledigt, 1 das Telefon lehnte ab, antwortete nicht rechtzeitig
oder das Ergebnis ist unvollständig, 2 falscher Aufruf, 3 kein Telefon, 130
unterbrochen (der Vorgang wird abgebrochen wie mit Abbrechen).</translation>
    </message>
</context>
<context>
    <name>CommandLine::ContactCommands</name>
    <message>
        <source>--memory takes sim, phone or a list&apos;s code (dc, rc, mc, on...): %1</source>
        <extracomment>sim, phone and the codes are what to type after --memory: keep them as they are.</extracomment>
        <translation>--memory erwartet sim, phone oder den Code einer Liste (dc, rc, mc, on...): %1</translation>
    </message>
    <message>
        <source>The Trium Mars has the memories sim and phone only.</source>
        <extracomment>sim and phone are what to type after --memory: keep them as they are.</extracomment>
        <translation>Das Trium Mars hat nur die Speicher sim und phone.</translation>
    </message>
    <message>
        <source>File Not Found Error: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Give --name N and --number X (digits, *, #, a leading +).</source>
        <extracomment>N and X are the values of --name and --number, as their help names them.</extracomment>
        <translation>Geben Sie --name N und --number X an (Ziffern, *, #, ein führendes +).</translation>
    </message>
    <message>
        <source>--index must be a whole number from %1 to %2: %3</source>
        <translation>--index muss eine ganze Zahl von %1 bis %2 sein: %3</translation>
    </message>
    <message>
        <source>The place must be a whole number from %1 to %2: %3</source>
        <translation>Der Platz muss eine ganze Zahl von %1 bis %2 sein: %3</translation>
    </message>
    <message>
        <source>No contact in place %1.</source>
        <translation>Kein Kontakt auf Platz %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine::Options</name>
    <message>
        <source>The serial device of the phone.</source>
        <translation>Das serielle Gerät des Telefons.</translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The value of --device: a path such as /dev/ttyUSB0.</extracomment>
        <translation>PATH</translation>
    </message>
    <message>
        <source>The line&apos;s speed in bit/s (default: as the window keeps it, 38400).</source>
        <translation>Die Geschwindigkeit der Leitung in bit/s (Vorgabe: wie im Fenster eingestellt, 38400).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of an option: a number</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Answer Yes to every question.</source>
        <extracomment>Yes is the answer to the program&apos;s questions.</extracomment>
        <translation>Jede Frage mit Ja beantworten.</translation>
    </message>
    <message>
        <source>Record every byte on the line, and what happened, in FILE.</source>
        <extracomment>FILE is the option&apos;s value, as the help names it after --trace.</extracomment>
        <translation>Jedes Byte auf der Leitung und alle Ereignisse in FILE aufzeichnen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of an option: a file&apos;s name.</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Print a JSON document.</source>
        <translation>Ein JSON-Dokument ausgeben.</translation>
    </message>
    <message>
        <source>The phonebook memory: sim or phone (default: as the window last chose).</source>
        <extracomment>sim and phone are the values to type after --memory: keep them as they are.</extracomment>
        <translation>Der Telefonbuchspeicher: sim oder phone (Vorgabe: die letzte Wahl im Fenster).</translation>
    </message>
    <message>
        <source>The contact&apos;s name.</source>
        <translation>Der Name des Kontakts.</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --name: a name</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>The contact&apos;s number.</source>
        <translation>Die Rufnummer des Kontakts.</translation>
    </message>
    <message>
        <source>X</source>
        <comment>the value of --number: a phone number</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>The SIM place to write to (default: the lowest free one).</source>
        <translation>Der zu beschreibende Platz auf der SIM-Karte (Vorgabe: der niedrigste freie).</translation>
    </message>
    <message>
        <source>I</source>
        <comment>the value of --index: a place on the SIM card</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>The recipient&apos;s number.</source>
        <translation>Die Rufnummer des Empfängers.</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>The value of an option: a phone number.</extracomment>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>The service centre&apos;s number (default: the one the window keeps).</source>
        <translation>Die Rufnummer der SMS-Zentrale (Vorgabe: die im Fenster eingestellte).</translation>
    </message>
    <message>
        <source>The phone&apos;s melody slot to replace: 1 to 16, as ringtones list numbers them.</source>
        <extracomment>ringtones list is a command of quenda-cli: keep it as it is.</extracomment>
        <translation>Der zu ersetzende Melodie-Speicherplatz des Telefons: 1 bis 16, nummeriert wie bei ringtones list.</translation>
    </message>
    <message>
        <source>Increase Tone Height: one octave up, when the melody allows it.</source>
        <extracomment>Increase Tone Height is the caption of the check box on the window&apos;s Ringtones tab.</extracomment>
        <translation>Tonhöhe erhöhen: eine Oktave höher, wenn die Melodie es zulässt.</translation>
    </message>
</context>
<context>
    <name>CommandLine::Printers</name>
    <message>
        <source>Battery</source>
        <comment>quenda-cli info: the charge</comment>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <comment>quenda-cli info</comment>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <comment>quenda-cli info: the phone&apos;s model</comment>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Operator</source>
        <comment>quenda-cli info: the network&apos;s</comment>
        <translation>Netzbetreiber</translation>
    </message>
    <message>
        <source>Operator ID</source>
        <comment>quenda-cli info: the network&apos;s</comment>
        <translation>Netzbetreiber-ID</translation>
    </message>
    <message>
        <source>State</source>
        <comment>quenda-cli info: how the phone is registered in the network</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Net</source>
        <comment>quenda-cli info: the network&apos;s code or kind</comment>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>quenda-cli info: the radio cell</comment>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>IMSI</source>
        <comment>quenda-cli info</comment>
        <translation>IMSI</translation>
    </message>
    <message>
        <source>Revision</source>
        <comment>quenda-cli info: the phone&apos;s firmware</comment>
        <translation>Revision</translation>
    </message>
    <message>
        <source>IMEI</source>
        <comment>quenda-cli info</comment>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Signal</source>
        <comment>quenda-cli info: the signal&apos;s strength</comment>
        <translation>Signalstärke</translation>
    </message>
</context>
<context>
    <name>CommandLine::RemoteCommands</name>
    <message>
        <source>Keys are 0 to 9, * and #: %1</source>
        <translation>Tasten sind 0 bis 9, * und #: %1</translation>
    </message>
    <message>
        <source>A number is digits, *, # and a leading +: %1</source>
        <translation>Eine Rufnummer besteht aus Ziffern, *, # und einem führenden +: %1</translation>
    </message>
    <message>
        <source>Dialling %1; &apos;quenda-cli hangup&apos; ends the call.</source>
        <extracomment>quenda-cli hangup is a command: keep it as it is.</extracomment>
        <translation>Wähle %1; &apos;quenda-cli hangup&apos; beendet den Anruf.</translation>
    </message>
</context>
<context>
    <name>CommandLine::RingtoneCommands</name>
    <message>
        <source>Give the slot to replace with --slot N.</source>
        <extracomment>N is the value of --slot, as its help names it.</extracomment>
        <translation>Geben Sie den zu ersetzenden Speicherplatz mit --slot N an.</translation>
    </message>
    <message>
        <source>--slot must be a whole number from %1 to %2: %3</source>
        <translation>--slot muss eine ganze Zahl von %1 bis %2 sein: %3</translation>
    </message>
    <message>
        <source>File Not Found Error: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine::Run</name>
    <message>
        <source>Cannot record the line in %1: %2</source>
        <translation>Die Leitung kann nicht in %1 aufgezeichnet werden: %2</translation>
    </message>
    <message>
        <source>--baud takes one of %1.</source>
        <translation>--baud erwartet einen der Werte %1.</translation>
    </message>
    <message>
        <source>Try &apos;quenda-cli %1 --help&apos;.</source>
        <extracomment>%1 is a command of quenda-cli, such as &quot;sms send&quot;.</extracomment>
        <translation>Versuchen Sie &apos;quenda-cli %1 --help&apos;.</translation>
    </message>
</context>
<context>
    <name>CommandLine::SmsCommands</name>
    <message>
        <source>The message has %1 characters; it holds %2 at most.</source>
        <translation>Die Mitteilung hat %1 Zeichen; sie fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Not listed: slot %1.</source>
        <extracomment>%1 is a slot with the phone&apos;s answer in brackets: &quot;2 (ERROR)&quot;.</extracomment>
        <translation>Nicht aufgelistet: Speicherplatz %1.</translation>
    </message>
    <message>
        <source>Not listed: slots %1.</source>
        <extracomment>%1 lists slots with the phone&apos;s answers in brackets: &quot;2 (ERROR), 5 (ERROR)&quot;.</extracomment>
        <translation>Nicht aufgelistet: Speicherplätze %1.</translation>
    </message>
    <message>
        <source>Not archived: slot %1.</source>
        <extracomment>%1 is a slot with the phone&apos;s answer in brackets: &quot;2 (ERROR)&quot;.</extracomment>
        <translation>Nicht archiviert: Speicherplatz %1.</translation>
    </message>
    <message>
        <source>Not archived: slots %1.</source>
        <extracomment>%1 lists slots with the phone&apos;s answers in brackets: &quot;2 (ERROR), 5 (ERROR)&quot;.</extracomment>
        <translation>Nicht archiviert: Speicherplätze %1.</translation>
    </message>
    <message>
        <source>Give the recipient with --to NUMBER (digits, *, #, a leading +).</source>
        <extracomment>NUMBER is the value of --to, as its help names it.</extracomment>
        <translation>Geben Sie den Empfänger mit --to NUMBER an (Ziffern, *, #, ein führendes +).</translation>
    </message>
    <message>
        <source>Give the service centre with --smsc NUMBER.</source>
        <extracomment>NUMBER is the value of --smsc, as its help names it.</extracomment>
        <translation>Geben Sie die SMS-Zentrale mit --smsc NUMBER an.</translation>
    </message>
    <message>
        <source>--to takes digits, *, # and a leading +: %1</source>
        <translation>--to erwartet Ziffern, *, # und ein führendes +: %1</translation>
    </message>
    <message>
        <source>The slot must be a whole number from %1 to %2: %3</source>
        <translation>Der Speicherplatz muss eine ganze Zahl von %1 bis %2 sein: %3</translation>
    </message>
    <message>
        <source>The phone has %1 message slots.</source>
        <translation>Das Telefon hat %1 Speicherplätze für Mitteilungen.</translation>
    </message>
</context>
<context>
    <name>CommandLine::TraceCommands</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ContactPickerDialog</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>The contacts with their numbers; choosing one and OK puts its number in the message form</source>
        <translation>Die Kontakte mit ihren Rufnummern; wählen Sie einen und dann OK, um seine Rufnummer in das Mitteilungsformular zu übernehmen</translation>
    </message>
</context>
<context>
    <name>ContactTable</name>
    <message>
        <source>%1 Contacts On SIM - %2 Free</source>
        <translation>%1 Kontakte auf der SIM-Karte - %2 frei</translation>
    </message>
    <message>
        <source>%1 Contacts On Phone - %2 Free</source>
        <translation>%1 Kontakte im Telefon - %2 frei</translation>
    </message>
</context>
<context>
    <name>ContactWriter</name>
    <message>
        <source>The phone answered place %1 with a row Quenda cannot read.</source>
        <translation>Das Telefon antwortete für Platz %1 mit einer Zeile, die Quenda nicht lesen kann.</translation>
    </message>
    <message>
        <source>%1 can only be read.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Phonebook full</source>
        <translation>Telefonbuch voll</translation>
    </message>
    <message>
        <source>No contact selected</source>
        <translation>Kein Kontakt ausgewählt</translation>
    </message>
    <message>
        <source>Delete all contacts on SIM-Card?</source>
        <translation>Alle Kontakte auf der SIM-Karte löschen?</translation>
    </message>
    <message>
        <source>Delete all contacts on Phone?</source>
        <translation>Alle Kontakte im Telefon löschen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>Warning</source>
        <extracomment>The title of a message box</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The number of %1 is longer than the %2 characters the phone takes; it was not written.</source>
        <translation>Die Rufnummer von %1 ist länger als die %2 Zeichen, die das Telefon annimmt; sie wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The numbers of %1 are longer than the %2 characters the phone takes; they were not written.</source>
        <translation>Die Rufnummern von %1 sind länger als die %2 Zeichen, die das Telefon annimmt; sie wurden nicht geschrieben.</translation>
    </message>
    <message>
        <source>1 card in the file could not be read and was skipped.</source>
        <translation>1 vCard der Datei konnte nicht gelesen werden und wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 cards in the file could not be read and were skipped.</source>
        <translation>%1 vCards der Datei konnten nicht gelesen werden und wurden übersprungen.</translation>
    </message>
    <message>
        <source>File already exists. Replace?</source>
        <translation>Die Datei ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>Invalid Filename!</source>
        <translation>Ungültiger Dateiname!</translation>
    </message>
    <message>
        <source>The contacts could not be written to %1: %2</source>
        <translation>Die Kontakte konnten nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>File Not Found Error</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>The file holds no contact.</source>
        <translation>Die Datei enthält keinen Kontakt.</translation>
    </message>
</context>
<context>
    <name>ContactsFileDialog</name>
    <message>
        <source>Export Contacts To File</source>
        <translation>Kontakte in Datei exportieren</translation>
    </message>
    <message>
        <source>Import Contacts From File</source>
        <translation>Kontakte aus Datei importieren</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>The drive whose folders are listed</source>
        <translation>Das Laufwerk, dessen Ordner angezeigt werden</translation>
    </message>
</context>
<context>
    <name>CreateSmsPage</name>
    <message>
        <source>Create SMS</source>
        <translation>SMS erstellen</translation>
    </message>
    <message>
        <source>Service Center:</source>
        <translation>SMS-Zentrale:</translation>
    </message>
    <message>
        <source>Service Centers</source>
        <translation>SMS-Zentralen</translation>
    </message>
    <message>
        <source>Phonenumber:</source>
        <translation>Rufnummer:</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>Characters: 0/160</source>
        <translation>Zeichen: 0/160</translation>
    </message>
    <message>
        <source>Upload/Send SMS</source>
        <translation>SMS hochladen/senden</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation>SMS senden</translation>
    </message>
    <message>
        <source>Upload SMS</source>
        <translation>SMS hochladen</translation>
    </message>
    <message>
        <source>Upload+Send</source>
        <comment>stores the message in the phone, then sends it</comment>
        <translation>Hochladen+Senden</translation>
    </message>
    <message>
        <source>Chooses the service center from a list of networks</source>
        <translation>Wählt die SMS-Zentrale aus einer Liste von Netzen</translation>
    </message>
    <message>
        <source>Picks the number from the phonebook</source>
        <translation>Übernimmt die Rufnummer aus dem Telefonbuch</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Mitteilungstext</translation>
    </message>
    <message>
        <source>The new message; the count below tells the characters used</source>
        <translation>Die neue Mitteilung; die Anzeige darunter nennt die verwendeten Zeichen</translation>
    </message>
    <message>
        <source>Stores the message in the phone, then sends it</source>
        <translation>Speichert die Mitteilung im Telefon und sendet sie dann</translation>
    </message>
</context>
<context>
    <name>DeviceDialog</name>
    <message>
        <source>Device for Com %1</source>
        <translation>Gerät für Com %1</translation>
    </message>
    <message>
        <source>Device</source>
        <comment>column of the serial port list: the device file</comment>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Dauerhafter Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>USB ids</source>
        <translation>USB-IDs</translation>
    </message>
    <message>
        <source>/dev/serial/by-id/... or /dev/ttyUSB0</source>
        <translation>/dev/serial/by-id/... oder /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 bit/s</translation>
    </message>
    <message>
        <source>Serial ports of this computer:</source>
        <translation>Serielle Schnittstellen dieses Computers:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Messages in &amp;text mode only (for a phone whose PDU mode misbehaves)</source>
        <translation>Mitteilungen nur im &amp;Textmodus (für Telefone mit fehlerhaftem PDU-Modus)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>Choosing a port puts its stable name, or its device, in the Device box below</source>
        <translation>Die Auswahl einer Schnittstelle trägt ihren dauerhaften Namen oder ihr Gerät unten in das Feld Gerät ein</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>The speed of the serial line</source>
        <translation>Die Geschwindigkeit der seriellen Leitung</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <source>%1 Percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The signal strength the phone does not know</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 dBm (%2 of 31)</source>
        <translation>%1 dBm (%2 von 31)</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>The network registration state</extracomment>
        <translation>Nicht eingebucht</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>The network registration state</extracomment>
        <translation>Eingebucht</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>The network registration state</extracomment>
        <translation>Netzsuche</translation>
    </message>
    <message>
        <source>Rejected</source>
        <extracomment>The network registration state</extracomment>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network registration state</extracomment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>FileChooserDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The files of the folder; choosing one puts its path in the file name box</source>
        <translation>Die Dateien des Ordners; die Auswahl einer Datei trägt ihren Pfad in das Feld Dateiname ein</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>FolderDialog</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FolderList</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The folders below the folder shown; Enter or a double click opens one</source>
        <translation>Die Ordner unterhalb des angezeigten Ordners; die Eingabetaste oder ein Doppelklick öffnet einen</translation>
    </message>
</context>
<context>
    <name>HandsetPicture</name>
    <message>
        <source>Menu</source>
        <comment>the soft key label on the display of the pictured phone</comment>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Version History</source>
        <translation>Versionsgeschichte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>InfosPage</name>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Empty</source>
        <comment>the low end of the battery bar</comment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>the high end of the battery bar</comment>
        <translation>Voll</translation>
    </message>
    <message>
        <source>0 Percent</source>
        <comment>the battery&apos;s charge before the phone told it</comment>
        <translation>0 Prozent</translation>
    </message>
    <message>
        <source>Phone Info</source>
        <translation>Telefon-Info</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Revision:</source>
        <translation>Revision:</translation>
    </message>
    <message>
        <source>IMEI:</source>
        <translation>IMEI:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Signalstärke:</translation>
    </message>
    <message>
        <source>Net Info</source>
        <translation>Netz-Info</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Netzbetreiber:</translation>
    </message>
    <message>
        <source>Operator ID:</source>
        <translation>Netzbetreiber-ID:</translation>
    </message>
    <message>
        <source>State:</source>
        <comment>the phone&apos;s registration in the network</comment>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Net:</source>
        <translation>Netz:</translation>
    </message>
    <message>
        <source>Cell:</source>
        <comment>the network cell the phone is in</comment>
        <translation>Zelle:</translation>
    </message>
    <message>
        <source>SIM Info</source>
        <translation>SIM-Info</translation>
    </message>
    <message>
        <source>IMSI:</source>
        <translation>IMSI:</translation>
    </message>
    <message>
        <source>The battery&apos;s charge, from empty to full</source>
        <translation>Der Ladezustand des Akkus, von leer bis voll</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Control</source>
        <comment>the frame of the phone&apos;s keypad</comment>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Left soft key</source>
        <translation>Linker Softkey</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s key under the left corner of its display</source>
        <translation>Drückt am Telefon die Taste unter der linken Ecke des Displays</translation>
    </message>
    <message>
        <source>Navigation up</source>
        <translation>Navigationstaste oben</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s up key</source>
        <translation>Drückt am Telefon die Taste nach oben</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Rechter Softkey</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s key under the right corner of its display</source>
        <translation>Drückt am Telefon die Taste unter der rechten Ecke des Displays</translation>
    </message>
    <message>
        <source>Call key</source>
        <translation>Anruftaste</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s green key, which calls or answers</source>
        <translation>Drückt am Telefon die grüne Taste, mit der Sie anrufen oder einen Anruf annehmen</translation>
    </message>
    <message>
        <source>Navigation left</source>
        <translation>Navigationstaste links</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s left key</source>
        <translation>Drückt am Telefon die Taste nach links</translation>
    </message>
    <message>
        <source>Navigation right</source>
        <translation>Navigationstaste rechts</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s right key</source>
        <translation>Drückt am Telefon die Taste nach rechts</translation>
    </message>
    <message>
        <source>End key</source>
        <translation>Auflegetaste</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s red key, which ends a call; held down for a second, it presses the power key</source>
        <translation>Drückt am Telefon die rote Taste, die einen Anruf beendet; eine Sekunde lang gedrückt gehalten, betätigt sie die Ein-/Aus-Taste</translation>
    </message>
    <message>
        <source>Navigation down</source>
        <translation>Navigationstaste unten</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s down key</source>
        <translation>Drückt am Telefon die Taste nach unten</translation>
    </message>
    <message>
        <source>Star key</source>
        <translation>Sterntaste</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s * key</source>
        <translation>Drückt am Telefon die Taste *</translation>
    </message>
    <message>
        <source>Hash key</source>
        <translation>Rautetaste</translation>
    </message>
    <message>
        <source>Presses the phone&apos;s # key; held down for a second, holds it on the phone too</source>
        <translation>Drückt am Telefon die Taste #; eine Sekunde lang gedrückt gehalten, bleibt sie auch am Telefon gedrückt</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>The keys of the phone, laid over its picture</source>
        <translation>Die Tasten des Telefons, über sein Bild gelegt</translation>
    </message>
</context>
<context>
    <name>LineRecorder</name>
    <message>
        <source>The recording of the line stopped at %1: %2</source>
        <translation>Die Aufzeichnung der Leitung endete bei %1: %2</translation>
    </message>
    <message>
        <source>The recording of the line stopped: %1</source>
        <translation>Die Aufzeichnung der Leitung endete: %1</translation>
    </message>
</context>
<context>
    <name>LineRecording</name>
    <message>
        <source>%1:%2: not a record of a line recording</source>
        <extracomment>A line of a recording file that is none of its records: the file, the line number</extracomment>
        <translation>%1:%2: kein Eintrag einer Leitungsaufzeichnung</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Ringtones</source>
        <translation>&amp;Klingeltöne</translation>
    </message>
    <message>
        <source>&amp;Phonebook</source>
        <translation>&amp;Telefonbuch</translation>
    </message>
    <message>
        <source>&amp;View SMS</source>
        <translation>SMS &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Create/Send SMS</source>
        <translation>SMS erstellen/&amp;senden</translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Rem&amp;ote Control</source>
        <translation>&amp;Fernbedienung</translation>
    </message>
    <message>
        <source>%1 v%2 - Trium Mars manager by %3</source>
        <translation>%1 v%2 - Trium-Mars-Verwaltung von %3</translation>
    </message>
    <message>
        <source>Program State:</source>
        <translation>Programmstatus:</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Connection State:</source>
        <translation>Verbindungsstatus:</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Back Up Phone...</source>
        <translation>Telefon sichern...</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Com %1</source>
        <extracomment>A serial port in Settings, Com Port; the number is the port&apos;s.</extracomment>
        <translation>Com %1</translation>
    </message>
    <message>
        <source>Device...</source>
        <translation>Gerät...</translation>
    </message>
    <message>
        <source>Record the Line...</source>
        <translation>Leitung aufzeichnen...</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Reset Program</source>
        <translation>Programm zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>item of the Help menu, and the title of its box</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Version History</source>
        <translation>Versionsgeschichte</translation>
    </message>
    <message>
        <source>About</source>
        <comment>item of the Help menu: opens the About box</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Export Phonebook</source>
        <translation>Telefonbuch exportieren</translation>
    </message>
    <message>
        <source>Import Phonebook</source>
        <translation>Telefonbuch importieren</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>The phone did not answer twice: show the tab again to reload.</source>
        <translation>Das Telefon hat zweimal nicht geantwortet: Zeigen Sie die Registerkarte erneut an, um sie neu zu laden.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Verbunden: %1</translation>
    </message>
    <message>
        <source>The line cannot be recorded in %1: %2</source>
        <translation>Die Leitung kann nicht in %1 aufgezeichnet werden: %2</translation>
    </message>
    <message>
        <source>Recording the line to %1</source>
        <translation>Die Leitung wird in %1 aufgezeichnet</translation>
    </message>
    <message>
        <source>Record the Line</source>
        <translation>Leitung aufzeichnen</translation>
    </message>
    <message>
        <source>Line recordings</source>
        <translation>Leitungsaufzeichnungen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>There will be no Help. Never!</source>
        <translation>Es wird keine Hilfe geben. Niemals!</translation>
    </message>
    <message>
        <source>Keep &amp;English</source>
        <translation>&amp;Englisch beibehalten</translation>
    </message>
    <message>
        <source>Quenda shows its texts in English from its next start.</source>
        <translation>Quenda zeigt seine Texte ab dem nächsten Start auf Englisch.</translation>
    </message>
    <message>
        <source>Quenda shows its texts in the desktop&apos;s language from its next start.</source>
        <translation>Quenda zeigt seine Texte ab dem nächsten Start in der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Program State: %1</source>
        <extracomment>The program state&apos;s name for a screen reader: the caption beside it and the state.</extracomment>
        <translation>Programmstatus: %1</translation>
    </message>
    <message>
        <source>What Quenda is doing with the phone; the controls that start another operation are locked meanwhile</source>
        <translation>Was Quenda gerade mit dem Telefon tut; die Bedienelemente, die einen weiteren Vorgang starten, sind so lange gesperrt</translation>
    </message>
    <message>
        <source>Connection State: %1</source>
        <extracomment>The connection state&apos;s name for a screen reader: the caption beside it and the state.</extracomment>
        <translation>Verbindungsstatus: %1</translation>
    </message>
    <message>
        <source>Whether a phone answers, and which one. %1</source>
        <extracomment>What the connection state tells, for a screen reader; %1 is the line, as the state&apos;s tooltip shows it.</extracomment>
        <translation>Ob ein Telefon antwortet, und welches. %1</translation>
    </message>
</context>
<context>
    <name>MelodyPreview</name>
    <message>
        <source>Save Melody as WAV</source>
        <translation>Melodie als WAV speichern</translation>
    </message>
    <message>
        <source>WAV sound</source>
        <translation>WAV-Audio</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Choose a melody file first.</source>
        <translation>Wählen Sie zuerst eine Melodiedatei.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 has no notes to play.</source>
        <translation>%1 enthält keine Noten zum Abspielen.</translation>
    </message>
    <message>
        <source>Playing %1, one octave up, the first %2 minutes</source>
        <translation>Wiedergabe von %1, eine Oktave höher, die ersten %2 Minuten</translation>
    </message>
    <message>
        <source>Playing %1, one octave up</source>
        <translation>Wiedergabe von %1, eine Oktave höher</translation>
    </message>
    <message>
        <source>Playing %1, the first %2 minutes</source>
        <translation>Wiedergabe von %1, die ersten %2 Minuten</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Wiedergabe von %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the preview button while a melody plays</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>the preview button: plays the chosen melody file</comment>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>MelodyUploader</name>
    <message>
        <source>Ringtone not stored: %1</source>
        <translation>Klingelton nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Ringtones above eight cannot be send correctly to phone sometimes. Continue?</source>
        <translation>Klingeltöne über Nummer acht werden manchmal nicht richtig an das Telefon gesendet. Fortfahren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>the file is larger than a melody can be (%1 KB at most).</source>
        <translation>die Datei ist größer, als eine Melodie sein kann (höchstens %1 KB).</translation>
    </message>
    <message>
        <source>File Not Found Error</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Please enter the number of the ringtone to replace (1-20).</source>
        <translation>Bitte geben Sie die Nummer des zu ersetzenden Klingeltons ein (1-20).</translation>
    </message>
    <message>
        <source>the phone did not take the melody&apos;s header; it read the first note as a command and answered %1.</source>
        <translation>das Telefon hat den Kopf der Melodie nicht angenommen; es las die erste Note als Befehl und antwortete mit %1.</translation>
    </message>
    <message>
        <source>the phone has no melody slot &quot;%1&quot; (1 to %2).</source>
        <translation>das Telefon hat keinen Melodie-Speicherplatz &quot;%1&quot; (1 bis %2).</translation>
    </message>
    <message>
        <source>the file gives no tempo (a TEMPO= line with digits).</source>
        <translation>die Datei nennt kein Tempo (eine Zeile TEMPO= mit Ziffern).</translation>
    </message>
    <message>
        <source>the file holds a command, not a note: &quot;%1&quot;.</source>
        <translation>die Datei enthält einen Befehl statt einer Note: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>MessageDeleter</name>
    <message>
        <source>No message selected</source>
        <translation>Keine Mitteilung ausgewählt</translation>
    </message>
    <message>
        <source>Unable to delete SMS: %1</source>
        <translation>SMS kann nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Unable to delete SMS</source>
        <translation>SMS kann nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>SMS on %1 - %2 Stored - %3 Free</source>
        <translation>SMS im %1 - %2 gespeichert - %3 frei</translation>
    </message>
</context>
<context>
    <name>MessageSender</name>
    <message>
        <source>SMS not sent: %1</source>
        <translation>SMS nicht gesendet: %1</translation>
    </message>
    <message>
        <source>SMS not stored: %1</source>
        <translation>SMS nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>SMS not sent: part %1 of %2: %3</source>
        <translation>SMS nicht gesendet: Teil %1 von %2: %3</translation>
    </message>
    <message>
        <source>SMS not stored: part %1 of %2: %3</source>
        <translation>SMS nicht gespeichert: Teil %1 von %2: %3</translation>
    </message>
    <message>
        <source>SMS succesfully send.</source>
        <translation>SMS erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Characters: %1/%2</source>
        <translation>Zeichen: %1/%2</translation>
    </message>
    <message>
        <source>Characters: %1 (1 message)</source>
        <translation>Zeichen: %1 (1 Mitteilung)</translation>
    </message>
    <message>
        <source>Characters: %1 (%2 messages)</source>
        <translation>Zeichen: %1 (%2 Mitteilungen)</translation>
    </message>
    <message>
        <source>no confirmation from the phone</source>
        <translation>keine Bestätigung vom Telefon</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please enter the number of your Service Center (SMSC)</source>
        <translation>Bitte geben Sie die Rufnummer Ihrer SMS-Zentrale (SMSC) ein</translation>
    </message>
    <message>
        <source>Please enter phonenumber.</source>
        <translation>Bitte geben Sie die Rufnummer ein.</translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Send the message anyway?</source>
        <translation>Das Telefon kann %1 nicht darstellen; stattdessen käme &quot;?&quot; an. Die Mitteilung trotzdem senden?</translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Store the message anyway?</source>
        <translation>Das Telefon kann %1 nicht darstellen; stattdessen käme &quot;?&quot; an. Die Mitteilung trotzdem speichern?</translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Store and send the message anyway?</source>
        <translation>Das Telefon kann %1 nicht darstellen; stattdessen käme &quot;?&quot; an. Die Mitteilung trotzdem speichern und senden?</translation>
    </message>
</context>
<context>
    <name>NewMessageNotices</name>
    <message>
        <source>A new message has arrived</source>
        <translation>Eine neue Mitteilung ist eingetroffen</translation>
    </message>
    <message>
        <source>New message from %1</source>
        <translation>Neue Mitteilung von %1</translation>
    </message>
</context>
<context>
    <name>NumberPickerDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Choosing a row and OK takes its number</source>
        <translation>Wählen Sie eine Zeile und dann OK, um ihre Rufnummer zu übernehmen</translation>
    </message>
</context>
<context>
    <name>OperationLock</name>
    <message>
        <source>Not Connected!</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Busy, try again...</source>
        <translation>Beschäftigt, bitte später erneut versuchen...</translation>
    </message>
    <message>
        <source>The phone refused &quot;%1&quot;: %2</source>
        <translation>Das Telefon lehnte &quot;%1&quot; ab: %2</translation>
    </message>
    <message>
        <source>The phone did not answer &quot;%1&quot; in time.</source>
        <translation>Das Telefon beantwortete &quot;%1&quot; nicht rechtzeitig.</translation>
    </message>
    <message>
        <source>The phone ended &quot;%1&quot; with &quot;%2&quot;, which is no result Quenda knows.</source>
        <translation>Das Telefon beendete &quot;%1&quot; mit &quot;%2&quot;, einem Ergebnis, das Quenda nicht kennt.</translation>
    </message>
    <message>
        <source>the phone did not answer in time</source>
        <translation>das Telefon antwortete nicht rechtzeitig</translation>
    </message>
    <message>
        <source>Searching for Cell</source>
        <extracomment>The program state while no phone answers</extracomment>
        <translation>Telefon wird gesucht</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The program state: connected, no operation running</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Uploading Ringtone</source>
        <translation>Klingelton wird hochgeladen</translation>
    </message>
    <message>
        <source>Loading Ringtones</source>
        <translation>Klingeltöne werden geladen</translation>
    </message>
    <message>
        <source>Loading SMs</source>
        <translation>SMS werden geladen</translation>
    </message>
    <message>
        <source>Deleting SMs</source>
        <translation>SMS werden gelöscht</translation>
    </message>
    <message>
        <source>Deleting All SMs</source>
        <translation>Alle SMS werden gelöscht</translation>
    </message>
    <message>
        <source>Loading Contacts</source>
        <translation>Kontakte werden geladen</translation>
    </message>
    <message>
        <source>Saving Contact</source>
        <translation>Kontakt wird gespeichert</translation>
    </message>
    <message>
        <source>Uploading Contact</source>
        <translation>Kontakt wird hochgeladen</translation>
    </message>
    <message>
        <source>Deleting Contact</source>
        <translation>Kontakt wird gelöscht</translation>
    </message>
    <message>
        <source>Loading Infos</source>
        <translation>Infos werden geladen</translation>
    </message>
    <message>
        <source>Placing Call</source>
        <translation>Anruf wird aufgebaut</translation>
    </message>
    <message>
        <source>Sending Keys</source>
        <translation>Tasten werden gesendet</translation>
    </message>
    <message>
        <source>Sending SMS</source>
        <translation>SMS wird gesendet</translation>
    </message>
    <message>
        <source>Uploading SMS</source>
        <translation>SMS wird hochgeladen</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The progress of the &quot;Working...&quot; window</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>PhoneBackup</name>
    <message>
        <source>Back Up Phone</source>
        <translation>Telefon sichern</translation>
    </message>
    <message>
        <source>The backup was cancelled; nothing was written.</source>
        <translation>Die Sicherung wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The phone stopped answering; no backup was written.</source>
        <translation>Das Telefon antwortet nicht mehr; es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>The phone is backed up in %1:</source>
        <translation>Das Telefon ist in %1 gesichert:</translation>
    </message>
    <message>
        <source>%1 SIM contacts in %2</source>
        <translation>%1 SIM-Kontakte in %2</translation>
    </message>
    <message>
        <source>%1 phone contacts in %2</source>
        <translation>%1 Telefonkontakte in %2</translation>
    </message>
    <message>
        <source>%1 entries of %2 in %3</source>
        <extracomment>A list of another phone: &quot;12 entries of Dialled calls (DC) in contacts-dc.vcf&quot;</extracomment>
        <translation>%1 Einträge aus %2 in %3</translation>
    </message>
    <message>
        <source>%1 messages in %2 and %3</source>
        <translation>%1 Mitteilungen in %2 und %3</translation>
    </message>
    <message>
        <source>%1 melody names in %2</source>
        <translation>%1 Melodienamen in %2</translation>
    </message>
    <message>
        <source>The phone&apos;s details and the files&apos; checksums in %1</source>
        <translation>Die Angaben zum Telefon und die Prüfsummen der Dateien in %1</translation>
    </message>
    <message>
        <source>an error</source>
        <extracomment>What the phone answered to message slots it could not read</extracomment>
        <translation>ein Fehler</translation>
    </message>
    <message>
        <source>Those messages are missing.</source>
        <translation>Diese Mitteilungen fehlen.</translation>
    </message>
    <message>
        <source>%1 holds an earlier backup. Replace it?</source>
        <translation>%1 enthält eine frühere Sicherung. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 holds other files. Choose a new or an empty folder.</source>
        <translation>%1 enthält andere Dateien. Wählen Sie einen neuen oder einen leeren Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be a folder.</source>
        <translation>%1 kann kein Ordner sein.</translation>
    </message>
    <message>
        <source>No backup was written.</source>
        <translation>Es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Die Sicherung konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PhoneLink</name>
    <message>
        <source>Com %1: no device</source>
        <translation>Com %1: kein Gerät</translation>
    </message>
    <message>
        <source>Com %1: %2</source>
        <translation>Com %1: %2</translation>
    </message>
    <message>
        <source>No such device: %1. Is the cable plugged in? (Settings, Device...)</source>
        <translation>Gerät nicht vorhanden: %1. Ist das Kabel eingesteckt? (Einstellungen, Gerät...)</translation>
    </message>
    <message>
        <source>Device busy: another program holds %1 (ModemManager?).</source>
        <translation>Gerät belegt: Ein anderes Programm verwendet %1 (ModemManager?).</translation>
    </message>
    <message>
        <source>Permission denied on %1: add yourself to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>Zugriff auf %1 verweigert: Nehmen Sie sich in die Gruppe dialout auf (sudo usermod -aG dialout $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No answer from the phone on %1 at %2 bit/s: is it switched on and the cable seated? %3</source>
        <translation>Keine Antwort vom Telefon an %1 mit %2 bit/s: Ist es eingeschaltet und sitzt das Kabel fest? %3</translation>
    </message>
    <message>
        <source>Many modems answer at 115200 instead (Settings, Device...).</source>
        <translation>Viele Modems antworten stattdessen mit 115200 (Einstellungen, Gerät...).</translation>
    </message>
    <message>
        <source>The Trium Mars answers at 38400 (Settings, Device...).</source>
        <translation>Das Trium Mars antwortet mit 38400 (Einstellungen, Gerät...).</translation>
    </message>
</context>
<context>
    <name>PhoneProfile</name>
    <message>
        <source>%1 has no melody commands: ringtones are the Mitsubishi Trium Mars&apos;s own.</source>
        <translation>%1 kennt keine Melodiebefehle: Klingeltöne gibt es nur beim Mitsubishi Trium Mars.</translation>
    </message>
    <message>
        <source>%1 offers no messages over the cable: &quot;AT+CMGF=?&quot; names no mode.</source>
        <translation>%1 bietet keine Mitteilungen über das Kabel an: &quot;AT+CMGF=?&quot; nennt keinen Modus.</translation>
    </message>
    <message>
        <source>%1 takes no key presses: it refuses &quot;AT+CKPD=?&quot;.</source>
        <translation>%1 nimmt keine Tastendrücke an: &quot;AT+CKPD=?&quot; wird abgelehnt.</translation>
    </message>
</context>
<context>
    <name>PhoneSession</name>
    <message>
        <source>%1 Name the port with --device PATH.</source>
        <extracomment>%1 says why the port cannot be opened; PATH is the value of --device, as its help names it.</extracomment>
        <translation>%1 Geben Sie die Schnittstelle mit --device PATH an.</translation>
    </message>
    <message>
        <source>No answer from the phone on %1 at %2 bit/s: is it switched on and the cable seated?</source>
        <translation>Keine Antwort vom Telefon an %1 mit %2 bit/s: Ist es eingeschaltet und sitzt das Kabel fest?</translation>
    </message>
    <message>
        <source>The device on %1 answers but does not finish its greeting.</source>
        <translation>Das Gerät an %1 antwortet, schließt seine Begrüßung aber nicht ab.</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Unterbrochen.</translation>
    </message>
    <message>
        <source>The phone stopped answering.</source>
        <translation>Das Telefon antwortet nicht mehr.</translation>
    </message>
</context>
<context>
    <name>Phonebook</name>
    <message>
        <source>it kept the memory &quot;%1&quot;</source>
        <translation>es blieb beim Speicher &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The phone refused &quot;%1&quot;: %2.</source>
        <translation>Das Telefon lehnte &quot;%1&quot; ab: %2.</translation>
    </message>
    <message>
        <source>Contacts On Cellular</source>
        <translation>Kontakte im Telefon</translation>
    </message>
</context>
<context>
    <name>PhonebookMemory</name>
    <message>
        <source>SIM card</source>
        <translation>SIM-Karte</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>A phonebook memory: the phone&apos;s own</extracomment>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Own numbers</source>
        <translation>Eigene Rufnummern</translation>
    </message>
    <message>
        <source>Dialled calls</source>
        <translation>Gewählte Rufnummern</translation>
    </message>
    <message>
        <source>Last dialled (SIM)</source>
        <translation>Zuletzt gewählt (SIM)</translation>
    </message>
    <message>
        <source>Received calls</source>
        <translation>Angenommene Anrufe</translation>
    </message>
    <message>
        <source>Missed calls</source>
        <translation>Entgangene Anrufe</translation>
    </message>
    <message>
        <source>Fixed dialling</source>
        <translation>Feste Rufnummern</translation>
    </message>
    <message>
        <source>Emergency numbers</source>
        <translation>Notrufnummern</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A phonebook memory&apos;s name and its code: &quot;Dialled calls (DC)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Contacts On SIM - %2 Free</source>
        <translation>%1 Kontakte auf der SIM-Karte - %2 frei</translation>
    </message>
    <message>
        <source>%1 Contacts On Phone - %2 Free</source>
        <translation>%1 Kontakte im Telefon - %2 frei</translation>
    </message>
    <message>
        <source>%1 Entries In %2</source>
        <extracomment>The phonebook caption of another phone&apos;s list: &quot;7 Entries In Missed calls&quot;</extracomment>
        <translation>%1 Einträge in %2</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Contacts On Cellular</source>
        <translation>Kontakte im Telefon</translation>
    </message>
    <message>
        <source>Edit Contacts</source>
        <translation>Kontakte bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>a contact&apos;s name, in the contact editor</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <comment>a contact&apos;s phone number, in the contact editor</comment>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>S&amp;ave Changes</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Create As New</source>
        <translation>&amp;Neu anlegen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>deletes the chosen contact</comment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>writes the contacts to a file</comment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <comment>reads contacts from a file into the phone</comment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the frame of the phonebook memory choice</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Contacts from &amp;Phone</source>
        <translation>Kontakte des Telef&amp;ons</translation>
    </message>
    <message>
        <source>Contacts from &amp;SIM</source>
        <translation>Kontakte der SI&amp;M-Karte</translation>
    </message>
    <message>
        <source>Phonebook memory</source>
        <translation>Telefonbuchspeicher</translation>
    </message>
    <message>
        <source>Call</source>
        <comment>dials the contact&apos;s number</comment>
        <translation>Anrufen</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <comment>opens the message form for the contact&apos;s number</comment>
        <translation>SMS senden</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>The contacts of the memory chosen under Options; choosing one shows it in the editor beside</source>
        <translation>Die Kontakte des unter Optionen gewählten Speichers; der ausgewählte erscheint daneben unter Kontakte bearbeiten</translation>
    </message>
    <message>
        <source>Delete menu</source>
        <translation>Menü Löschen</translation>
    </message>
    <message>
        <source>Opens a menu with Delete All, beside Delete</source>
        <translation>Öffnet ein Menü mit Alle löschen, neben der Schaltfläche Löschen</translation>
    </message>
    <message>
        <source>Writes the contacts to a file</source>
        <translation>Schreibt die Kontakte in eine Datei</translation>
    </message>
    <message>
        <source>Reads contacts from a file into the phone</source>
        <translation>Liest Kontakte aus einer Datei in das Telefon ein</translation>
    </message>
    <message>
        <source>The memory of the phone whose contacts are listed</source>
        <translation>Der Speicher des Telefons, dessen Kontakte angezeigt werden</translation>
    </message>
    <message>
        <source>Dials the chosen contact&apos;s number</source>
        <translation>Wählt die Rufnummer des ausgewählten Kontakts</translation>
    </message>
    <message>
        <source>Opens the message form for the chosen contact&apos;s number</source>
        <translation>Öffnet das Mitteilungsformular für die Rufnummer des ausgewählten Kontakts</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>the Quenda developers</source>
        <translation>die Quenda-Entwickler</translation>
    </message>
</context>
<context>
    <name>RemoteControlController</name>
    <message>
        <source>Change Code...</source>
        <translation>Code ändern...</translation>
    </message>
    <message>
        <source>Types the phone maker&apos;s code on the phone; its context menu changes the code</source>
        <translation>Gibt den Herstellercode am Telefon ein; im Kontextmenü lässt sich der Code ändern</translation>
    </message>
</context>
<context>
    <name>RemoteControlPage</name>
    <message>
        <source>-Automatic-</source>
        <extracomment>The language item that leaves the choice to the phone itself.</extracomment>
        <translation>-Automatisch-</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Send Keys</source>
        <translation>Tasten senden</translation>
    </message>
    <message>
        <source>Sorry, this Option is still quite buggy...</source>
        <translation>Diese Funktion ist leider noch recht fehlerhaft...</translation>
    </message>
    <message>
        <source>Normal Mode (b=22)</source>
        <translation>Normalmodus (b=22)</translation>
    </message>
    <message>
        <source>T9 Mode (b=2)</source>
        <translation>T9-Modus (b=2)</translation>
    </message>
    <message>
        <source>Special</source>
        <comment>the frame of the service code buttons</comment>
        <translation>Sonderfunktionen</translation>
    </message>
    <message>
        <source>Show IMEI</source>
        <translation>IMEI anzeigen</translation>
    </message>
    <message>
        <source>Show Soft Vers.</source>
        <translation>SW-Vers. anzeigen</translation>
    </message>
    <message>
        <source>Show Hard Vers.</source>
        <translation>HW-Vers. anzeigen</translation>
    </message>
    <message>
        <source>Show IMEI+Soft</source>
        <translation>IMEI+SW anzeigen</translation>
    </message>
    <message>
        <source>Net Mon 1</source>
        <translation>Netzmonitor 1</translation>
    </message>
    <message>
        <source>Net Mon 2</source>
        <translation>Netzmonitor 2</translation>
    </message>
    <message>
        <source>M4 Testmode</source>
        <translation>M4-Testmodus</translation>
    </message>
    <message>
        <source>Sup Traces</source>
        <translation>Sup-Traces</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Warmstart</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>switches the phone to the language chosen beside it</comment>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Enable/Disable by clicking again.</source>
        <translation>Erneutes Klicken schaltet ein/aus.</translation>
    </message>
    <message>
        <source>Keys to send</source>
        <translation>Zu sendende Tasten</translation>
    </message>
    <message>
        <source>What is typed here goes to the phone as key presses, in the mode chosen above</source>
        <translation>Was Sie hier eingeben, geht im oben gewählten Modus als Tastendrücke an das Telefon</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language Set switches the phone to</source>
        <translation>Die Sprache, auf die Setzen das Telefon umstellt</translation>
    </message>
    <message>
        <source>Switches the phone to the language chosen beside it; its context menu changes the code</source>
        <translation>Stellt das Telefon auf die daneben gewählte Sprache um; im Kontextmenü lässt sich der Code ändern</translation>
    </message>
</context>
<context>
    <name>ResetTexts</name>
    <message>
        <source>Choose Message to Display it here!</source>
        <translation>Wählen Sie eine Mitteilung, um sie hier anzuzeigen!</translation>
    </message>
    <message>
        <source>Cellular Number</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The sender&apos;s name box of the View SMS tab, while no message is chosen.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Contacts on Cellular</source>
        <translation>Kontakte im Telefon</translation>
    </message>
</context>
<context>
    <name>RingtonesController</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>ringtones left out of the import report</comment>
        <translation>
            <numerusform>... und %n weiterer</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Import RTTTL</source>
        <translation>RTTTL importieren</translation>
    </message>
</context>
<context>
    <name>RingtonesPage</name>
    <message>
        <source>Ringtones On PC</source>
        <translation>Klingeltöne am PC</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the folder of melody files again</comment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Change Dir</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>the preview button: plays the chosen melody file</comment>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Save as WAV...</source>
        <translation>Als WAV speichern...</translation>
    </message>
    <message>
        <source>Import RTTTL...</source>
        <translation>RTTTL importieren...</translation>
    </message>
    <message>
        <source>Ringtones on Trium Mars</source>
        <translation>Klingeltöne im Trium Mars</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the melody list of the phone again</comment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>a melody from the phone to the PC</comment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Ringtone Upload</source>
        <translation>Klingelton hochladen</translation>
    </message>
    <message>
        <source>Increase Tone Height</source>
        <translation>Tonhöhe erhöhen</translation>
    </message>
    <message>
        <source>Replace Ringtone No. (1-8):</source>
        <translation>Klingelton Nr. (1-8) ersetzen:</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment>the chosen melody file into the phone</comment>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Ringtones On PC - %1</source>
        <translation>Klingeltöne am PC - %1</translation>
    </message>
    <message>
        <source>Ringtones on PC</source>
        <translation>Klingeltöne am PC</translation>
    </message>
    <message>
        <source>The melody files of the folder; the one chosen is played, saved as WAV or uploaded</source>
        <translation>Die Melodiedateien des Ordners; die ausgewählte wird abgespielt, als WAV gespeichert oder hochgeladen</translation>
    </message>
    <message>
        <source>Reads the folder of melody files again</source>
        <translation>Liest den Ordner der Melodiedateien neu ein</translation>
    </message>
    <message>
        <source>Chooses the folder of melody files</source>
        <translation>Wählt den Ordner der Melodiedateien</translation>
    </message>
    <message>
        <source>Ringtones on phone</source>
        <translation>Klingeltöne im Telefon</translation>
    </message>
    <message>
        <source>The melodies in the phone; choosing one of the first eight makes its number the one an upload replaces</source>
        <translation>Die Melodien im Telefon; die Auswahl einer der ersten acht legt fest, welche Nummer das Hochladen ersetzt</translation>
    </message>
    <message>
        <source>Reads the melody list of the phone again</source>
        <translation>Liest die Melodienliste des Telefons neu ein</translation>
    </message>
    <message>
        <source>Writes the chosen melody file into the phone, in place of the ringtone number beside it</source>
        <translation>Schreibt die ausgewählte Melodiedatei in das Telefon, anstelle des Klingeltons mit der Nummer daneben</translation>
    </message>
</context>
<context>
    <name>Rtttl</name>
    <message>
        <source>&quot;%1&quot; is no note length, kept %2</source>
        <translation>&quot;%1&quot; ist keine Notenlänge, %2 beibehalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no octave, kept %2</source>
        <translation>&quot;%1&quot; ist keine Oktave, %2 beibehalten</translation>
    </message>
    <message>
        <source>tempo %1 made %2</source>
        <translation>Tempo %1 zu %2 geändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tempo, kept %2</source>
        <translation>&quot;%1&quot; ist kein Tempo, %2 beibehalten</translation>
    </message>
    <message>
        <source>moved up 1 octave</source>
        <translation>um 1 Oktave nach oben verschoben</translation>
    </message>
    <message>
        <source>moved up %1 octaves</source>
        <translation>um %1 Oktaven nach oben verschoben</translation>
    </message>
    <message>
        <source>moved down 1 octave</source>
        <translation>um 1 Oktave nach unten verschoben</translation>
    </message>
    <message>
        <source>moved down %1 octaves</source>
        <translation>um %1 Oktaven nach unten verschoben</translation>
    </message>
    <message>
        <source>too long: %1 characters, at most %2</source>
        <translation>zu lang: %1 Zeichen, höchstens %2</translation>
    </message>
    <message>
        <source>missing sections: not &quot;name:settings:notes&quot;</source>
        <translation>Abschnitte fehlen: nicht &quot;name:settings:notes&quot;</translation>
    </message>
    <message>
        <source>tempo change to %1 among the notes ignored</source>
        <translation>Tempowechsel auf %1 zwischen den Noten ignoriert</translation>
    </message>
    <message>
        <source>no notes</source>
        <translation>keine Noten</translation>
    </message>
    <message>
        <source>no note it could read: %1</source>
        <translation>keine lesbare Note: %1</translation>
    </message>
    <message>
        <source>skipped %1 unreadable: %2</source>
        <translation>%1 unlesbare übersprungen: %2</translation>
    </message>
    <message>
        <source>%1 out of range, moved on their own to %2</source>
        <translation>%1 außerhalb des Tonumfangs, einzeln verschoben nach %2</translation>
    </message>
</context>
<context>
    <name>RtttlDialog</name>
    <message>
        <source>Import RTTTL</source>
        <translation>RTTTL importieren</translation>
    </message>
    <message>
        <source>Paste RTTTL ringtones, one a line (name:d=4,o=5,b=125:8g,8a,8p,...), or read them from a file:</source>
        <translation>Fügen Sie RTTTL-Klingeltöne ein, einen pro Zeile (name:d=4,o=5,b=125:8g,8a,8p,...), oder lesen Sie sie aus einer Datei:</translation>
    </message>
    <message>
        <source>From File...</source>
        <translation>Aus Datei...</translation>
    </message>
    <message>
        <source>Import</source>
        <comment>the dialog&apos;s OK button</comment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open RTTTL File</source>
        <translation>RTTTL-Datei öffnen</translation>
    </message>
    <message>
        <source>RTTTL ringtones</source>
        <translation>RTTTL-Klingeltöne</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>%1 is too large for ringtones.</source>
        <translation>%1 ist zu groß für Klingeltöne.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that cannot be opened, and the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RtttlImport</name>
    <message>
        <source>Import RTTTL</source>
        <translation>RTTTL importieren</translation>
    </message>
    <message>
        <source>%1, 1 note, tempo %2</source>
        <translation>%1, 1 Note, Tempo %2</translation>
    </message>
    <message>
        <source>%1, %2 notes, tempo %3</source>
        <translation>%1, %2 Noten, Tempo %3</translation>
    </message>
    <message>
        <source>not converted: %1</source>
        <translation>nicht umgewandelt: %1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists and was kept</source>
        <translation>%1 ist bereits vorhanden und wurde beibehalten</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1 &quot;%2&quot;: %3</source>
        <translation>Zeile %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>No RTTTL ringtone found.</source>
        <translation>Kein RTTTL-Klingelton gefunden.</translation>
    </message>
</context>
<context>
    <name>SerialLine</name>
    <message>
        <source>No device for port %1</source>
        <translation>Kein Gerät für Schnittstelle %1</translation>
    </message>
</context>
<context>
    <name>ServiceCentreDialog</name>
    <message>
        <source>Choose SMSC</source>
        <translation>SMS-Zentrale wählen</translation>
    </message>
    <message>
        <source>Service centers</source>
        <translation>SMS-Zentralen</translation>
    </message>
    <message>
        <source>Networks and their service center numbers; choosing one and OK puts its number in the message form</source>
        <translation>Netze und die Rufnummern ihrer SMS-Zentralen; wählen Sie eines und dann OK, um seine Rufnummer in das Mitteilungsformular zu übernehmen</translation>
    </message>
</context>
<context>
    <name>ServiceCodeDialog</name>
    <message>
        <source>Service Code</source>
        <translation>Servicecode</translation>
    </message>
    <message>
        <source>The phone maker&apos;s code for the language &quot;%1&quot;: %2 digits, typed between *# and #.</source>
        <translation>Der Herstellercode für die Sprache &quot;%1&quot;: %2 Ziffern, eingegeben zwischen *# und #.</translation>
    </message>
    <message>
        <source>The phone maker&apos;s code for &quot;%1&quot;: * and %2 digits.</source>
        <translation>Der Herstellercode für &quot;%1&quot;: * und %2 Ziffern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>ServiceCodes</name>
    <message>
        <source>Show IMEI</source>
        <translation>IMEI anzeigen</translation>
    </message>
    <message>
        <source>Show Soft Vers.</source>
        <translation>SW-Vers. anzeigen</translation>
    </message>
    <message>
        <source>Show Hard Vers.</source>
        <translation>HW-Vers. anzeigen</translation>
    </message>
    <message>
        <source>Show IMEI+Soft</source>
        <translation>IMEI+SW anzeigen</translation>
    </message>
    <message>
        <source>Net Mon 1</source>
        <translation>Netzmonitor 1</translation>
    </message>
    <message>
        <source>Net Mon 2</source>
        <translation>Netzmonitor 2</translation>
    </message>
    <message>
        <source>M4 Testmode</source>
        <translation>M4-Testmodus</translation>
    </message>
    <message>
        <source>Sup Traces</source>
        <translation>Sup-Traces</translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation>Warmstart</translation>
    </message>
</context>
<context>
    <name>ShortMessages</name>
    <message>
        <source>slot %1 (%2)</source>
        <extracomment>A message slot that could not be read, and the phone&apos;s answer to it</extracomment>
        <translation>Speicherplatz %1 (%2)</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a message box</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>1 message slot could not be read; the phone answered %1.</source>
        <translation>1 Speicherplatz für Mitteilungen konnte nicht gelesen werden; die Antwort des Telefons war %1.</translation>
    </message>
    <message>
        <source>%1 message slots could not be read; the phone answered %2.</source>
        <translation>%1 Speicherplätze für Mitteilungen konnten nicht gelesen werden; die Antwort des Telefons war %2.</translation>
    </message>
    <message>
        <source>The messages could not be archived in %1: %2</source>
        <translation>Die Mitteilungen konnten nicht in %1 archiviert werden: %2</translation>
    </message>
    <message>
        <source>SMS on Trium Mars</source>
        <translation>SMS im Trium Mars</translation>
    </message>
</context>
<context>
    <name>SmsArchive</name>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>SoundCardOutput</name>
    <message>
        <source>No sound output found: there is no sound card, or no sound server running.</source>
        <translation>Keine Tonausgabe gefunden: Es gibt keine Soundkarte, oder es läuft kein Soundserver.</translation>
    </message>
    <message>
        <source>The sound output &quot;%1&quot; does not take 16-bit mono sound at %2 Hz.</source>
        <translation>Die Tonausgabe &quot;%1&quot; nimmt keinen 16-Bit-Mono-Ton mit %2 Hz an.</translation>
    </message>
    <message>
        <source>The sound output could not be opened; another program may hold it.</source>
        <translation>Die Tonausgabe konnte nicht geöffnet werden; vielleicht belegt sie ein anderes Programm.</translation>
    </message>
    <message>
        <source>The sound output stopped taking sound.</source>
        <translation>Die Tonausgabe nimmt keinen Ton mehr an.</translation>
    </message>
    <message>
        <source>The sound output ran dry.</source>
        <translation>Der Tonausgabe sind die Daten ausgegangen.</translation>
    </message>
    <message>
        <source>The sound output failed.</source>
        <translation>Die Tonausgabe ist ausgefallen.</translation>
    </message>
</context>
<context>
    <name>StatusWindow</name>
    <message>
        <source>Working...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>Supervisor</name>
    <message>
        <source>The phone answers, but refuses &quot;AT+CGMI&quot; (%1): nothing Quenda can use.</source>
        <translation>Das Telefon antwortet, lehnt aber &quot;AT+CGMI&quot; ab (%1): Damit kann Quenda nichts anfangen.</translation>
    </message>
    <message>
        <source>The phone answers, but does not name its maker to &quot;AT+CGMI&quot;: nothing Quenda can use.</source>
        <translation>Das Telefon antwortet, nennt auf &quot;AT+CGMI&quot; aber keinen Hersteller: Damit kann Quenda nichts anfangen.</translation>
    </message>
</context>
<context>
    <name>TerminalBoxes</name>
    <message>
        <source>%1 Yes (--yes)</source>
        <extracomment>%1 is the question; Yes is the answer given for the person.</extracomment>
        <translation>%1 Ja (--yes)</translation>
    </message>
    <message>
        <source>%1 No: give --yes to answer Yes.</source>
        <extracomment>%1 is the question; No is the answer given for the person, Yes the other one.</extracomment>
        <translation>%1 Nein: Mit --yes lautet die Antwort Ja.</translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source>Working... %1</source>
        <extracomment>%1 is what the operation is doing, as the window&apos;s Working... box shows it.</extracomment>
        <translation>Bitte warten... %1</translation>
    </message>
</context>
<context>
    <name>ViewSmsController</name>
    <message>
        <source>Unknown</source>
        <comment>the sender&apos;s name, until the message&apos;s own is known</comment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ViewSmsPage</name>
    <message>
        <source>SMS on Trium Mars</source>
        <translation>SMS im Trium Mars</translation>
    </message>
    <message>
        <source>Choose Message to Display it here!
</source>
        <translation>Wählen Sie eine Mitteilung, um sie hier anzuzeigen!
</translation>
    </message>
    <message>
        <source>Cellular Number</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the sender&apos;s name box, while no message is chosen</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the messages from the phone again</comment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Delete SMS</source>
        <translation>SMS löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Auto-SMS-Downloader</source>
        <translation>Auto-SMS-Downloader</translation>
    </message>
    <message>
        <source>Enable/Disable</source>
        <comment>switches the Auto-SMS-Downloader on and off</comment>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Choose File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Get New SMs</source>
        <translation>Neue SMS abrufen</translation>
    </message>
    <message>
        <source>Auto-SMS-Downloader dumps the SMs 
stored on your cellular to a file. If enabled it 
will be done automatically when you 
connect your phone. Only new messages 
will be appended to the file!
</source>
        <translation>Der Auto-SMS-Downloader schreibt die im 
Telefon gespeicherten SMS in eine Datei. Ist er 
eingeschaltet, geschieht das automatisch, 
sobald Sie Ihr Telefon verbinden. Nur neue 
Mitteilungen werden an die Datei angehängt!
</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>The messages stored in the phone, by time and date; choosing one shows its text, number and name</source>
        <translation>Die im Telefon gespeicherten Mitteilungen nach Uhrzeit und Datum; bei Auswahl erscheinen Text, Rufnummer und Name</translation>
    </message>
    <message>
        <source>Message text</source>
        <translation>Mitteilungstext</translation>
    </message>
    <message>
        <source>Number</source>
        <comment>the chosen message&apos;s number box</comment>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>The number the chosen message came from or went to</source>
        <translation>Die Rufnummer, von der die ausgewählte Mitteilung kam oder an die sie ging</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the chosen message&apos;s name box</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>The phonebook&apos;s name for that number</source>
        <translation>Der Name zu dieser Rufnummer im Telefonbuch</translation>
    </message>
    <message>
        <source>Reads the messages from the phone again</source>
        <translation>Liest die Mitteilungen erneut aus dem Telefon</translation>
    </message>
    <message>
        <source>Switches the Auto-SMS-Downloader on and off: on, it appends new messages to its file at every connect</source>
        <translation>Schaltet den Auto-SMS-Downloader ein und aus: Eingeschaltet hängt er bei jeder Verbindung neue Mitteilungen an seine Datei an</translation>
    </message>
    <message>
        <source>Chooses the file the Auto-SMS-Downloader appends to</source>
        <translation>Wählt die Datei, an die der Auto-SMS-Downloader anhängt</translation>
    </message>
    <message>
        <source>Appends the new messages to the file now</source>
        <translation>Hängt die neuen Mitteilungen jetzt an die Datei an</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Record every byte on the line, and what happened, in FILE.</source>
        <translation>Jedes Byte auf der Leitung und alle Ereignisse in FILE aufzeichnen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value name of --trace in --help; the description above names it too.</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The serial device of the phone, for this run (Settings, Device... chooses one for good).</source>
        <translation>Das serielle Gerät des Telefons für diesen Programmstart (Einstellungen, Gerät... wählt es dauerhaft).</translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The value name of --device in --help.</extracomment>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Manages a Mitsubishi Trium Mars over its data cable.</source>
        <translation>Verwaltet ein Mitsubishi Trium Mars über sein Datenkabel.</translation>
    </message>
    <message>
        <source>quenda: cannot record the line in %1: %2</source>
        <translation>quenda: Die Leitung kann nicht in %1 aufgezeichnet werden: %2</translation>
    </message>
</context>
</TS>
