#pragma once

class PromptPort;
class TFDM;
class TFlogin;
struct WorkContext;

// The login step of the start-up. The login dialog comes back after each of
// three counted failures ("login_failed", each recorded in the settings file);
// the fourth failure ends the program with "lock_login". From the third
// failure on the settings file holds a lock that refuses starts for five
// minutes. Cancelling the dialog ends the program without a word.
class StartupLogin
{
public:
    StartupLogin(PromptPort &port, TFDM &fdm, WorkContext &context, TFlogin &dialog)
        : m_port(port), m_fdm(fdm), m_context(context), m_dialog(dialog)
    {
    }

    // True when a login was accepted; WorkContext::UserLogin is then that
    // login. False when the program is to end.
    bool run();

    static constexpr int CountedFailures = 3;

private:
    PromptPort &m_port;
    TFDM &m_fdm;
    WorkContext &m_context;
    TFlogin &m_dialog;
};

// "Блокировка программы": the login dialog comes back until it is confirmed
// with a pair the login check accepts. No message, no counting, no way out;
// UserLogin stays as it was.
void lockProgram(PromptPort &port, TFDM &fdm, WorkContext &context, TFlogin &dialog);
