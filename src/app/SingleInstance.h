#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Only one copy of the program runs: the first copy holds a lock file named
// after the program's guard in the temporary folder. A lock left behind by a
// copy that crashed is taken over.
class SingleInstance
{
public:
    static constexpr char GuardName[] = "dfoqs_xj_mnlzz";

    // folder: where the lock lives (the system's temporary folder by default).
    explicit SingleInstance(const QString &folder = {});

    // True when this process now holds the guard; false when another copy runs.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
