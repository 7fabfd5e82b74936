#pragma once

struct WorkContext;

// The login step of the start-up. Until the login dialog with its password
// rules is built, every start is accepted under the login name read from the
// settings file.
class StartupLogin
{
public:
    explicit StartupLogin(WorkContext &context) : m_context(context) {}

    // True when a login was accepted; WorkContext::UserLogin is then the login.
    bool run();

private:
    WorkContext &m_context;
};
