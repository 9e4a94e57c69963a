#include "app/buttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

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

void WrapPushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    painter.drawItemText(rect().adjusted(margin, 0, -margin, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         palette(), isEnabled(), caption, QPalette::ButtonText);
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // An etched line: a shadow line with a light one below and to the right of it.
    const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(line);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.translated(1, 1));

    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// Qt hands a double-click on to mousePressEvent, which would arm a second click on the first
// one's heels; the label's own handling still sees it as a press.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
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
