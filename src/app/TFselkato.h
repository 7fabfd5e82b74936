#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class DbSession;
class Dataset;
class QComboBox;
class QLabel;
class QPushButton;

// "Выберите като": region, district, okrug and, when the caller shows it,
// settlement, each level filtering the next by the leading digits of the
// chosen code. Enter is "Отмена", the default button.
class TFselkato : public QDialog
{
    Q_OBJECT

public:
    TFselkato(DbSession &session, QWidget *parent = nullptr);
    ~TFselkato() override;

    void setSettlementLevelVisible(bool visible);

    // Opens the lists and, for a known okrug prefix, preselects its region,
    // district and okrug. Called on each opening.
    void prepare(const QString &okrugKatoPrefix);

    QString okrugKato() const;       // empty when no okrug is chosen
    QString okrugName() const;
    QVariant settlementId() const;   // invalid when none is chosen

    QComboBox *regionBox() const { return m_region; }
    QComboBox *districtBox() const { return m_district; }
    QComboBox *okrugBox() const { return m_okrug; }
    QComboBox *settlementBox() const { return m_settlement; }

private:
    void regionChanged();
    void districtChanged();
    void okrugChanged();
    void load(Dataset &list, QComboBox *box, const QVariant &ab, const QString &valueField);

    std::unique_ptr<Dataset> m_regions, m_districts, m_okrugs, m_settlements;
    QComboBox *m_region, *m_district, *m_okrug, *m_settlement;
    QLabel *m_settlementLabel;
};
