#pragma once

#include "books/SectionRegistry.h"

#include <QWidget>

class Dataset;
class QLabel;
class QLineEdit;

// The strip above the pages that names the current card: for a household its
// ID, account number, street, house, flat and head of household; for a farm
// its ID, head, RNN, IIN, BIN and name. Also the "Карточка удалена" label and
// the house status label.
class HeaderStrip : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderStrip(QWidget *parent = nullptr);

    void showBook(Book book);
    // Shows the current row of the open book's list (empty fields for none).
    void showCard(const Dataset &list);

    void setHeadOfHousehold(const QString &text);
    void setHeadVisible(bool visible);
    void setDeletedVisible(bool visible);
    void setHouseStatus(const QString &text); // empty hides the label

    QString householdText(const QString &field) const;
    QString farmText(const QString &field) const;
    QString headOfHousehold() const;

private:
    QWidget *m_household, *m_farm;
    QHash<QString, QLineEdit *> m_householdFields, m_farmFields;
    QLabel *m_head, *m_deleted, *m_houseStatus;
    Book m_book = Book::Farm;
};
