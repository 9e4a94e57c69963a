#include "app/controls.h"

#include <QButtonGroup>

namespace app {

int value(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1   ? Qt::Checked
                       : value == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
}

bool selected(const QRadioButton *option)
{
    return option->isChecked();
}

void select(QRadioButton *option)
{
    option->setChecked(true);
}

void deselect(QRadioButton *option)
{
    // An exclusive button group, or an auto-exclusive button's parent, refuses to uncheck the
    // group's only selection: lift the exclusivity for the moment of the change.
    QButtonGroup *group = option->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = option->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

} // namespace app
