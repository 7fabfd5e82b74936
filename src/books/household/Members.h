#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class Dataset;
class PromptPort;
class TFDM;

// The rules of the household's members (TSRN) and temporary residents
// (TSRN2): what a save checks, the tie to the household card, the flat rule
// of a one-flat house, and the source of livelihood that an employment
// status brings with it.
class Members : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    Members(TFDM &fdm, PromptPort &port, QObject *parent = nullptr);

    // The age rules count from this moment; the computer's clock by default.
    void setClock(Clock clock) { m_now = std::move(clock); }

    // Hooks the rules into both datasets; the reread after a save stays the
    // one every section has.
    void install();

    // Asked before a member with a date of death or departure is saved.
    static QString leavingQuestion();

signals:
    // The flat rule set the card's flat: the card page disables its flat edit.
    void flatEditLocked();

private:
    void memberBeforePost(Dataset &member);
    void memberFieldChanged(Dataset &member, const QString &field);
    void residentBeforePost(Dataset &resident);
    void link(Dataset &row, const QString &datasetName);

    TFDM &m_fdm;
    PromptPort &m_port;
    Clock m_now;
};
