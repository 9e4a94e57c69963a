#pragma once

#include "app/windows.h"
#include "ui_form5.h"

#include <QWidget>

// The segmental score window: the Venous Segmental Disease Score, the disability score and the
// extended diagnosis that joins them with the CEAP formula and the severity score.
class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Segments;

    explicit Form5(QWidget *parent = nullptr);

private slots:
    void CheckSSV_R_Click();
    void CheckGSV_R_Click();
    void CheckPV_Th_R_Click();
    void CheckPV_C_R_Click();
    void OptionCVMult_R_Click();
    void CheckPV_R_Click();
    void CheckSFV_R_Click();
    void CheckPFV_R_Click();
    void CheckCFV_R_Click();
    void CheckGSV_O_Click();
    void CheckCV_O_Click();
    void CheckPV_O_Click();
    void CheckSFV_O_Click();
    void CheckPFV_O_Click();
    void CheckCFV_O_Click();
    void CheckIV_O_Click();
    void CheckIVC_O_Click();
    void CommandSegment_Click();
    void CommandVSDS_Clean_Click();

    void OptionVDS_0_Click();
    void OptionVDS_1_Click();
    void OptionVDS_2_Click();
    void OptionVDS_3_Click();
    void CommandCEAP_Click();

    void CmdBack_Click();
    void CmdNewExam_Click();
    void CommandExitAll_Click();

private:
    void disabilityClick(const QRadioButton *option, const char *score);
    void unloadAll();
    qint16 obstructionTotal() const;

    Ui::Form5 ui;

    // Reflux weights per segment: one half for the two float ones, 1 or 2 for the others.
    float SegSSV_R = 0;
    qint16 SegGSV_R = 0;
    float SegPV_Th_R = 0;
    qint16 SegPV_C_R = 0;
    qint16 SegCV_R = 0;
    qint16 SegPV_R = 0;
    qint16 SegSFV_R = 0;
    qint16 SegPFV_R = 0;
    qint16 SegCFV_R = 0;
    // Obstruction weights per segment.
    qint16 SegGSV_O = 0;
    qint16 SegCV_O = 0;
    qint16 SegPV_O = 0;
    qint16 SegSFV_O = 0;
    qint16 SegPFV_O = 0;
    qint16 SegCFV_O = 0;
    qint16 SegIV_O = 0;
    qint16 SegIVC_O = 0;

    QString StrVSDS_R;
    QString StrVSDS_O;
    QString StrVDS;
};
