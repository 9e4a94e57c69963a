#pragma once

#include "app/windows.h"
#include "ui_form3.h"

#include <QWidget>

// The help window: the instructions for use, the training offer and its schedule link.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Help;

    explicit Form3(QWidget *parent = nullptr);

private slots:
    void Label1_Click();
    void Label3_Click();
    void Label18_Click();

private:
    Ui::Form3 ui;
};
