#pragma once

#include "support/ScriptedPromptPort.h"

#include <QString>

#include <memory>

class TForm1;

// The benchmark's prompt port: the login and period dialogs are answered by
// scripts, a question gets the answer that changes the least (No, else
// Cancel) and every box is recorded, so whatever record rules are installed
// run without a person.
class BenchPort : public ScriptedPromptPort
{
public:
    BenchPort();
    Button ask(const Message &message) override;
};

// The settlement with the most household cards.
struct Settlement
{
    int id = 0;
    QString name;
    int households = 0;
};
Settlement largestSettlement(const QString &database, QString *error);

// Starts the program as main() does, in folder `exeDir` (which holds p1.fdb):
// the main window, its first activation with the login (any login, the demo
// password) and the period dialog choosing `settlementId`, until the first
// card of the household book is shown. Null with *error set when the start
// ended early.
std::unique_ptr<TForm1> startProgram(BenchPort &port, const QString &exeDir, int settlementId, QString *error);

// Peak resident memory of this process (VmHWM), in kB; -1 when unknown.
qint64 peakResidentKb();

// Bytes this process has written so far (wchar of /proc/self/io): the
// engine's database pages (each written synchronously, forced writes) and
// sort files, and a few bytes of the event loop and the log.
qint64 bytesWritten();
