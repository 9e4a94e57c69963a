#include "main_window/form1.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/look.h"
#include "app/texts.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "severity_score/form4.h"

#include <QMenuBar>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    app::applyLook(this);
    // The definition gives the client area; the menu bar comes on top of it.
    resize(959, 576 + menuBar()->sizeHint().height());

    connect(ui.exit, &QAction::triggered, this, &Form1::exit_Click);
    connect(ui.SuperCeap, &QAction::triggered, this, &Form1::SuperCeap_Click);
    connect(ui.Help, &QAction::triggered, this, &Form1::Help_Click);
    connect(ui.about, &QAction::triggered, this, &Form1::about_Click);
}

void Form1::Form_Load()
{
    ui.Text2->setText(app::todayText());
    app::show<Form1>();
}

void Form1::exit_Click()
{
    app::End();
}

void Form1::SuperCeap_Click()
{
    app::form<Form4>();
    app::show<Form4>();
}

void Form1::Help_Click()
{
    app::form<Form3>();
    app::show<Form3>();
}

void Form1::about_Click()
{
    app::form<Form2>();
    app::show<Form2>();
}
