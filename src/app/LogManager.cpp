#include "app/LogManager.h"

#include <QFile>
#include <QtEndian>

#include <vector>

void TLogManager::SetOnLogEventObj(QObject *receiver, TLogEvent handler)
{
    m_objReceiver = receiver;
    m_onLogEventObj = std::move(handler);
}

QString TLogManager::KindTag(TLogMsgType kind)
{
    switch (kind) {
    case lmtInfo: return QStringLiteral("[Info]");
    case lmtWarning: return QStringLiteral("[Warning]");
    case lmtError: return QStringLiteral("[Error]");
    }
    return QStringLiteral("[Info]");
}

QString TLogManager::FormatLine(const QDateTime &moment, TLogMsgType kind, const QString &text)
{
    return QStringLiteral("%1 %2: %3")
        .arg(moment.toString(QStringLiteral("[dd.MM.yyyy] [HH:mm:ss]")), KindTag(kind), text);
}

QString TLogManager::LogFileName(const QString &exeDir, const QDate &startDate)
{
    return exeDir + QStringLiteral("logs/log_") + startDate.toString(QStringLiteral("dd.MM.yyyy"))
        + QStringLiteral(".log");
}

QDateTime TLogManager::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void TLogManager::notify(const QString &line, TLogMsgType kind)
{
    // A listener that throws must not break logging or its caller.
    try {
        if (OnLogEvent)
            OnLogEvent(line, kind);
        if (m_onLogEventObj && m_objReceiver)
            m_onLogEventObj(line, kind);
    } catch (...) {
    }
}

void TLogManager::notifyError(const QString &text)
{
    notify(QStringLiteral("%1: %2").arg(KindTag(lmtError), text), lmtError);
}

void TLogManager::WriteToLog(const QString &aText, TLogMsgType aLogMsgType, bool aWriteToEvent,
                             TLogMsgLevel aLvl)
{
    if (FileName.isEmpty()) {
        notifyError(QStringLiteral("Не определён файл логирования! LogMsg: ")
                    + FormatLine(now(), aLogMsgType, aText));
        return;
    }
    if (aLvl > MaxLogLevel)
        return;

    // Unbuffered, so a failed write shows at write() rather than at close.
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        notifyError(QStringLiteral("Ошибка лог-файла: INVALID_HANDLE_VALUE. LogMsg: ")
                    + FormatLine(now(), aLogMsgType, aText));
        return;
    }

    const std::lock_guard<std::mutex> guard(m_lock);
    try {
        const QString line = FormatLine(now(), aLogMsgType, aText);
        if (LogEvent && aWriteToEvent)
            notify(line, aLogMsgType);

        const QString record = line + QStringLiteral("\r\n");
        std::vector<char16_t> units(record.size());
        for (qsizetype i = 0; i < record.size(); ++i)
            units[size_t(i)] = qToLittleEndian(char16_t(record.at(i).unicode()));
        const qint64 bytes = qint64(units.size() * sizeof(char16_t));

        // Opened in append mode, so the write lands at the end even when
        // another program has written since the open.
        if (file.write(reinterpret_cast<const char *>(units.data()), bytes) != bytes) {
            notifyError(QStringLiteral("Ошибка записи в файл лога: QFile: ") + file.errorString());
        }
    } catch (const std::exception &e) {
        notifyError(QStringLiteral("Ошибка записи в файл лога: std::exception: ")
                    + QString::fromUtf8(e.what()));
    } catch (...) {
        notifyError(QStringLiteral("Неизвестная ошибка в TLogManager.WriteToLog!"));
    }
    file.close();
}
