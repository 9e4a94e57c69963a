#pragma once

#include <QString>
#include <QtGlobal>

namespace app {

// Today's date in the user's short date format.
QString todayText();
// A whole number as plain digits.
QString intText(qint16 number);
// A fraction with the user's decimal separator and the digits 0 to 9, in the shortest form that
// reads back as the same value, no trailing zeros ("0,5", "10", "0,1").
QString floatText(float number);

} // namespace app
