#pragma once

#include "app/windows.h"
#include "ui_form2.h"

#include <QWidget>

class Form2 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::About;

    explicit Form2(QWidget *parent = nullptr);

private:
    Ui::Form2 ui;
};
