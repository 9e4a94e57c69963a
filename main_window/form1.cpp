#include "main_window/form1.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/look.h"
#include "app/message.h"
#include "app/texts.h"
#include "info_windows/form2.h"
#include "info_windows/form3.h"
#include "severity_score/form4.h"

#include <QMenuBar>

#include <algorithm>

namespace {

const QString C0Message = QStringLiteral(
    "Ошибка! Нельзя одновременно вводить C0 (признаков венозного заболевания) и указывать "
    "клинический класс!");
const QString EnMessage = QStringLiteral(
    "Ошибка! Нельзя одновременно вводить En (нет данных за венозную этиологию) и указывать "
    "этиологию!");
const QString AnMessage = QStringLiteral(
    "Ошибка! Нельзя одновременно вводить An (нет изменений венозной системы) и указывать "
    "поражённый сегмент!");
const QString PnMessage = QStringLiteral(
    "Ошибка! Нельзя одновременно вводить Pn (нет нарушения венозного оттока) и указывать "
    "поражённый сегмент!");
const QString NoSegmentMessage =
    QStringLiteral("Ошибка! Необходимо обозначить хотя бы один анатомический сегмент");

// The row of a family table that belongs to a control.
template <class Row, std::size_t N, class Control>
const Row &rowOf(const std::array<Row, N> &rows, const Control *control)
{
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [control](const Row &row) { return row.control == control; });
    Q_ASSERT(found != rows.end());
    return *found;
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    ui.setupUi(this);
    app::setUpWindow(this);
    // The definition gives the client area; the menu bar comes on top of it.
    resize(959, 576 + menuBar()->sizeHint().height());

    connect(ui.exit, &QAction::triggered, this, &Form1::exit_Click);
    connect(ui.SuperCeap, &QAction::triggered, this, &Form1::SuperCeap_Click);
    connect(ui.Help, &QAction::triggered, this, &Form1::Help_Click);
    connect(ui.about, &QAction::triggered, this, &Form1::about_Click);

    clinicalBoxes = {{
        {ui.Check2, &StrClass_C1, "1,", &Form1::Check2_Click},
        {ui.Check3, &StrClass_C2, "2,", &Form1::Check3_Click},
        {ui.Check4, &StrClass_C3, "3,", &Form1::Check4_Click},
        {ui.Check6, &StrClass_C5, "5,", &Form1::Check6_Click},
        {ui.Check7, &StrClass_C6, "6,", &Form1::Check7_Click},
    }};
    segments = {{
        {ui.Check8, &StrSegment_1, "1,", &Form1::Check8_Click},
        {ui.Check9, &StrSegment_2, "2,", &Form1::Check9_Click},
        {ui.Check11, &StrSegment_3, "3,", &Form1::Check11_Click},
        {ui.Check12, &StrSegment_4, "4,", &Form1::Check12_Click},
        {ui.Check13, &StrSegment_5, "5,", &Form1::Check13_Click},
        {ui.Check15, &StrSegment_6, "6,", &Form1::Check15_Click},
        {ui.Check16, &StrSegment_7, "7,", &Form1::Check16_Click},
        {ui.Check17, &StrSegment_8, "8,", &Form1::Check17_Click},
        {ui.Check18, &StrSegment_9, "9,", &Form1::Check18_Click},
        {ui.Check19, &StrSegment_10, "10,", &Form1::Check19_Click},
        {ui.Check20, &StrSegment_11, "11,", &Form1::Check20_Click},
        {ui.Check21, &StrSegment_12, "12,", &Form1::Check21_Click},
        {ui.Check22, &StrSegment_13, "13,", &Form1::Check22_Click},
        {ui.Check23, &StrSegment_14, "14,", &Form1::Check23_Click},
        {ui.Check24, &StrSegment_15, "15,", &Form1::Check24_Click},
        {ui.Check25, &StrSegment_16, "16,", &Form1::Check25_Click},
        {ui.Check27, &StrSegment_17, "17,", &Form1::Check27_Click},
        {ui.Check28, &StrSegment_18, "18,", &Form1::Check28_Click},
    }};
    etiologyBoxes = {{
        {ui.Chk_Ec, &StrEtiology_Ec, "c, ", &Form1::Chk_Ec_Click},
        {ui.Chk_Ep, &StrEtiology_Ep, "p, ", &Form1::Chk_Ep_Click},
        {ui.Chk_Es, &StrEtiology_Es, "s, ", &Form1::Chk_Es_Click},
    }};
    optionFindings = {{
        {ui.Option1, &StrSymptoms, "S, ", &Form1::Option1_Click},
        {ui.Option2, &StrSymptoms, "A, ", &Form1::Option2_Click},
        {ui.Option11, &StrLevel, " LI ", &Form1::Option11_Click},
        {ui.Option12, &StrLevel, " LII ", &Form1::Option12_Click},
        {ui.Option13, &StrLevel, " LIII ", &Form1::Option13_Click},
        {ui.Option14, &StrClass_C4, "4a, ", &Form1::Option14_Click},
        {ui.Option15, &StrClass_C4, "4b, ", &Form1::Option15_Click},
    }};
    // Reflux lists every segment; obstruction and both list the superficial and deep ones only.
    flowTypes = {{
        {ui.Option7, &StrPatho_Pr, "Pr, ", 18, &Form1::Option7_Click},
        {ui.Option8, &StrPatho_Po, "Po, ", 16, &Form1::Option8_Click},
        {ui.Option9, &StrPatho_Pro, "Pr,o ", 16, &Form1::Option9_Click},
    }};
    segmentGroups = {{
        {0, 4, &StrAnatomy_As, "s, "},
        {5, 15, &StrAnatomy_Ad, "d, "},
        {16, 17, &StrAnatomy_Ap, "p, "},
    }};

    // An locks every segment box; Pn leaves segment 1 free but locks the flow types.
    anRule = {ui.Check5, {}, &StrAnatomy_An, "n, ", AnMessage};
    pnRule = {ui.Option10, {}, &StrPatho_Pr, "Pn, ", PnMessage};
    for (const BoxFinding &segment : segments) {
        anRule.locked.push_back(segment.control);
        if (segment.control != ui.Check8)
            pnRule.locked.push_back(segment.control);
    }
    pnRule.locked.insert(pnRule.locked.end(), {ui.Option7, ui.Option8, ui.Option9});

    for (const auto &row : clinicalBoxes)
        app::onClick(row.control, this, row.handler);
    for (const auto &row : segments)
        app::onClick(row.control, this, row.handler);
    for (const auto &row : etiologyBoxes)
        app::onClick(row.control, this, row.handler);
    for (const auto &row : optionFindings)
        app::onClick(row.control, this, row.handler);
    for (const auto &row : flowTypes)
        app::onClick(row.control, this, row.handler);
    app::onClick(ui.Check1, this, &Form1::Check1_Click);
    app::onClick(ui.Chk_En, this, &Form1::Chk_En_Click);
    app::onClick(ui.Check5, this, &Form1::Check5_Click);
    app::onClick(ui.Option10, this, &Form1::Option10_Click);
    app::onClick(ui.Command1, this, &Form1::Command1_Click);
    app::onClick(ui.Command2, this, &Form1::Command2_Click);
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

// A clinical class stores its code whether the box was ticked or unticked; the formula
// builder drops the codes of unticked boxes.
void Form1::clinicalClick(const QCheckBox *box)
{
    const BoxFinding &row = rowOf(clinicalBoxes, box);
    *row.code = row.text;
}

// Unticking leaves the code stored; the flow types, the formula builder and the reset clear it.
void Form1::segmentClick(const QCheckBox *box)
{
    const BoxFinding &row = rowOf(segments, box);
    if (app::value(box) == 1)
        *row.code = row.text;
}

// A grayed box matches neither test and keeps the code as it was.
void Form1::etiologyClick(const QCheckBox *box)
{
    const BoxFinding &row = rowOf(etiologyBoxes, box);
    if (app::value(box) == 1)
        *row.code = row.text;
    if (app::value(box) == 0)
        row.code->clear();
}

// Losing the selection writes nothing; the reset empties these texts itself.
void Form1::optionClick(const QRadioButton *option)
{
    const OptionFinding &row = rowOf(optionFindings, option);
    if (app::selected(option))
        *row.code = row.text;
}

std::array<QWidget *, 8> Form1::c0Excluded() const
{
    return {ui.Check2, ui.Check3, ui.Check4,   ui.Check6,
            ui.Check7, ui.Frame5, ui.Option14, ui.Option15};
}

void Form1::Check1_Click()
{
    if (app::value(ui.Check1) == 1) {
        StrClass_C0 = "0,";
        for (QWidget *control : c0Excluded())
            control->setEnabled(false);
        const bool conflict =
            std::any_of(clinicalBoxes.begin(), clinicalBoxes.end(),
                        [](const BoxFinding &row) { return app::value(row.control) == 1; }) ||
            app::selected(ui.Option14) || app::selected(ui.Option15);
        if (conflict) {
            app::message(C0Message);
            // The reset unticks C0 first, which runs this handler again on its untick path.
            ClearForm();
            return;
        }
    }
    if (app::value(ui.Check1) == 0) {
        // "0", not empty: only "0," counts for the formula.
        StrClass_C0 = "0";
        for (QWidget *control : c0Excluded())
            control->setEnabled(true);
    }
}

void Form1::Chk_En_Click()
{
    StrEtiology_En = "n, ";
    const bool ticked = app::value(ui.Chk_En) == 1;
    for (const BoxFinding &row : etiologyBoxes)
        row.control->setEnabled(!ticked);

    const bool conflict =
        app::value(ui.Chk_En) == 1 &&
        std::any_of(etiologyBoxes.begin(), etiologyBoxes.end(),
                    [](const BoxFinding &row) { return app::value(row.control) == 1; });
    if (!conflict)
        return;
    app::message(EnMessage);
    for (const BoxFinding &row : etiologyBoxes)
        app::setValue(row.control, 0);
    for (const BoxFinding &row : etiologyBoxes)
        row.code->clear();
}

// An runs on tick and untick, Pn only when selected. The conflict test runs after either
// branch: on the reset's untick of An it can still find a segment ticked, since the reset
// reaches An before the segment boxes, and so shows the message again with a nested reset.
void Form1::noFindingClick(const NoFindingRule &rule)
{
    const auto *box = qobject_cast<const QCheckBox *>(rule.control);
    const bool on =
        box ? app::value(box) == 1 : app::selected(static_cast<const QRadioButton *>(rule.control));
    if (on) {
        for (QWidget *control : rule.locked)
            control->setEnabled(false);
    } else {
        for (const BoxFinding &segment : segments)
            segment.control->setEnabled(true);
    }

    // Segment 1 never refuses the choice.
    const bool conflict =
        std::any_of(segments.begin() + 1, segments.end(),
                    [](const BoxFinding &segment) { return app::value(segment.control) == 1; });
    if (conflict) {
        app::message(rule.message);
        ClearForm();
        return;
    }
    *rule.code = on ? rule.text : QString();
}

QString Form1::segmentCodes(int count) const
{
    QString codes;
    for (int i = 0; i < count; ++i)
        codes += *segments[i].code;
    return codes;
}

// Codes of unticked boxes are cleared only within the flow type's own range, while the test
// for at least one segment spans all 18: a stale "17," or "18," lets Po and Pr,o through.
void Form1::flowTypeClick(QRadioButton *option)
{
    const FlowType &flow = rowOf(flowTypes, option);
    for (int i = 0; i < flow.segmentCount; ++i)
        if (app::value(segments[i].control) == 0)
            segments[i].code->clear();

    StrSegmentsAll = segmentCodes(18);
    if (StrSegmentsAll.isEmpty())
        app::message(NoSegmentMessage);
    if (StrSegmentsAll.isEmpty())
        app::deselect(option);

    if (app::selected(option))
        *flow.code = flow.text + segmentCodes(flow.segmentCount);
}

void Form1::Command1_Click()
{
    // An wipes the segments and the group marks.
    if (app::value(ui.Check5) == 1) {
        for (const BoxFinding &segment : segments)
            app::setValue(segment.control, 0);
        for (const BoxFinding &segment : segments)
            segment.code->clear();
        StrAnatomy_As.clear();
        StrAnatomy_Ad.clear();
        StrAnatomy_Ap.clear();
    }

    for (const BoxFinding &segment : segments)
        *segment.code = app::value(segment.control) == 1 ? segment.text : QString();

    // En with Ec, Ep or Es: one message per conflicting box, and the press goes on.
    for (const BoxFinding &row : etiologyBoxes) {
        if (app::value(ui.Chk_En) == 1 && app::value(row.control) == 1) {
            app::message(EnMessage);
            app::setValue(row.control, 0);
            row.code->clear();
        }
    }
    if (app::value(ui.Chk_En) == 0)
        StrEtiology_En.clear();

    // The selected flow type's text is rebuilt; the others keep theirs from earlier choices.
    for (const FlowType *flow : {&flowTypes[1], &flowTypes[0], &flowTypes[2]})
        if (app::selected(flow->control))
            *flow->code = flow->text + segmentCodes(flow->segmentCount);

    for (const BoxFinding &row : clinicalBoxes)
        if (app::value(row.control) == 0)
            row.code->clear();

    StrAnatomy = "A";
    StrEtiology = "E" + StrEtiology_Ec + StrEtiology_Ep + StrEtiology_Es + StrEtiology_En;

    // Marks are only ever added here, so the groups of an earlier press stay in the formula.
    for (const SegmentGroup &group : segmentGroups)
        for (int i = group.first; i <= group.last; ++i)
            if (*segments[i].code == segments[i].text)
                *group.mark = group.text;

    if (StrClass_C0 == "0,")
        StrClinical = "0,";
    else
        StrClinical =
            StrClass_C1 + StrClass_C2 + StrClass_C3 + StrClass_C4 + StrClass_C5 + StrClass_C6;

    const QString date = ui.Text2->text();
    ui.Text1->setText("C " + StrClinical + StrSymptoms + StrEtiology + StrAnatomy + StrAnatomy_As +
                      StrAnatomy_Ad + StrAnatomy_Ap + StrAnatomy_An + StrPatho_Pr + StrPatho_Po +
                      StrPatho_Pro + StrLevel + date);
}

void Form1::Command2_Click()
{
    ClearForm();
}

// The order of the steps matters: unticking a box runs its click handling on the spot, and
// An is unticked before the segment boxes, so its handling still sees the ticked segments.
// StrAnatomy_An and StrSegmentsAll are not emptied here.
void Form1::ClearForm()
{
    for (QString *value :
         {&StrClass_C0,    &StrClass_C1,    &StrClass_C2,    &StrClass_C3, &StrClass_C4,
          &StrClass_C5,    &StrClass_C6,    &StrClinical,    &StrEtiology, &StrEtiology_Ec,
          &StrEtiology_Ep, &StrEtiology_Es, &StrEtiology_En, &StrAnatomy,  &StrAnatomy_As,
          &StrAnatomy_Ad,  &StrAnatomy_Ap,  &StrPatho_Pr,    &StrPatho_Po, &StrPatho_Pro,
          &StrSymptoms})
        value->clear();
    for (const BoxFinding &segment : segments)
        segment.code->clear();
    StrLevel.clear();

    for (QCheckBox *box :
         {ui.Check1, ui.Check2, ui.Check3, ui.Check4, ui.Check5, ui.Check6, ui.Check7})
        app::setValue(box, 0);
    for (const BoxFinding &segment : segments)
        app::setValue(segment.control, 0);

    app::deselect(ui.Option1);
    app::deselect(ui.Option2);

    for (QCheckBox *box : {ui.Chk_Ec, ui.Chk_Ep, ui.Chk_Es, ui.Chk_En})
        app::setValue(box, 0);

    for (QRadioButton *option : {ui.Option7, ui.Option8, ui.Option9, ui.Option10, ui.Option11,
                                 ui.Option12, ui.Option13, ui.Option14, ui.Option15})
        app::deselect(option);

    for (const BoxFinding &segment : segments)
        segment.control->setEnabled(true);
    for (QRadioButton *option : {ui.Option7, ui.Option8, ui.Option9})
        option->setEnabled(true);

    ui.Text1->setText("CEAP=");
}
