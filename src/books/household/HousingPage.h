#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class Dataset;
class FieldBinding;
class PromptPort;
class QButtonGroup;
class QLabel;
class QRadioButton;
class TFDM;

// The page "2.Жилищные условия": the housing row of the current household,
// every field bound to the housing dataset, the situation of the house as a
// radio group and the amenities as check boxes. The rules themselves hang on
// the dataset (Housing); the page only shows and edits.
class HousingPage : public QWidget
{
    Q_OBJECT

public:
    HousingPage(TFDM &fdm, PromptPort &port, QWidget *parent = nullptr);

    // The widget of a column, named after it (QLineEdit, QComboBox, QCheckBox).
    QWidget *field(const QString &column) const { return m_fields.value(column); }
    QRadioButton *situationButton(int isRetired) const;

    // The situation of the house was switched, or the row changed: "Дом жилой"
    // enables the house situation list, "Дом выбыл" the date and reason of
    // leaving with their captions; without a situation all three are disabled.
    void situationChanged();

private:
    void showSituation();
    void situationClicked(int isRetired);

    Dataset &m_housing;
    PromptPort &m_port;
    FieldBinding *m_binding;
    QHash<QString, QWidget *> m_fields;
    QButtonGroup *m_situation;
    QLabel *m_retireDateCaption;
    QLabel *m_retireReasonCaption;
};
