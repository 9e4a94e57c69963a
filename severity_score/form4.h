#pragma once

#include "app/windows.h"
#include "ui_form4.h"

#include <QWidget>

class Form4 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Severity;

    explicit Form4(QWidget *parent = nullptr);

private:
    Ui::Form4 ui;
};
