#pragma once

#include <QWidget>

// A window's heading drawn as text on white with a soft shadow. The text is rich text (so a part
// can be set smaller); its colour is the widget's foreground colour.
class Banner : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    using QWidget::QWidget;

    QString text() const { return m_text; }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
