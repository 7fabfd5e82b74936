#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <exception>
#include <functional>

class Dataset;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QWidget;

// Binds edit widgets to the fields of one dataset: each widget shows its
// field of the current row and is refreshed when the row moves, the dataset
// is reread, an edit is cancelled or posted, or the value changes. The first
// keystroke (or click) of the user while the dataset browses starts editing;
// on an empty dataset it is undone instead. Typed text is written to the
// field when the user leaves the widget, or before a post at the latest.
//
// Errors cannot leave a Qt slot, so they go to the handler: the "Cannot
// modify" of a read-only dataset, a value that does not convert ("'x' is not
// a valid floating point value"), a refused move. Abort is swallowed, since
// the rule that threw it has spoken already.
class FieldBinding : public QObject
{
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const std::exception &)>;

    FieldBinding(Dataset &dataset, ErrorHandler onError, QObject *parent = nullptr);
    ~FieldBinding() override;

    // Text of any field; Decimal and integer fields parse the text, date
    // fields read dd.MM.yyyy (empty text is NULL).
    void bindLineEdit(QLineEdit *edit, const QString &field);
    // The same, with the value shown as `shownAs` makes it (an area with one
    // place, a timestamp as its date); typed text is read as above.
    using Format = std::function<QString(const QVariant &value)>;
    void bindLineEdit(QLineEdit *edit, const QString &field, Format shownAs);
    // 1 ticked, 0 cleared; NULL shows cleared.
    void bindCheckBox(QCheckBox *box, const QString &field);
    // A lookup: the items are the rows of `lookup` showing `displayField`;
    // choosing one sets the field to its `keyField`. NULL shows no item.
    void bindLookup(QComboBox *combo, const QString &field, Dataset &lookup, const QString &keyField,
                    const QString &displayField);
    // dd.MM.yyyy; the edit's minimum date stands for an empty date.
    void bindDateEdit(QDateEdit *edit, const QString &field);

    // Shows the current row in every bound widget, dropping typed text.
    void refresh();

private:
    enum class Kind { LineEdit, CheckBox, Lookup, DateEdit };
    struct Binding
    {
        Kind kind;
        QPointer<QWidget> widget;
        QString field;
        QPointer<Dataset> lookup;
        QString keyField;
        QString displayField;
        bool pending = false; // typed but not yet written
        Format shownAs;       // line edits: how the value is shown; empty: Dataset::displayText
    };

    void add(const Binding &binding);
    Binding *find(const QWidget *widget);
    void show(Binding &b);
    bool beginEdit(Binding &b);
    void userChanged(QWidget *widget);
    void writePending(Binding &b);
    void fillLookup(Binding &b);
    void report(const std::exception &e);
    template<typename F>
    bool guarded(F &&action);

    QPointer<Dataset> m_dataset;
    ErrorHandler m_onError;
    QList<Binding> m_bindings;
    bool m_showing = false; // widgets change because we show a value, not because the user typed
};
