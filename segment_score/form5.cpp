#include "segment_score/form5.h"

#include "app/controls.h"
#include "app/look.h"
#include "app/message.h"
#include "app/texts.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "main_window/form1.h"
#include "severity_score/form4.h"

namespace {

// A segment's weight while its box is ticked; unticked or grayed counts nothing.
template <class T> T weightOf(const QCheckBox *box, T weight)
{
    return app::value(box) == 1 ? weight : T(0);
}

} // namespace

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    app::setUpWindow(this);

    app::onClick(ui.CheckSSV_R, this, &Form5::CheckSSV_R_Click);
    app::onClick(ui.CheckGSV_R, this, &Form5::CheckGSV_R_Click);
    app::onClick(ui.CheckPV_Th_R, this, &Form5::CheckPV_Th_R_Click);
    app::onClick(ui.CheckPV_C_R, this, &Form5::CheckPV_C_R_Click);
    app::onClick(ui.OptionCVMult_R, this, &Form5::OptionCVMult_R_Click);
    app::onClick(ui.CheckPV_R, this, &Form5::CheckPV_R_Click);
    app::onClick(ui.CheckSFV_R, this, &Form5::CheckSFV_R_Click);
    app::onClick(ui.CheckPFV_R, this, &Form5::CheckPFV_R_Click);
    app::onClick(ui.CheckCFV_R, this, &Form5::CheckCFV_R_Click);
    app::onClick(ui.CheckGSV_O, this, &Form5::CheckGSV_O_Click);
    app::onClick(ui.CheckCV_O, this, &Form5::CheckCV_O_Click);
    app::onClick(ui.CheckPV_O, this, &Form5::CheckPV_O_Click);
    app::onClick(ui.CheckSFV_O, this, &Form5::CheckSFV_O_Click);
    app::onClick(ui.CheckPFV_O, this, &Form5::CheckPFV_O_Click);
    app::onClick(ui.CheckCFV_O, this, &Form5::CheckCFV_O_Click);
    app::onClick(ui.CheckIV_O, this, &Form5::CheckIV_O_Click);
    app::onClick(ui.CheckIVC_O, this, &Form5::CheckIVC_O_Click);
    app::onClick(ui.CommandSegment, this, &Form5::CommandSegment_Click);
    app::onClick(ui.CommandVSDS_Clean, this, &Form5::CommandVSDS_Clean_Click);

    app::onClick(ui.OptionVDS_0, this, &Form5::OptionVDS_0_Click);
    app::onClick(ui.OptionVDS_1, this, &Form5::OptionVDS_1_Click);
    app::onClick(ui.OptionVDS_2, this, &Form5::OptionVDS_2_Click);
    app::onClick(ui.OptionVDS_3, this, &Form5::OptionVDS_3_Click);
    app::onClick(ui.CommandCEAP, this, &Form5::CommandCEAP_Click);

    app::onClick(ui.CmdBack, this, &Form5::CmdBack_Click);
    app::onClick(ui.CmdNewExam, this, &Form5::CmdNewExam_Click);
    app::onClick(ui.CommandExitAll, this, &Form5::CommandExitAll_Click);
}

// A box stores its segment's weight the moment it changes.
void Form5::CheckSSV_R_Click()
{
    SegSSV_R = weightOf(ui.CheckSSV_R, 0.5f);
}

void Form5::CheckGSV_R_Click()
{
    SegGSV_R = weightOf<qint16>(ui.CheckGSV_R, 1);
}

void Form5::CheckPV_Th_R_Click()
{
    SegPV_Th_R = weightOf(ui.CheckPV_Th_R, 0.5f);
}

void Form5::CheckPV_C_R_Click()
{
    SegPV_C_R = weightOf<qint16>(ui.CheckPV_C_R, 1);
}

void Form5::CheckPV_R_Click()
{
    SegPV_R = weightOf<qint16>(ui.CheckPV_R, 2);
}

void Form5::CheckSFV_R_Click()
{
    SegSFV_R = weightOf<qint16>(ui.CheckSFV_R, 1);
}

void Form5::CheckPFV_R_Click()
{
    SegPFV_R = weightOf<qint16>(ui.CheckPFV_R, 1);
}

void Form5::CheckCFV_R_Click()
{
    SegCFV_R = weightOf<qint16>(ui.CheckCFV_R, 1);
}

void Form5::CheckGSV_O_Click()
{
    SegGSV_O = weightOf<qint16>(ui.CheckGSV_O, 1);
}

void Form5::CheckCV_O_Click()
{
    SegCV_O = weightOf<qint16>(ui.CheckCV_O, 1);
}

void Form5::CheckPV_O_Click()
{
    SegPV_O = weightOf<qint16>(ui.CheckPV_O, 2);
}

void Form5::CheckSFV_O_Click()
{
    SegSFV_O = weightOf<qint16>(ui.CheckSFV_O, 1);
}

void Form5::CheckPFV_O_Click()
{
    SegPFV_O = weightOf<qint16>(ui.CheckPFV_O, 1);
}

void Form5::CheckCFV_O_Click()
{
    SegCFV_O = weightOf<qint16>(ui.CheckCFV_O, 2);
}

void Form5::CheckIV_O_Click()
{
    SegIV_O = weightOf<qint16>(ui.CheckIV_O, 1);
}

void Form5::CheckIVC_O_Click()
{
    SegIVC_O = weightOf<qint16>(ui.CheckIVC_O, 1);
}

void Form5::OptionCVMult_R_Click()
{
    if (app::selected(ui.OptionCVMult_R))
        SegCV_R = 2;
}

qint16 Form5::obstructionTotal() const
{
    return qint16(SegGSV_O + SegCV_O + SegPV_O + SegSFV_O + SegPFV_O + SegCFV_O + SegIV_O +
                  SegIVC_O);
}

void Form5::CommandSegment_Click()
{
    // The reflux controls are read again and only ever set their weights; the obstruction
    // weights stand as their boxes last stored them.
    if (app::value(ui.CheckSSV_R) == 1)
        SegSSV_R = 0.5f;
    if (app::value(ui.CheckGSV_R) == 1)
        SegGSV_R = 1;
    if (app::value(ui.CheckPV_Th_R) == 1)
        SegPV_Th_R = 0.5f;
    if (app::value(ui.CheckPV_C_R) == 1)
        SegPV_C_R = 1;
    if (app::selected(ui.OptionCVMult_R))
        SegCV_R = 2;
    if (app::selected(ui.OptionCVAlon_R) && !app::selected(ui.OptionCVMult_R))
        SegCV_R = 1;
    if (app::value(ui.CheckPV_R) == 1)
        SegPV_R = 2;
    if (app::value(ui.CheckSFV_R) == 1)
        SegSFV_R = 1;
    if (app::value(ui.CheckPFV_R) == 1)
        SegPFV_R = 1;
    if (app::value(ui.CheckCFV_R) == 1)
        SegCFV_R = 1;

    const float reflux = float(SegGSV_R) + SegSSV_R + SegPV_Th_R + float(SegPV_C_R) +
                         float(SegCV_R) + float(SegPV_R) + float(SegSFV_R) + float(SegPFV_R) +
                         float(SegCFV_R);
    StrVSDS_R = app::floatText(reflux);
    StrVSDS_O = app::intText(obstructionTotal());
    ui.TextVSDS->setText(" РЕФЛЮКС: " + StrVSDS_R + " ОБСТРУКЦИЯ: " + StrVSDS_O);
}

void Form5::CommandVSDS_Clean_Click()
{
    // Unticking a ticked box runs its handler, which stores 0.
    for (QCheckBox *box : {ui.CheckSSV_R, ui.CheckGSV_R, ui.CheckPV_Th_R, ui.CheckPV_C_R})
        app::setValue(box, 0);
    app::deselect(ui.OptionCVMult_R);
    app::deselect(ui.OptionCVAlon_R);
    for (QCheckBox *box :
         {ui.CheckPV_R, ui.CheckSFV_R, ui.CheckPFV_R, ui.CheckCFV_R, ui.CheckGSV_O, ui.CheckCV_O,
          ui.CheckPV_O, ui.CheckSFV_O, ui.CheckPFV_O, ui.CheckCFV_O, ui.CheckIV_O, ui.CheckIVC_O})
        app::setValue(box, 0);

    SegSSV_R = SegPV_Th_R = 0;
    SegGSV_R = SegPV_C_R = SegCV_R = SegPV_R = SegSFV_R = SegPFV_R = SegCFV_R = 0;
    SegGSV_O = SegCV_O = SegPV_O = SegSFV_O = SegPFV_O = SegCFV_O = SegIV_O = SegIVC_O = 0;

    StrVSDS_R = app::floatText(0);
    StrVSDS_O = app::intText(obstructionTotal());
    ui.TextVSDS->setText("REFLUX  " + StrVSDS_R + "  OBSTRUCTION  " + StrVSDS_O);
}

// A disability option keeps its score while it is the selected one.
void Form5::disabilityClick(const QRadioButton *option, const char *score)
{
    if (app::selected(option))
        StrVDS = QLatin1String(score);
}

void Form5::OptionVDS_0_Click()
{
    disabilityClick(ui.OptionVDS_0, "0");
}

void Form5::OptionVDS_1_Click()
{
    disabilityClick(ui.OptionVDS_1, "1");
}

void Form5::OptionVDS_2_Click()
{
    disabilityClick(ui.OptionVDS_2, "2");
}

void Form5::OptionVDS_3_Click()
{
    disabilityClick(ui.OptionVDS_3, "3");
}

void Form5::CommandCEAP_Click()
{
    // A result box that still holds its initial text has not been computed. Reading the box of
    // a window that is not loaded loads it: the severity window hidden, the main window shown.
    if (ui.TextVSDS->text() == "ПОРАЖЕННЫЕ ВЕНОЗНЫЕ СЕГМЕНТЫ =") {
        app::message("Пожалуйста, рассчитайте шкалу сегментов поражения венозной системы!");
        return;
    }
    if (app::form<Form4>().vcssText() == "Тяжесть=") {
        app::message("Пожалуйста, рассчитайте данные для клинической шкалы!");
        return;
    }
    if (app::form<Form1>().formulaText() == "CEAP =") {
        app::message("Пожалуйста, рассчитайте CEAP!");
        return;
    }
    if (app::selected(ui.OptionVDS_0))
        StrVDS = "0";

    ui.TextALL_CEAP->setText(app::form<Form1>().formulaText() + ";" +
                             " ТЯЖЕСТЬ: " + app::form<Form4>().vcssText() + ";" +
                             ui.TextVSDS->text() + ";" + " НЕТРУДОСПОСОБНОСТЬ: " + StrVDS);
}

void Form5::CmdBack_Click()
{
    app::show<Form4>();
}

// Unloads the five windows, this one included: nothing of this window may be touched after it.
void Form5::unloadAll()
{
    app::unload<Form1>();
    app::unload<Form2>();
    app::unload<Form3>();
    app::unload<Form4>();
    app::unload<Form5>();
}

void Form5::CmdNewExam_Click()
{
    unloadAll();
    // The main window loads anew and writes today's date.
    app::show<Form1>();
}

void Form5::CommandExitAll_Click()
{
    // With no window left on screen the program ends.
    unloadAll();
}
