#pragma once

#include "app/windows.h"
#include "ui_form2.h"

#include <QWidget>

// The about window: where the program comes from, its terms, its people and two web links.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::About;

    explicit Form2(QWidget *parent = nullptr);

private slots:
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label6_Click();
    void Label7_Click();
    void Text3_Click();

private:
    Ui::Form2 ui;
};
