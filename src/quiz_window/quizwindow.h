#pragma once

#include "bank/bankloader.h"
#include "bank/questionbank.h"
#include "run/runstart.h"
#include "run/runstate.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class EllipseShape;
class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class RandomSource;
class TextBox;

// The quiz window VELT_Prazno: every control a pupil sees, the state of the
// run, and the bank it was started from. Its procedures keep the names the
// test's authors know them by.
class QuizWindow : public QMainWindow, private RunStartView
{
    Q_OBJECT

public:
    // The publisher's address, in the caption and in the Author message.
    static const QString kPublisherAddress;

    // Creates the window and runs the run start, before it is first shown.
    explicit QuizWindow(std::unique_ptr<RandomSource> random,
        const QString &bankFolder = QString::fromLatin1(kShippedBankFolder), QWidget *parent = nullptr);
    ~QuizWindow() override;

    // Why the run could not start, when the bank was refused; empty when
    // the window is ready to be shown.
    const QStringList &bankFaults() const { return m_bankFaults; }

    void centreOnScreen();

    const RunState &state() const { return m_state; }
    // The bank, or null after Exit or when it was refused.
    const QuestionBank *bank() const { return m_bank.get(); }

    // Controls, by the names of the design.
    std::array<QLabel *, 5> Label1 {};
    std::array<QPushButton *, 2> Command1 {};
    std::array<QPushButton *, 3> Command2 {};
    std::array<TextBox *, 7> Text2 {};
    std::array<TextBox *, 2> Text1 {};
    QWidget *Frame1 = nullptr;
    std::array<QRadioButton *, 5> Option1 {};
    QWidget *Picture1 = nullptr;
    std::array<EllipseShape *, 2> Shape1 {};
    std::array<EllipseShape *, 2> Shape2 {};
    QLabel *Picture2 = nullptr;
    QAction *izhod = nullptr;
    QAction *autor = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenu();
    void connectControls();
    void setTabOrder();

    QuestionBank *VELT_Danni();
    void Form_Load();
    void izhod_Click(int index);
    void autor_Click();

    // Test mode: showing a position and moving between positions.
    void ShowQuestion();
    void SelectCurrentRows();
    void ShowFigure(int q);
    void Command1_Click(int index);

    // What both modes show first of a position: the progress, the question
    // and its answers in this run's order, the boxes and options it needs.
    struct ShownQuestion
    {
        int q;
        int k;
    };
    ShownQuestion showQuestionAndAnswers();

    // Answering. Selecting an option, by the pupil or by the display, goes
    // through selectOption, which always runs the answer handler.
    void selectOption(int index);
    void clearOptions();
    // Whether the text shown in answer box j is the key of question q:
    // equal character for character, blanks and case included.
    bool boxShowsKey(int j, int q) const;
    // The question index shown at position p.
    int questionAt(int p) const;
    void Option1_Click(int index);
    void ComposePhrase();

    void ShowProgress();

    // Evaluation and review mode.
    void Command2_Click(int index);
    void Evaluate(int reviewButtonsSetting);
    void paintOptions(quint32 bgr);
    void ShowGuessVerdict();
    void ShowReview();

    // Forward (+1) and Back (-1), held within the positions of the run in
    // both modes.
    void moveCurrentPos(int step);

    // The steps of the run start that show something.
    void setTitle(const QString &title) override;
    void colourIndicatorRed() override;
    void setPhraseBoxVisible(bool visible) override;
    void layOutProgressBars() override;

    void setIndicatorColour(quint32 bgr);
    int settingValueOf(int row) const;

    std::unique_ptr<RandomSource> m_random;
    QString m_bankFolder;
    std::unique_ptr<QuestionBank> m_bank;
    QStringList m_bankFaults;
    RunState m_state;
};
