#pragma once

#include "app/windows.h"
#include "ui_form3.h"

#include <QWidget>

class Form3 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Help;

    explicit Form3(QWidget *parent = nullptr);

private:
    Ui::Form3 ui;
};
