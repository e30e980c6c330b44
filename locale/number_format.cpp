#include "number_format.h"

#include <QString>

namespace varnel {

NumberFormat NumberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
            locale.negativeSign().toStdString()};
}

std::optional<QLocale> LocaleNamed(std::string_view name) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QLocale locale(text);
    // "C.UTF-8" and "POSIX@euro" name the C locale too: the codeset and modifier do not count.
    const QString language = text.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    bool namesC = language.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
                  language.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0;
    if (locale.language() == QLocale::C && !namesC) {
        return std::nullopt;
    }
    return locale;
}

}  // namespace varnel
