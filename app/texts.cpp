#include "app/texts.h"

#include <QDate>
#include <QLocale>

namespace app {

QString todayText()
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString intText(qint16 number)
{
    return QString::number(number);
}

QString floatText(float number)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(number), 'f', QLocale::FloatingPointShortest);
}

} // namespace app
