#pragma once

#include <QString>

class TForm1;

// The start-up sequence of the main window's first activation, and the
// refresh steps of every activation. Each refusal shows its message, writes
// its log line and ends the program; nothing after it runs.
class StartupSequence
{
public:
    explicit StartupSequence(TForm1 &form) : m_form(form) {}

    // False when the program ends.
    bool run();
    void refresh();

private:
    bool connect();
    bool lockCheck();
    bool versionCheck();
    bool login();
    bool okrug();
    bool periodAndSettlement();
    bool refuse(const QString &message, bool warningBox = false);

    TForm1 &m_form;
};
