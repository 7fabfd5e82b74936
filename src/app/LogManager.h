#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <mutex>

// Base of classes with one instance per process. GetInstance() yields that
// instance, creating it on first use; it lives until the program ends.
template <class T>
class TSingleton
{
public:
    static T &GetInstance()
    {
        static T instance;
        return instance;
    }

    TSingleton(const TSingleton &) = delete;
    TSingleton &operator=(const TSingleton &) = delete;

protected:
    TSingleton() = default;
    ~TSingleton() = default;
};

enum TLogMsgType { lmtInfo = 0, lmtWarning = 1, lmtError = 2 };

// A line is written when MaxLogLevel >= its level.
enum TLogMsgLevel { lmlMax = 0, lmlInfo = 1, lmlDebug = 2 };

// The event log: one line per significant user action, appended to the file of
// the day the program started (UTF-16LE without BOM, CR LF) and passed to the
// listeners (the log viewer). The file is opened and closed for every line so
// that other programs can read it meanwhile. Logging never throws and never
// shows a box; its own failures reach only the listeners.
//
//     TLogManager::GetInstance().WriteToLog(QStringLiteral("..."), lmtInfo);
class TLogManager : public TSingleton<TLogManager>
{
    friend class TSingleton<TLogManager>;

public:
    // Receives the finished line (without CR LF) and its kind.
    using TLogEvent = std::function<void(const QString &line, TLogMsgType kind)>;
    using Clock = std::function<QDateTime()>;

    QString FileName;                 // empty until the main window sets it
    TLogMsgLevel MaxLogLevel = lmlDebug;
    bool LogEvent = false;            // whether listeners hear written lines
    TLogEvent OnLogEvent;             // plain listener

    // The object listener: heard only while receiver lives, so a destroyed
    // window never gets called.
    void SetOnLogEventObj(QObject *receiver, TLogEvent handler);
    void ClearOnLogEventObj() { SetOnLogEventObj(nullptr, {}); }

    void WriteToLog(const QString &aText, TLogMsgType aLogMsgType, bool aWriteToEvent = true,
                    TLogMsgLevel aLvl = lmlMax);

    // The moment stamped on lines; an empty clock is the current local time.
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // "[dd.MM.yyyy] [HH:mm:ss] [Info]: text"
    static QString FormatLine(const QDateTime &moment, TLogMsgType kind, const QString &text);
    static QString KindTag(TLogMsgType kind); // "[Info]", "[Warning]", "[Error]"
    // exeDir + "logs/log_dd.MM.yyyy.log"; exeDir ends with "/".
    static QString LogFileName(const QString &exeDir, const QDate &startDate);

private:
    TLogManager() = default;

    QDateTime now() const;
    void notify(const QString &line, TLogMsgType kind);
    void notifyError(const QString &text);

    QPointer<QObject> m_objReceiver;
    TLogEvent m_onLogEventObj;
    Clock m_clock;
    std::mutex m_lock; // serialises file writes
};
