#pragma once

#include "books/household/HouseholdCard.h"

#include <QWidget>

class FieldBinding;
class PromptPort;
class QCheckBox;
class QLabel;
class QLineEdit;
class TFDM;

// The "Карточка" page of the household book: the card's fields bound to the
// household list's current row, and the "Карточка удалена" marking.
class HouseholdCardPage : public QWidget
{
    Q_OBJECT

public:
    HouseholdCardPage(TFDM &fdm, HouseholdCard &card, PromptPort &port, QWidget *parent = nullptr);

    QLineEdit *edit(const QString &field) const;
    QCheckBox *deletedBox() const { return m_deleted; }
    QLabel *deletionDate() const { return m_deletionDate; }

private:
    void showState(const HouseholdCardState &state);

    TFDM &m_fdm;
    FieldBinding *m_binding;
    QHash<QString, QLineEdit *> m_edits;
    QCheckBox *m_deleted;
    QLabel *m_deletionDate;
};
