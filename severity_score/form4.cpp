#include "severity_score/form4.h"

#include "app/controls.h"
#include "app/look.h"
#include "app/texts.h"
#include "main_window/form1.h"
#include "segment_score/form5.h"

#include <QApplication>

Form4::Form4(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    app::setUpWindow(this);
    // The ulcer-size frame's unnamed fifth option keeps the platform's default colours; all but
    // its top pixel row lies below the frame's edge.
    ui.Option1->setPalette(QApplication::palette());
    ui.Option1->setAutoFillBackground(true);
    // The window opens with the focus on its first Tab stop. Qt would give it to the first
    // control after the window in the focus chain, which is "Подсчитать баллы".
    ui.OptionPain0->setFocus();

    app::onClick(ui.CmdBackForm1, this, &Form4::CmdBackForm1_Click);
    app::onClick(ui.CommandDalshe, this, &Form4::CommandDalshe_Click);
    app::onClick(ui.CommandVCSS, this, &Form4::CommandVCSS_Click);
    app::onClick(ui.CommandCleanTextVCSS, this, &Form4::CommandCleanTextVCSS_Click);
}

std::array<Form4::Item, 10> Form4::items()
{
    return {{
        {{ui.OptionPain0, ui.OptionPain1, ui.OptionPain2, ui.OptionPain3}, &ScorePain},
        {{ui.OptionVaric_veins0, ui.OptionVaric_veins1, ui.OptionVaric_veins2,
          ui.OptionVaric_veins3},
         &ScoreVaric_veins},
        {{ui.OptionEdema0, ui.OptionEdema1, ui.OptionEdema2, ui.OptionEdema3}, &ScoreEdema},
        {{ui.OptionSkin_pig0, ui.OptionSkin_pig1, ui.OptionSkin_pig2, ui.OptionSkin_pig3},
         &ScoreSkin_pig},
        {{ui.OptionInflam0, ui.OptionInflam1, ui.OptionInflam2, ui.OptionInflam3}, &ScoreInflam},
        {{ui.OptionInduration0, ui.OptionInduration1, ui.OptionInduration2, ui.OptionInduration3},
         &ScoreInduration},
        {{ui.OptionNoUlcer0, ui.OptionNoUlcer1, ui.OptionNoUlcer2, ui.OptionNoUlcer3},
         &ScoreNoUlcer},
        {{ui.OptionAcUlcerDuration0, ui.OptionAcUlcerDuration1, ui.OptionAcUlcerDuration2,
          ui.OptionAcUlcerDuration3},
         &ScoreAcUlcerDuration},
        {{ui.OptionUlcerSize0, ui.OptionUlcerSize1, ui.OptionUlcerSize2, ui.OptionUlcerSize3},
         &ScoreUlcerSize},
        {{ui.OptionCompressTHer0, ui.OptionCompressTHer1, ui.OptionCompressTHer2,
          ui.OptionCompressTHer3},
         &ScoreCompressTHer},
    }};
}

bool Form4::focusNextPrevChild(bool next)
{
    // Tab stops only at the selected option of each item; the arrow keys move within the item.
    // Qt moves an item's stop only when one of its options takes the focus, so an item not yet
    // visited would stop at the first option reached, selected or not (the hidden fifth
    // ulcer-size option too).
    for (QRadioButton *option : findChildren<QRadioButton *>())
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    return QWidget::focusNextPrevChild(next);
}

void Form4::CmdBackForm1_Click()
{
    app::show<Form1>();
}

void Form4::CommandDalshe_Click()
{
    app::show<Form5>();
}

void Form4::CommandVCSS_Click()
{
    // An item none of whose four options is selected (the ulcer size while its fifth option is)
    // keeps the score it had.
    for (const Item &item : items())
        for (qint16 k = 0; k < 4; ++k)
            if (app::selected(item.options[k]))
                *item.score = k;
    ScoreVCSS = qint16(ScorePain + ScoreVaric_veins + ScoreEdema + ScoreSkin_pig + ScoreInflam +
                       ScoreInduration + ScoreNoUlcer + ScoreAcUlcerDuration + ScoreUlcerSize +
                       ScoreCompressTHer);
    ui.TextVCSS->setText(app::intText(ScoreVCSS));
}

void Form4::CommandCleanTextVCSS_Click()
{
    for (const Item &item : items())
        app::select(item.options[0]);
    for (const Item &item : items())
        *item.score = 0;
    ScoreVCSS = 0;
    ui.TextVCSS->setText(app::intText(ScoreVCSS));
}
