#pragma once

#include "app/windows.h"
#include "ui_form4.h"

#include <QWidget>

#include <array>

// The clinical severity window: ten items of the Venous Clinical Severity Score and their total.
class Form4 : public QWidget {
    Q_OBJECT
public:
    static constexpr app::WindowId Id = app::WindowId::Severity;

    explicit Form4(QWidget *parent = nullptr);

    // The score box, read by the extended diagnosis.
    QString vcssText() const { return ui.TextVCSS->text(); }

protected:
    bool focusNextPrevChild(bool next) override;

private slots:
    void CmdBackForm1_Click();
    void CommandDalshe_Click();
    void CommandVCSS_Click();
    void CommandCleanTextVCSS_Click();

private:
    // One item: its four options, worth 0 to 3, and the state value holding its score.
    struct Item {
        std::array<QRadioButton *, 4> options;
        qint16 *score;
    };
    std::array<Item, 10> items();

    Ui::Form4 ui;

    qint16 ScorePain = 0;
    qint16 ScoreVaric_veins = 0;
    qint16 ScoreEdema = 0;
    qint16 ScoreSkin_pig = 0;
    qint16 ScoreInflam = 0;
    qint16 ScoreInduration = 0;
    qint16 ScoreNoUlcer = 0;
    qint16 ScoreAcUlcerDuration = 0;
    qint16 ScoreUlcerSize = 0;
    qint16 ScoreCompressTHer = 0;
    qint16 ScoreVCSS = 0;
};
