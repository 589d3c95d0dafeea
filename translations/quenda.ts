<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...panta rhei...</source>
        <extracomment>The motto, in Greek (&quot;everything flows&quot;): usually kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager for the Mitsubishi Trium Mars
(c) %1 by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write us a mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Allright!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveFileDialog</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Filename!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupController</name>
    <message>
        <source>Back Up Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up</source>
        <comment>the accept button of the backup&apos;s folder dialog</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupFolder</name>
    <message>
        <source>nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds other files now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be renamed to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CallingDialog</name>
    <message>
        <source>Calling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <comment>ends the call</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CmgrReply</name>
    <message>
        <source>Unknown</source>
        <comment>the name of a sender the contacts do not know</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsend Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command.</source>
        <extracomment>What the command&apos;s words are, in its --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no arguments.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::BackupCommands</name>
    <message>
        <source>%1 holds an earlier backup; --yes replaces it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds other files. Name a new or an empty folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1: is %2 a backup folder?</source>
        <extracomment>%1 is the file of SIM contacts a backup folder holds, %2 the folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n contacts written to the SIM card.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine::Commands</name>
    <message>
        <source>Battery, maker, model, network and SIM, one per line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place, name and number of every contact, tab-separated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>A placeholder of the usage lines, in capitals; the summaries name it so too.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the contacts to FILE: vCard for .vcf, else the window&apos;s .qd5 format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the contacts of FILE (.qd5 or .vcf) that the SIM card lacks to its free places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write one contact to the SIM card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the contact in PLACE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every stored message: slot, date or label, number and name, then its text indented.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append the messages not yet archived to FILE (default: the window&apos;s archive).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send TEXT (standard input for -).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store TEXT (standard input for -) unsent on the phone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the message in SLOT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone&apos;s sixteen melodies by slot, with the number the window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload the melody FILE (.mdy) into a slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up contacts, messages, melody names and phone details into the new folder DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the SIM contacts of the backup in DIR that the SIM card lacks to its free places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN OUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the line recording IN to OUT with names, numbers and texts replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEQUENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the keys of SEQUENCE one by one (0-9, *, #).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call NUMBER and leave the call up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the call.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quenda-cli [--device PATH] [--baud N] [--yes] [--trace FILE] COMMAND [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenda for scripts: one operation on the Mitsubishi Trium Mars per run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <extracomment>The heading of the list of commands in quenda-cli --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;quenda-cli COMMAND --help&apos; describes a command&apos;s options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 the phone refused or timed out, or the result is
incomplete, 2 usage, 3 no phone, 130 interrupted (the operation is cancelled
as with Cancel).</source>
        <extracomment>The line breaks keep the help within 80 columns. Cancel is the button of the window&apos;s Working... box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::ContactCommands</name>
    <message>
        <source>--memory takes sim, phone or a list&apos;s code (dc, rc, mc, on...): %1</source>
        <extracomment>sim, phone and the codes are what to type after --memory: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Trium Mars has the memories sim and phone only.</source>
        <extracomment>sim and phone are what to type after --memory: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --name N and --number X (digits, *, #, a leading +).</source>
        <extracomment>N and X are the values of --name and --number, as their help names them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--index must be a whole number from %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place must be a whole number from %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No contact in place %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::Options</name>
    <message>
        <source>The serial device of the phone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The value of --device: a path such as /dev/ttyUSB0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line&apos;s speed in bit/s (default: as the window keeps it, 38400).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of an option: a number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Yes to every question.</source>
        <extracomment>Yes is the answer to the program&apos;s questions.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record every byte on the line, and what happened, in FILE.</source>
        <extracomment>FILE is the option&apos;s value, as the help names it after --trace.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of an option: a file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a JSON document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phonebook memory: sim or phone (default: as the window last chose).</source>
        <extracomment>sim and phone are the values to type after --memory: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --name: a name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact&apos;s number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <comment>the value of --number: a phone number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM place to write to (default: the lowest free one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I</source>
        <comment>the value of --index: a place on the SIM card</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recipient&apos;s number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>The value of an option: a phone number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service centre&apos;s number (default: the one the window keeps).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone&apos;s melody slot to replace: 1 to 16, as ringtones list numbers them.</source>
        <extracomment>ringtones list is a command of quenda-cli: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Tone Height: one octave up, when the melody allows it.</source>
        <extracomment>Increase Tone Height is the caption of the check box on the window&apos;s Ringtones tab.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::Printers</name>
    <message>
        <source>Battery</source>
        <comment>quenda-cli info: the charge</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <comment>quenda-cli info</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <comment>quenda-cli info: the phone&apos;s model</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <comment>quenda-cli info: the network&apos;s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator ID</source>
        <comment>quenda-cli info: the network&apos;s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <comment>quenda-cli info: how the phone is registered in the network</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <comment>quenda-cli info: the network&apos;s code or kind</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <comment>quenda-cli info: the radio cell</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMSI</source>
        <comment>quenda-cli info</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision</source>
        <comment>quenda-cli info: the phone&apos;s firmware</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI</source>
        <comment>quenda-cli info</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <comment>quenda-cli info: the signal&apos;s strength</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::RemoteCommands</name>
    <message>
        <source>Keys are 0 to 9, * and #: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number is digits, *, # and a leading +: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialling %1; &apos;quenda-cli hangup&apos; ends the call.</source>
        <extracomment>quenda-cli hangup is a command: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::RingtoneCommands</name>
    <message>
        <source>Give the slot to replace with --slot N.</source>
        <extracomment>N is the value of --slot, as its help names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--slot must be a whole number from %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::Run</name>
    <message>
        <source>Cannot record the line in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--baud takes one of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;quenda-cli %1 --help&apos;.</source>
        <extracomment>%1 is a command of quenda-cli, such as &quot;sms send&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::SmsCommands</name>
    <message>
        <source>The message has %1 characters; it holds %2 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listed: slot %1.</source>
        <extracomment>%1 is a slot with the phone&apos;s answer in brackets: &quot;2 (ERROR)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listed: slots %1.</source>
        <extracomment>%1 lists slots with the phone&apos;s answers in brackets: &quot;2 (ERROR), 5 (ERROR)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not archived: slot %1.</source>
        <extracomment>%1 is a slot with the phone&apos;s answer in brackets: &quot;2 (ERROR)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not archived: slots %1.</source>
        <extracomment>%1 lists slots with the phone&apos;s answers in brackets: &quot;2 (ERROR), 5 (ERROR)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the recipient with --to NUMBER (digits, *, #, a leading +).</source>
        <extracomment>NUMBER is the value of --to, as its help names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the service centre with --smsc NUMBER.</source>
        <extracomment>NUMBER is the value of --smsc, as its help names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to takes digits, *, # and a leading +: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slot must be a whole number from %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone has %1 message slots.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine::TraceCommands</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactPickerDialog</name>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contacts with their numbers; choosing one and OK puts its number in the message form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactTable</name>
    <message>
        <source>%1 Contacts On SIM - %2 Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Contacts On Phone - %2 Free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactWriter</name>
    <message>
        <source>The phone answered place %1 with a row Quenda cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can only be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phonebook full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No contact selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all contacts on SIM-Card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all contacts on Phone?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>Warning</source>
        <extracomment>The title of a message box</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of %1 is longer than the %2 characters the phone takes; it was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers of %1 are longer than the %2 characters the phone takes; they were not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card in the file could not be read and was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards in the file could not be read and were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists. Replace?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Filename!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contacts could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no contact.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsFileDialog</name>
    <message>
        <source>Export Contacts To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Contacts From File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive whose folders are listed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateSmsPage</name>
    <message>
        <source>Create SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Center:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phonenumber:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters: 0/160</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload/Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload+Send</source>
        <comment>stores the message in the phone, then sends it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the service center from a list of networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picks the number from the phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new message; the count below tells the characters used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the message in the phone, then sends it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceDialog</name>
    <message>
        <source>Device for Com %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <comment>column of the serial port list: the device file</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB ids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/dev/serial/by-id/... or /dev/ttyUSB0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports of this computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages in &amp;text mode only (for a phone whose PDU mode misbehaves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing a port puts its stable name, or its device, in the Device box below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed of the serial line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <source>%1 Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The signal strength the phone does not know</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBm (%2 of 31)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>The network registration state</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>The network registration state</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>The network registration state</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejected</source>
        <extracomment>The network registration state</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network registration state</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChooserDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files of the folder; choosing one puts its path in the file name box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderDialog</name>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderList</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folders below the folder shown; Enter or a double click opens one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandsetPicture</name>
    <message>
        <source>Menu</source>
        <comment>the soft key label on the display of the pictured phone</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Version History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfosPage</name>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <comment>the low end of the battery bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <comment>the high end of the battery bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Percent</source>
        <comment>the battery&apos;s charge before the phone told it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <comment>the phone&apos;s registration in the network</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell:</source>
        <comment>the network cell the phone is in</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMSI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battery&apos;s charge, from empty to full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Control</source>
        <comment>the frame of the phone&apos;s keypad</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left soft key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s key under the left corner of its display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s up key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s key under the right corner of its display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s green key, which calls or answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s left key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s right key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s red key, which ends a call; held down for a second, it presses the power key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s down key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s * key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hash key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the phone&apos;s # key; held down for a second, holds it on the phone too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keys of the phone, laid over its picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineRecorder</name>
    <message>
        <source>The recording of the line stopped at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording of the line stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineRecording</name>
    <message>
        <source>%1:%2: not a record of a line recording</source>
        <extracomment>A line of a recording file that is none of its records: the file, the line number</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Ringtones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create/Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rem&amp;ote Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2 - Trium Mars manager by %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Phone...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com %1</source>
        <extracomment>A serial port in Settings, Com Port; the number is the port&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the Line...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep &amp;English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenda shows its texts in English from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenda shows its texts in the desktop&apos;s language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <comment>item of the Help menu, and the title of its box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <comment>item of the Help menu: opens the About box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone did not answer twice: show the tab again to reload.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line cannot be recorded in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording the line to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There will be no Help. Never!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program State: %1</source>
        <extracomment>The program state&apos;s name for a screen reader: the caption beside it and the state.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Quenda is doing with the phone; the controls that start another operation are locked meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection State: %1</source>
        <extracomment>The connection state&apos;s name for a screen reader: the caption beside it and the state.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether a phone answers, and which one. %1</source>
        <extracomment>What the connection state tells, for a screen reader; %1 is the line, as the state&apos;s tooltip shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MelodyPreview</name>
    <message>
        <source>Save Melody as WAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a melody file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no notes to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing %1, one octave up, the first %2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing %1, one octave up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing %1, the first %2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>the preview button while a melody plays</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <comment>the preview button: plays the chosen melody file</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MelodyUploader</name>
    <message>
        <source>Ringtone not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtones above eight cannot be send correctly to phone sometimes. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than a melody can be (%1 KB at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the number of the ringtone to replace (1-20).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phone did not take the melody&apos;s header; it read the first note as a command and answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phone has no melody slot &quot;%1&quot; (1 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file gives no tempo (a TEMPO= line with digits).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds a command, not a note: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDeleter</name>
    <message>
        <source>No message selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete SMS: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to delete SMS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>SMS on %1 - %2 Stored - %3 Free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageSender</name>
    <message>
        <source>SMS not sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS not sent: part %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS not stored: part %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS succesfully send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters: %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters: %1 (1 message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters: %1 (%2 messages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no confirmation from the phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a question box</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the number of your Service Center (SMSC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter phonenumber.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Send the message anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Store the message anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone cannot show %1; it would get &quot;?&quot; instead. Store and send the message anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewMessageNotices</name>
    <message>
        <source>A new message has arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New message from %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberPickerDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing a row and OK takes its number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperationLock</name>
    <message>
        <source>Not Connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy, try again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone refused &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone did not answer &quot;%1&quot; in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone ended &quot;%1&quot; with &quot;%2&quot;, which is no result Quenda knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phone did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for Cell</source>
        <extracomment>The program state while no phone answers</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The program state: connected, no operation running</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading Ringtone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Ringtones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading SMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting SMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting All SMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Infos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placing Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The progress of the &quot;Working...&quot; window</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneBackup</name>
    <message>
        <source>Back Up Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was cancelled; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone stopped answering; no backup was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone is backed up in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SIM contacts in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 phone contacts in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries of %2 in %3</source>
        <extracomment>A list of another phone: &quot;12 entries of Dialled calls (DC) in contacts-dc.vcf&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 messages in %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 melody names in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone&apos;s details and the files&apos; checksums in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an error</source>
        <extracomment>What the phone answered to message slots it could not read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those messages are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds an earlier backup. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds other files. Choose a new or an empty folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneLink</name>
    <message>
        <source>Com %1: no device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such device: %1. Is the cable plugged in? (Settings, Device...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device busy: another program holds %1 (ModemManager?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied on %1: add yourself to the dialout group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the phone on %1 at %2 bit/s: is it switched on and the cable seated? %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many modems answer at 115200 instead (Settings, Device...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Trium Mars answers at 38400 (Settings, Device...).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneProfile</name>
    <message>
        <source>%1 has no melody commands: ringtones are the Mitsubishi Trium Mars&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers no messages over the cable: &quot;AT+CMGF=?&quot; names no mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no key presses: it refuses &quot;AT+CKPD=?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneSession</name>
    <message>
        <source>%1 Name the port with --device PATH.</source>
        <extracomment>%1 says why the port cannot be opened; PATH is the value of --device, as its help names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the phone on %1 at %2 bit/s: is it switched on and the cable seated?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device on %1 answers but does not finish its greeting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phonebook</name>
    <message>
        <source>it kept the memory &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone refused &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts On Cellular</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhonebookMemory</name>
    <message>
        <source>SIM card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>A phonebook memory: the phone&apos;s own</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialled calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last dialled (SIM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed dialling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A phonebook memory&apos;s name and its code: &quot;Dialled calls (DC)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Contacts On SIM - %2 Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Contacts On Phone - %2 Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Entries In %2</source>
        <extracomment>The phonebook caption of another phone&apos;s list: &quot;7 Entries In Missed calls&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Contacts On Cellular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>a contact&apos;s name, in the contact editor</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <comment>a contact&apos;s phone number, in the contact editor</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create As New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>deletes the chosen contact</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <comment>writes the contacts to a file</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <comment>reads contacts from a file into the phone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the frame of the phonebook memory choice</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts from &amp;Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts from &amp;SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phonebook memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <comment>dials the contact&apos;s number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send SMS</source>
        <comment>opens the message form for the contact&apos;s number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contacts of the memory chosen under Options; choosing one shows it in the editor beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a menu with Delete All, beside Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the contacts to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads contacts from a file into the phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory of the phone whose contacts are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dials the chosen contact&apos;s number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the message form for the chosen contact&apos;s number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>the Quenda developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteControlController</name>
    <message>
        <source>Change Code...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Types the phone maker&apos;s code on the phone; its context menu changes the code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteControlPage</name>
    <message>
        <source>-Automatic-</source>
        <extracomment>The language item that leaves the choice to the phone itself.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, this Option is still quite buggy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Mode (b=22)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T9 Mode (b=2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <comment>the frame of the service code buttons</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show IMEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Soft Vers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Hard Vers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show IMEI+Soft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Mon 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Mon 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4 Testmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sup Traces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <comment>switches the phone to the language chosen beside it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable/Disable by clicking again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is typed here goes to the phone as key presses, in the mode chosen above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language Set switches the phone to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches the phone to the language chosen beside it; its context menu changes the code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResetTexts</name>
    <message>
        <source>Choose Message to Display it here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellular Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The sender&apos;s name box of the View SMS tab, while no message is chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts on Cellular</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingtonesController</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <comment>ringtones left out of the import report</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import RTTTL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingtonesPage</name>
    <message>
        <source>Ringtones On PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the folder of melody files again</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <comment>the preview button: plays the chosen melody file</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as WAV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import RTTTL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtones on Trium Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the melody list of the phone again</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <comment>a melody from the phone to the PC</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtone Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Tone Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Ringtone No. (1-8):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <comment>the chosen melody file into the phone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtones On PC - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtones on PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The melody files of the folder; the one chosen is played, saved as WAV or uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the folder of melody files again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the folder of melody files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ringtones on phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The melodies in the phone; choosing one of the first eight makes its number the one an upload replaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the melody list of the phone again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the chosen melody file into the phone, in place of the ringtone number beside it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rtttl</name>
    <message>
        <source>&quot;%1&quot; is no note length, kept %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no octave, kept %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempo %1 made %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tempo, kept %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved up 1 octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved up %1 octaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved down 1 octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved down %1 octaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long: %1 characters, at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing sections: not &quot;name:settings:notes&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempo change to %1 among the notes ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no note it could read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped %1 unreadable: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 out of range, moved on their own to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtttlDialog</name>
    <message>
        <source>Import RTTTL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste RTTTL ringtones, one a line (name:d=4,o=5,b=125:8g,8a,8p,...), or read them from a file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <comment>the dialog&apos;s OK button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open RTTTL File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTTTL ringtones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for ringtones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that cannot be opened, and the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RtttlImport</name>
    <message>
        <source>Import RTTTL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, 1 note, tempo %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 notes, tempo %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists and was kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No RTTTL ringtone found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLine</name>
    <message>
        <source>No device for port %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCentreDialog</name>
    <message>
        <source>Choose SMSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service centers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Networks and their service center numbers; choosing one and OK puts its number in the message form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCodeDialog</name>
    <message>
        <source>Service Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone maker&apos;s code for the language &quot;%1&quot;: %2 digits, typed between *# and #.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone maker&apos;s code for &quot;%1&quot;: * and %2 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCodes</name>
    <message>
        <source>Show IMEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Soft Vers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Hard Vers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show IMEI+Soft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Mon 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Mon 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M4 Testmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sup Traces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortMessages</name>
    <message>
        <source>slot %1 (%2)</source>
        <extracomment>A message slot that could not be read, and the phone&apos;s answer to it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>The title of a message box</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 message slot could not be read; the phone answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 message slots could not be read; the phone answered %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The messages could not be archived in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS on Trium Mars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsArchive</name>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundCardOutput</name>
    <message>
        <source>No sound output found: there is no sound card, or no sound server running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output &quot;%1&quot; does not take 16-bit mono sound at %2 Hz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output could not be opened; another program may hold it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output stopped taking sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output ran dry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusWindow</name>
    <message>
        <source>Working...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Supervisor</name>
    <message>
        <source>The phone answers, but refuses &quot;AT+CGMI&quot; (%1): nothing Quenda can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone answers, but does not name its maker to &quot;AT+CGMI&quot;: nothing Quenda can use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalBoxes</name>
    <message>
        <source>%1 Yes (--yes)</source>
        <extracomment>%1 is the question; Yes is the answer given for the person.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 No: give --yes to answer Yes.</source>
        <extracomment>%1 is the question; No is the answer given for the person, Yes the other one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source>Working... %1</source>
        <extracomment>%1 is what the operation is doing, as the window&apos;s Working... box shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewSmsController</name>
    <message>
        <source>Unknown</source>
        <comment>the sender&apos;s name, until the message&apos;s own is known</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewSmsPage</name>
    <message>
        <source>SMS on Trium Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Message to Display it here!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellular Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the sender&apos;s name box, while no message is chosen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>reads the messages from the phone again</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-SMS-Downloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable/Disable</source>
        <comment>switches the Auto-SMS-Downloader on and off</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get New SMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-SMS-Downloader dumps the SMs 
stored on your cellular to a file. If enabled it 
will be done automatically when you 
connect your phone. Only new messages 
will be appended to the file!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The messages stored in the phone, by time and date; choosing one shows its text, number and name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <comment>the chosen message&apos;s number box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number the chosen message came from or went to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the chosen message&apos;s name box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phonebook&apos;s name for that number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the messages from the phone again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches the Auto-SMS-Downloader on and off: on, it appends new messages to its file at every connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the file the Auto-SMS-Downloader appends to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appends the new messages to the file now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Record every byte on the line, and what happened, in FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value name of --trace in --help; the description above names it too.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial device of the phone, for this run (Settings, Device... chooses one for good).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The value name of --device in --help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manages a Mitsubishi Trium Mars over its data cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quenda: cannot record the line in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
