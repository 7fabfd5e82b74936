#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class Dataset;
class PromptPort;

// The save-time rules of one household member (SRNvalidate): required
// fields, the IIN, the date of birth, a minor as head, the arrival date of a
// temporary resident and the source of livelihood that goes with the
// employment status. The first rule that fails speaks; later ones are not
// tested.
namespace MemberValidation {

// IIN values that are placeholders, never a person's number, in their fixed
// order. A member's save refuses the first ForbiddenOnSave of them; the batch
// check refuses all.
const QStringList &forbiddenIins();
inline constexpr int ForbiddenOnSave = 14; // up to 999999999999

bool isForbiddenOnSave(const QString &iin);

// Whole years between the two moments in 365.25-day years, fraction dropped,
// the birth date counting from its midnight.
int ageInYears(const QDate &birth, const QDateTime &now);

// The value of a member field by its name (NULL: an invalid QVariant).
using FieldValue = std::function<QVariant(const QString &field)>;

// The message of the first rule the member fails; empty when it passes.
QString firstFailure(const FieldValue &value, const QDateTime &now);
QString firstFailure(const Dataset &member, const QDateTime &now);

// On the row being saved: a failing rule shows its message and stops the
// save (Abort), the row staying in editing with its input.
void SRNvalidate(const Dataset &member, PromptPort &port, const QDateTime &now);

// The three lines of the required-fields message.
QString requiredFieldsMessage();

} // namespace MemberValidation
