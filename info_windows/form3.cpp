#include "info_windows/form3.h"

#include "app/look.h"
#include "info_windows/browser.h"
#include "info_windows/links.h"

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    app::setUpWindow(this);
    // The window definition cannot keep a carriage return: the texts' line breaks are CR LF.
    for (QLabel *label : std::initializer_list<QLabel *>{ui.Label19, ui.Label1})
        label->setText(label->text().replace('\n', QLatin1String("\r\n")));
    // The schedule text names the training page that a click on it opens.
    ui.Label18->setText(ui.Label18->text().arg(QLatin1String(links::trainingPage)));

    connect(ui.Label1, &ClickLabel::clicked, this, &Form3::Label1_Click);
    connect(ui.Label3, &ClickLabel::clicked, this, &Form3::Label3_Click);
    connect(ui.Label18, &ClickLabel::clicked, this, &Form3::Label18_Click);
}

void Form3::Label1_Click()
{
    app::unload<Form3>();
}

void Form3::Label3_Click()
{
    app::unload<Form3>();
}

void Form3::Label18_Click()
{
    openLink(QLatin1String(links::trainingPage));
}
