#pragma once

class PhoneSession;

// The handlers the command table runs, one file of them per subsystem; each returns the exit
// code of its run.
namespace CommandLine {

class Run;

// infocommands.cpp
int info(Run &run);

// contactcommands.cpp
int contactsList(Run &run);
int contactsExport(Run &run);
int contactsImport(Run &run);
int contactsWrite(Run &run);
int contactsDelete(Run &run);
// Loads the memory the command names (the SIM card when simOnly) into the table; restore
// writes to the SIM card as contacts import does.
PhoneSession *loadPhonebook(Run &run, bool simOnly, int *exitCode);

// smscommands.cpp
int smsList(Run &run);
int smsArchive(Run &run);
int smsSend(Run &run);
int smsStore(Run &run);
int smsDelete(Run &run);

// ringtonecommands.cpp
int ringtonesList(Run &run);
int ringtonesUpload(Run &run);

// backupcommands.cpp
int backup(Run &run);
int restore(Run &run);

// remotecommands.cpp
int keys(Run &run);
int dial(Run &run);
int hangup(Run &run);

// tracecommands.cpp
int traceAnonymize(Run &run);

} // namespace CommandLine
