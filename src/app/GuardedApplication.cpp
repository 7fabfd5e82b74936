#include "app/GuardedApplication.h"

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!m_handler)
            throw;
        m_handler(std::current_exception());
    }
    return false;
}
