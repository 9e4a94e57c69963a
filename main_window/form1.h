#pragma once

#include "app/windows.h"
#include "ui_form1.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QRadioButton;

// The main window: the findings of the CEAP classification and the formula built from them.
//
// Every finding keeps its code text in a state value of the window. The click handlers store
// those codes or apply the exclusion rules; the button "Расчёт" brings part of the codes back in
// line with the boxes and joins them into the formula. Codes of earlier choices survive until
// the reset: that is how two flow types end up in one formula over two presses.
class Form1 : public QMainWindow {
    Q_OBJECT
    friend class TestMainWindow;

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

    // Clinical classes C1, C2, C3, C5, C6: store the code on every change.
    void Check2_Click() { clinicalClick(ui.Check2); }
    void Check3_Click() { clinicalClick(ui.Check3); }
    void Check4_Click() { clinicalClick(ui.Check4); }
    void Check6_Click() { clinicalClick(ui.Check6); }
    void Check7_Click() { clinicalClick(ui.Check7); }

    // Segments 1 to 18: store the code when ticked.
    void Check8_Click() { segmentClick(ui.Check8); }
    void Check9_Click() { segmentClick(ui.Check9); }
    void Check11_Click() { segmentClick(ui.Check11); }
    void Check12_Click() { segmentClick(ui.Check12); }
    void Check13_Click() { segmentClick(ui.Check13); }
    void Check15_Click() { segmentClick(ui.Check15); }
    void Check16_Click() { segmentClick(ui.Check16); }
    void Check17_Click() { segmentClick(ui.Check17); }
    void Check18_Click() { segmentClick(ui.Check18); }
    void Check19_Click() { segmentClick(ui.Check19); }
    void Check20_Click() { segmentClick(ui.Check20); }
    void Check21_Click() { segmentClick(ui.Check21); }
    void Check22_Click() { segmentClick(ui.Check22); }
    void Check23_Click() { segmentClick(ui.Check23); }
    void Check24_Click() { segmentClick(ui.Check24); }
    void Check25_Click() { segmentClick(ui.Check25); }
    void Check27_Click() { segmentClick(ui.Check27); }
    void Check28_Click() { segmentClick(ui.Check28); }

    // Etiologies Ec, Ep, Es: the code while ticked, empty once unticked.
    void Chk_Ec_Click() { etiologyClick(ui.Chk_Ec); }
    void Chk_Ep_Click() { etiologyClick(ui.Chk_Ep); }
    void Chk_Es_Click() { etiologyClick(ui.Chk_Es); }

    // Symptoms, level of investigation and C4: store the literal of the selected option.
    void Option1_Click() { optionClick(ui.Option1); }
    void Option2_Click() { optionClick(ui.Option2); }
    void Option11_Click() { optionClick(ui.Option11); }
    void Option12_Click() { optionClick(ui.Option12); }
    void Option13_Click() { optionClick(ui.Option13); }
    void Option14_Click() { optionClick(ui.Option14); }
    void Option15_Click() { optionClick(ui.Option15); }

    // C0 excludes every other clinical class; En excludes Ec, Ep and Es.
    void Check1_Click();
    void Chk_En_Click();

    // An and Pn exclude ticked segments 2 to 18.
    void Check5_Click() { noFindingClick(anRule); }
    void Option10_Click() { noFindingClick(pnRule); }

    // Flow types Pr, Po, Pr,o.
    void Option7_Click() { flowTypeClick(ui.Option7); }
    void Option8_Click() { flowTypeClick(ui.Option8); }
    void Option9_Click() { flowTypeClick(ui.Option9); }

    // "Расчёт" builds the formula; "Очистить" resets the window.
    void Command1_Click();
    void Command2_Click();

private:
    // A finding's control, the state value that holds its code, and the code text.
    template <class Control> struct Finding {
        Control *control;
        QString *code;
        QString text;
        void (Form1::*handler)();
    };
    using BoxFinding = Finding<QCheckBox>;
    using OptionFinding = Finding<QRadioButton>;

    // A flow type: its option, its state value, the code text that begins it and how many
    // segments (from segment 1) its text lists.
    struct FlowType {
        QRadioButton *control;
        QString *code;
        QString text;
        int segmentCount;
        void (Form1::*handler)();
    };

    // A group of segments and the anatomy mark it sets in the formula.
    struct SegmentGroup {
        int first;
        int last;
        QString *mark;
        QString text;
    };

    // An or Pn: a choice saying nothing was found, refused while a segment 2 to 18 is ticked.
    struct NoFindingRule {
        QAbstractButton *control;
        std::vector<QWidget *> locked; // disabled when the choice is made, in this order
        QString *code;
        QString text;
        QString message;
    };

    void clinicalClick(const QCheckBox *box);
    void segmentClick(const QCheckBox *box);
    void etiologyClick(const QCheckBox *box);
    void optionClick(const QRadioButton *option);
    void flowTypeClick(QRadioButton *option);
    void noFindingClick(const NoFindingRule &rule);

    // The window's reset: empties the codes, unticks and deselects everything, "CEAP=".
    void ClearForm();

    // The codes of segments 1 to count joined in segment order.
    QString segmentCodes(int count) const;
    std::array<QWidget *, 8> c0Excluded() const;

    Ui::Form1 ui;

    // State values: the code texts of the findings and the pieces of the formula.
    QString StrClass_C0;
    QString StrClass_C1;
    QString StrClass_C2;
    QString StrClass_C3;
    QString StrClass_C4;
    QString StrClass_C5;
    QString StrClass_C6;
    QString StrClinical;
    QString StrEtiology;
    QString StrEtiology_Ec;
    QString StrEtiology_Ep;
    QString StrEtiology_Es;
    QString StrEtiology_En;
    QString StrAnatomy;
    QString StrAnatomy_As;
    QString StrAnatomy_Ad;
    QString StrAnatomy_Ap;
    QString StrAnatomy_An;
    QString StrPatho_Pr;
    QString StrSegmentsAll;
    QString StrPatho_Po;
    QString StrPatho_Pro;
    QString StrSymptoms;
    QString StrSegment_1;
    QString StrSegment_2;
    QString StrSegment_3;
    QString StrSegment_4;
    QString StrSegment_5;
    QString StrSegment_6;
    QString StrSegment_7;
    QString StrSegment_8;
    QString StrSegment_9;
    QString StrSegment_10;
    QString StrSegment_11;
    QString StrSegment_12;
    QString StrSegment_13;
    QString StrSegment_14;
    QString StrSegment_15;
    QString StrSegment_16;
    QString StrSegment_17;
    QString StrSegment_18;
    QString StrLevel;

    // The findings by family, each in the order the rules and the formula pass over them.
    std::array<BoxFinding, 5> clinicalBoxes;     // C1, C2, C3, C5, C6
    std::array<BoxFinding, 18> segments;         // segments 1 to 18
    std::array<BoxFinding, 3> etiologyBoxes;     // Ec, Ep, Es
    std::array<OptionFinding, 7> optionFindings; // symptoms, level, C4
    std::array<FlowType, 3> flowTypes;           // Pr, Po, Pr,o: the formula's order
    std::array<SegmentGroup, 3> segmentGroups;   // superficial, deep, perforator
    NoFindingRule anRule;
    NoFindingRule pnRule;
};
