#pragma once

#include <QDialog>

#include <functional>

class PromptPort;
class QLineEdit;
class QPushButton;
class QTableView;
class TFDM;
class TFselkato;
struct WorkContext;

// "Персональные настройки": the okrug settings row and the okrug's
// settlements. "Выбрать" chooses the okrug through the KATO dialog;
// "Закрыть" is the only way of closing that lets a first start go on.
class TFproper : public QDialog
{
    Q_OBJECT

public:
    TFproper(TFDM &fdm, WorkContext &context, TFselkato &selkato, PromptPort &port,
             QWidget *parent = nullptr);

    // Opens the settings row and the settlements; called before each opening.
    void prepare();

    // "Выбрать" (public so that tests and the start-up can drive it).
    void chooseOkrug();
    // Saves a pending edit of the settings row.
    void savePendingEdit();

    // The reference-book import and the journal of missing KATO codes.
    std::function<void()> onImport;
    std::function<void()> onJournal;

    QLineEdit *akimEdit() const { return m_akim; }
    QPushButton *closeButton() const { return m_close; }

private:
    void showRow();
    void saveAkim();

    TFDM &m_fdm;
    WorkContext &m_context;
    TFselkato &m_selkato;
    PromptPort &m_port;
    QLineEdit *m_kato, *m_name, *m_akim;
    QTableView *m_settlements;
    QPushButton *m_close;
};
