#include "app/controls.h"

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
    // An auto-exclusive button refuses to be unchecked while it is its group's only selection.
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

} // namespace app
