#pragma once

#include <QHash>
#include <QString>
#include <QTabWidget>

class Dataset;
class FieldBinding;
class PromptPort;
class QTableView;
class TFDM;

// The page "1.Список членов домох-ва": the members of the household (a form
// beside a narrow list of them) and, on the second sub-page, its temporary
// residents, whom the page shows but does not let anyone edit.
class MembersPage : public QTabWidget
{
    Q_OBJECT

public:
    MembersPage(TFDM &fdm, PromptPort &port, QWidget *parent = nullptr);

    // The widget bound to a field of the member (TSRN) or the temporary
    // resident (TSRN2) form.
    QWidget *memberField(const QString &field) const { return m_memberFields.value(field); }
    QWidget *residentField(const QString &field) const { return m_residentFields.value(field); }
    QTableView *memberList() const { return m_memberList; }
    QTableView *residentList() const { return m_residentList; }
    QWidget *memberPage() const { return widget(0); }
    QWidget *residentPage() const { return widget(1); }

private:
    QWidget *buildMembers(TFDM &fdm, PromptPort &port);
    QWidget *buildResidents(TFDM &fdm, PromptPort &port);

    QHash<QString, QWidget *> m_memberFields;
    QHash<QString, QWidget *> m_residentFields;
    QTableView *m_memberList = nullptr;
    QTableView *m_residentList = nullptr;
};
