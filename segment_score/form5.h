#pragma once

#include "app/windows.h"
#include "ui_form5.h"

#include <QWidget>

class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Segments;

    explicit Form5(QWidget *parent = nullptr);

private:
    Ui::Form5 ui;
};
