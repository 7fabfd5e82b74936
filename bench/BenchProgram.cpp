#include "BenchProgram.h"

#include "app/TFSelPeriod.h"
#include "app/TFlogin.h"
#include "app/TForm1.h"
#include "db/Connection.h"
#include "db/TFDM.h"
#include "db/demo/DemoOkrug.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

BenchPort::BenchPort()
{
    // A dialog nobody scripted is refused (Rejected) and noted, never fatal.
    setFailureHandler([](const QString &) {});
}

PromptPort::Button BenchPort::ask(const Message &message)
{
    // A box with one button needs no answer.
    const bool choice = qPopulationCount(uint(message.buttons.toInt())) > 1;
    if (choice && pendingAnswers() == 0) {
        // The answer that changes the least ("delete ...?" No).
        for (Button b : {Button::No, Button::Cancel, Button::Ok, Button::Yes}) {
            if (message.buttons.testFlag(b)) {
                answer(b);
                break;
            }
        }
    }
    return ScriptedPromptPort::ask(message);
}

Settlement largestSettlement(const QString &database, QString *error)
{
    Settlement s;
    const QString name = u"ruvo-bench-probe"_s;
    {
        QSqlDatabase db = Connection::open(name, database, error);
        if (!db.isOpen())
            return s;
        QSqlQuery q(db);
        if (q.exec(u"select first 1 k.ID, k.NAME, count(*) from KPU_CATAL c join KNIGA_KATO k on k.ID = c.KATO_ID"
                   " group by k.ID, k.NAME order by 3 desc, 1"_s)
            && q.next()) {
            s = {q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()};
        } else {
            *error = q.lastError().isValid() ? q.lastError().text() : u"the database holds no households"_s;
        }
    }
    Connection::close(name);
    return s;
}

std::unique_ptr<TForm1> startProgram(BenchPort &port, const QString &exeDir, int settlementId, QString *error)
{
    port.onExec([](QDialog &dialog) {
        auto &login = dynamic_cast<TFlogin &>(dialog);
        login.setLogin(u"bench"_s);
        login.passwordEdit()->setText(QString::fromLatin1(DemoOkrug::Password));
        return int(QDialog::Accepted);
    });
    port.onExec([settlementId](QDialog &dialog) {
        auto &period = dynamic_cast<TFSelPeriod &>(dialog);
        if (period.periodList()->currentRow() < 0)
            period.periodList()->setCurrentRow(0);
        QComboBox *box = period.settlementBox();
        for (int i = 0; i < box->count(); ++i) {
            box->setCurrentIndex(i);
            if (period.settlement().id == settlementId)
                return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });

    auto form = std::make_unique<TForm1>(port, exeDir, exeDir);
    if (!form->isEnding()) {
        form->show();
        form->FormActivate();
        QCoreApplication::processEvents(); // the window paints its first card
    }
    if (form->isEnding() || !form->fdm().TKPUCatal.isActive()) {
        *error = u"the start-up ended"_s;
        if (!port.messages().isEmpty())
            *error += u": "_s + port.lastMessage().text;
        if (!port.problems().isEmpty())
            *error += u" ("_s + port.problems().join(u"; "_s) + u')';
        return nullptr;
    }
    return form;
}

namespace {

// The number after "key:" in a /proc file of this process; -1 when missing.
qint64 procValue(const QString &file, const QByteArray &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 peakResidentKb()
{
    return procValue(u"/proc/self/status"_s, "VmHWM");
}

qint64 bytesWritten()
{
    return procValue(u"/proc/self/io"_s, "wchar");
}
