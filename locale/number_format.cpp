#include "number_format.h"

#include <QString>

namespace varnel {

NumberFormat NumberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::optional<QLocale> LocaleNamed(std::string_view name) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QLocale locale(text);
    bool namesC = text.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
                  text.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0;
    if (locale.language() == QLocale::C && !namesC) {
        return std::nullopt;
    }
    return locale;
}

}  // namespace varnel
