#pragma once

#include "app/windows.h"
#include "ui_form1.h"

#include <QMainWindow>

// The main window: the findings of the CEAP classification and the formula built from them.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Main;

    explicit Form1(QWidget *parent = nullptr);

    // Load handling: writes today's date into the date box and shows the window.
    void Form_Load();

    // The formula box, read by the extended diagnosis.
    QString formulaText() const { return ui.Text1->text(); }

private slots:
    void exit_Click();
    void SuperCeap_Click();
    void Help_Click();
    void about_Click();

private:
    Ui::Form1 ui;
};
