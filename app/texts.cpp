#include "app/texts.h"

#include <QDate>
#include <QLocale>

#include <array>
#include <charconv>

namespace app {

QString todayText()
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString intText(qint16 number)
{
    return QString::number(number);
}

// The shortest fixed notation that reads back as the same single-precision value: 0.1f gives
// "0.1", not the digits of its double. Only the decimal separator is the locale's; the digits
// stay 0 to 9 under every locale, since the text goes into a diagnosis.
QString floatText(float number)
{
    std::array<char, 64> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number,
                                   std::chars_format::fixed)
                         .ptr;
    return QString::fromLatin1(digits.data(), end - digits.data())
        .replace('.', QLocale().decimalPoint());
}

} // namespace app
