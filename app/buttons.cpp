#include "app/buttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int captionGap = 4;

// Indicator at the left, vertically centred; the caption word-wrapped in the rest.
void paintWrapped(QAbstractButton *button, QStyleOptionButton &option, bool exclusive)
{
    QPainter painter(button);
    QStyle *style = button->style();
    const int width = style->pixelMetric(
        exclusive ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, &option, button);
    const int height = style->pixelMetric(
        exclusive ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, &option,
        button);
    const QRect whole = button->rect();
    option.rect = QRect(1, (whole.height() - height) / 2, width, height);
    style->drawPrimitive(exclusive ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox,
                         &option, &painter, button);

    const QRect textArea = whole.adjusted(1 + width + captionGap, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    style->drawItemText(&painter, textArea, flags, option.palette, button->isEnabled(),
                        button->text(), QPalette::WindowText);
    if (button->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(button);
        focus.rect = painter.boundingRect(textArea, flags, button->text()).adjusted(-1, 0, 1, 0);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, button);
    }
}

// A click is a left press and a left release inside the control.
bool releaseEndsClick(bool &pressed, const QMouseEvent *event, const QWidget *widget)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       widget->rect().contains(event->position().toPoint());
    pressed = false;
    return click;
}

} // namespace

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWrapped(this, option, false);
}

bool WrapCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void WrapOptionButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWrapped(this, option, true);
}

bool WrapOptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = releaseEndsClick(m_pressed, event, this);
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLineEdit::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void ClickLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = releaseEndsClick(m_pressed, event, this);
    QLineEdit::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
