#include "app/TForm1.h"

#include "db/Connection.h"

#include <QCloseEvent>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

QString readOkrugName(const QString &connectionName)
{
    // A database without the book's properties simply shows no name.
    QSqlQuery q(QSqlDatabase::database(connectionName, false));
    if (q.exec(QStringLiteral("select first 1 NAME_SO from KNIGA_PROPERTY")) && q.next())
        return q.value(0).toString().trimmed();
    return {};
}

} // namespace

TForm1::TForm1(const QString &connectionName, QWidget *parent)
    : QMainWindow(parent)
    , m_connectionName(connectionName)
{
    setWindowTitle(QStringLiteral("RUVO"));
    m_okrug = new QLabel(readOkrugName(connectionName), this);
    m_okrug->setAlignment(Qt::AlignCenter);
    setCentralWidget(m_okrug);
    resize(800, 600);
}

QString TForm1::okrugName() const
{
    return m_okrug->text();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing keeps the day's work: whatever is pending is committed.
    Connection::close(m_connectionName);
    event->accept();
}
