#pragma once

#include <QString>

class PromptPort;
class TFDM;
struct WorkContext;

// Stores value as the password of every login, in plain text exactly as
// typed: one operation updating VER.PWD through a bound value and committing
// it with everything posted before. A database error reaches the caller.
void updatePwd(TFDM &fdm, const QString &value);

// VER.PWD after rereading VER, so a password stored since the last look is
// seen; empty on a fresh database.
QString storedPassword(TFDM &fdm);

// The login check. There is no table of users: a login name of at least three
// characters passes with its derived password (which then becomes the stored
// one) or with the stored password shared by every login.
class LoginCheck
{
public:
    LoginCheck(TFDM &fdm, WorkContext &context, PromptPort &port)
        : m_fdm(fdm), m_context(context), m_port(port)
    {
    }

    // On success: when an earlier login is on record, the box with the last
    // successful and failed moments, their log line and saveIni; then the
    // "авторизован" log line. A refusal shows and logs nothing.
    bool checklogin(const QString &login, const QString &password);

private:
    void reportLastLogins();

    TFDM &m_fdm;
    WorkContext &m_context;
    PromptPort &m_port;
};
