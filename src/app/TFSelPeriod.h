#pragma once

#include <QDialog>
#include <QString>
#include <QVariant>

#include <functional>

class Dataset;
class QComboBox;
class QListWidget;

// The chosen settlement: KNIGA_KATO's KATO, NAME and ID.
struct SettlementChoice
{
    QString kato;
    QString name;
    int id = 0;
};

// "Период для работы": the period list, the okrug's settlements and the
// buttons OK, "Отмена" and "Настройки".
class TFSelPeriod : public QDialog
{
    Q_OBJECT

public:
    // settlements: the data module's settlement list of the okrug.
    TFSelPeriod(Dataset &settlements, QWidget *parent = nullptr);

    // Preselects periodIndex (the first entry when it lies outside the list)
    // and fills the settlements, none chosen. Called before each opening.
    void prepare(int periodIndex);

    int periodIndex() const;      // -1 when none is selected
    QString periodName() const;
    bool hasSettlement() const;
    SettlementChoice settlement() const;

    // What "Настройки" does (the okrug settings dialog).
    std::function<void()> onSettings;

    QListWidget *periodList() const { return m_periods; }
    QComboBox *settlementBox() const { return m_settlement; }

private:
    void fillSettlements();

    Dataset &m_settlements;
    QListWidget *m_periods;
    QComboBox *m_settlement;
};
