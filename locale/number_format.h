// The decimal and group separators and the minus sign that the core's number texts are read
// and written with, taken from a locale by Qt Core. Both programs take them from here, so a
// number typed into the window reads the same on the command line in the same environment.
#pragma once

#include <QLocale>
#include <optional>
#include <string_view>

#include "numeric_text.h"

namespace varnel {

// The decimal and group separators and the minus sign of a locale.
// NumberFormatOf(QLocale(QLocale::German, QLocale::Germany)) == {",", ".", "-"};
// NumberFormatOf(QLocale(QLocale::Persian, QLocale::Iran)).minus == "\u200E\u2212".
NumberFormat NumberFormatOf(const QLocale& locale);

// The locale a name such as "de_DE", "de_DE.UTF-8" or "C" stands for; nullopt for a name that
// Qt knows no locale by. LocaleNamed("de_DE")->decimalPoint() == ","; LocaleNamed("xx") ==
// nullopt.
std::optional<QLocale> LocaleNamed(std::string_view name);

}  // namespace varnel
