#include "info_windows/form2.h"

#include "app/look.h"
#include "info_windows/browser.h"
#include "info_windows/links.h"

#include <QUrl>

Form2::Form2(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    app::setUpWindow(this, app::Frame::ToolWindow);
    // The address box shows the site that a click on it opens.
    ui.Text3->setText(QUrl(QLatin1String(links::phlebologySiteHome)).host());

    connect(ui.Image1, &ClickLabel::clicked, this, &Form2::Image1_Click);
    connect(ui.Image2, &ClickLabel::clicked, this, &Form2::Image2_Click);
    connect(ui.Image3, &ClickLabel::clicked, this, &Form2::Image3_Click);
    connect(ui.Image4, &ClickLabel::clicked, this, &Form2::Image4_Click);
    connect(ui.Label1, &ClickLabel::clicked, this, &Form2::Label1_Click);
    connect(ui.Label2, &ClickLabel::clicked, this, &Form2::Label2_Click);
    connect(ui.Label3, &ClickLabel::clicked, this, &Form2::Label3_Click);
    connect(ui.Label4, &ClickLabel::clicked, this, &Form2::Label4_Click);
    connect(ui.Label6, &ClickLabel::clicked, this, &Form2::Label6_Click);
    connect(ui.Label7, &ClickLabel::clicked, this, &Form2::Label7_Click);
    connect(ui.Text3, &ClickLineEdit::clicked, this, &Form2::Text3_Click);
}

void Form2::Image1_Click()
{
    app::unload<Form2>();
}

void Form2::Image2_Click()
{
    app::unload<Form2>();
}

void Form2::Image3_Click()
{
    openLink(QLatin1String(links::medicalCentreHome));
}

void Form2::Image4_Click()
{
    app::unload<Form2>();
}

void Form2::Label1_Click()
{
    app::unload<Form2>();
}

void Form2::Label2_Click()
{
    app::unload<Form2>();
}

void Form2::Label3_Click()
{
    app::unload<Form2>();
}

void Form2::Label4_Click()
{
    app::unload<Form2>();
}

void Form2::Label6_Click()
{
    app::unload<Form2>();
}

void Form2::Label7_Click()
{
    app::unload<Form2>();
}

void Form2::Text3_Click()
{
    openLink(QLatin1String(links::phlebologySiteHome));
}
