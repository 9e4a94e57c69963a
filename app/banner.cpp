#include "app/banner.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

void Banner::setText(const QString &text)
{
    m_text = text;
    update();
}

void Banner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    document.setHtml(m_text);
    document.setTextWidth(width());
    const QSizeF size = document.size();
    const QPointF origin((width() - document.idealWidth()) / 2, (height() - size.height()) / 2);

    QAbstractTextDocumentLayout::PaintContext context;
    const auto drawAt = [&](QPointF at, const QColor &colour) {
        context.palette.setColor(QPalette::Text, colour);
        painter.save();
        painter.translate(at);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    };
    drawAt(origin + QPointF(2, 2), QColor(0xA0, 0xA0, 0xA0));
    drawAt(origin, palette().color(QPalette::WindowText));
}
