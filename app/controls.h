#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

// The value semantics that the windows' handlers are written against.
//
// Check box value: 0 unticked, 1 ticked, 2 grayed. Setting a box to a different value by code
// runs its click handling at once, nested, before the setter returns; setting the value it
// already holds runs nothing.
//
// Option buttons of one parent widget form a group; buttons lying directly on a window that also
// has option frames get an explicit exclusive button group, since the parent's auto-exclusive
// grouping would take in the frames' buttons too. Selecting one, by the user or by code, runs
// its click handling; a deselection runs nothing. Code may deselect a group's only selected
// button, leaving the group with no selection.
namespace app {

int value(const QCheckBox *box);
void setValue(QCheckBox *box, int value);

bool selected(const QRadioButton *option);
void select(QRadioButton *option);
void deselect(QRadioButton *option);

// Click handling of a check box: runs on every change of its value.
template <class Receiver>
void onClick(QCheckBox *box, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(box, &QCheckBox::stateChanged, receiver,
                     [receiver, handler](int) { (receiver->*handler)(); });
}

// Click handling of an option button: runs when it becomes selected.
template <class Receiver>
void onClick(QRadioButton *option, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(option, &QRadioButton::toggled, receiver, [receiver, handler](bool on) {
        if (on)
            (receiver->*handler)();
    });
}

// Click handling of a command button.
template <class Receiver>
void onClick(QAbstractButton *button, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, receiver,
                     [receiver, handler] { (receiver->*handler)(); });
}

} // namespace app
