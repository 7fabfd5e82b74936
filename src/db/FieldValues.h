#pragma once

#include "db/Dataset.h"

#include <QString>
#include <QVariant>

// Values given by code or typed by the user, in the type of their field, and
// the text grids and edits show for a value.
namespace FieldValues {

bool isDecimal(const FieldInfo &field);

// Text to the field's type (Decimal with the field's places, whole numbers,
// dd.MM.yyyy dates), numbers and dates across types; NULL and empty text give
// NULL. DatasetError "'abc' is not a valid floating point value" (or
// "integer value", "date", "date and time") when the value does not convert.
QVariant convert(const QVariant &value, const FieldInfo &field);

// Decimal with its places, dates dd.MM.yyyy, timestamps dd.MM.yyyy HH:mm:ss.
QString displayText(const QVariant &value);

} // namespace FieldValues
