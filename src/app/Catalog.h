#pragma once

#include <QString>
#include <QStringList>

// The keyed texts the program shows (messages, composed captions).
//
// The Russian table is built in; the active language's text comes from the
// translator installed in the application (context "Catalog", the key as the
// disambiguation), so switching the interface language switches every
// catalog text at once and a key the translation lacks keeps its Russian text.
//
// An unknown key is a programming error: catalog() throws std::logic_error
// whose text names the key.
QString catalog(const QString &key);

namespace Catalog {

inline constexpr char Context[] = "Catalog";

bool contains(const QString &key);
QStringList keys();              // in table order
QString russian(const QString &key); // the built-in text; throws like catalog()

} // namespace Catalog
