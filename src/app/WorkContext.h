#pragma once

#include <QDateTime>
#include <QString>

// What the user works on during one run: the okrug, the period and the
// settlement, with the login state read from the settings file. One per run,
// owned by the main window; every subsystem reads it.
struct WorkContext
{
    QString ExeDir;              // folder of the program, ending in "/"
    bool FirstActivation = true; // the start-up sequence has not run yet

    QString UserLogin;
    int FailedLogins = 0;        // 0..3 in this run

    // From the settings file; an invalid QDateTime is the file's "0".
    QDateTime LockUntil;
    QDateTime LastLogin;
    QDateTime LastFailedLogin;
    QDateTime PasswordChangeDue;

    int SortOrder = 0;           // household list: 0 by address, 1 by account number

    int PeriodIndex = 0;         // 0 = "Январь 2012", odd = July
    QString PeriodName;
    QString PeriodYear;          // last four characters of PeriodName
    QString PeriodHalf;          // "1" January, "2" July

    QString OkrugKatoPrefix;     // first six digits of the okrug's KATO
    QString OkrugName;

    QString SettlementKato;
    QString SettlementName;
    int SettlementId = 0;        // parameter KID of the book lists
};
