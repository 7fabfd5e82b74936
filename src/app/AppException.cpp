#include "app/AppException.h"

#include "app/Catalog.h"

namespace {

struct Replacement
{
    const char *fragment;
    const char *key;
};

// Fragments of Firebird's unique-key and foreign-key violations, of a failed
// number conversion and of the dataset layer's read-only and refresh errors.
const Replacement replacements[] = {
    {"iolation of PRIMARY or U", "a18"},
    {"is not a valid floating", "a19"},
    {"violation of FOR", "a20"},
    {"Cannot modify", "a21"},
    {"Cannot delete", "a22"},
    {"Cannot ref", "a23"},
};

} // namespace

QString replaceKnownErrorText(const QString &text)
{
    QString result = text;
    for (const Replacement &r : replacements) {
        if (result.contains(QLatin1StringView(r.fragment)))
            result = catalog(QLatin1StringView(r.key));
    }
    return result;
}

void AppExceptionHandler::AppException(const std::exception &error) const
{
    AppException(QString::fromUtf8(error.what()));
}

void AppExceptionHandler::AppException(const QString &errorText) const
{
    m_port.error(replaceKnownErrorText(errorText));
}

void AppExceptionHandler::AppException(std::exception_ptr error) const
{
    try {
        std::rethrow_exception(error);
    } catch (const Abort &) {
    } catch (const std::exception &e) {
        AppException(e);
    }
}
