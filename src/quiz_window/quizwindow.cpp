#include "quiz_window/quizwindow.h"

#include "bank/bankloader.h"
#include "bank/textnumbers.h"
#include "quiz_window/colours.h"
#include "quiz_window/controls.h"
#include "quiz_window/ellipseshape.h"
#include "quiz_window/helptext.h"
#include "quiz_window/layout.h"
#include "quiz_window/textbox.h"
#include "quiz_window/twips.h"
#include "run/randomsource.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

const QString QuizWindow::kPublisherAddress = QStringLiteral("www.velt.example");

namespace {

const QString kCrLf = QStringLiteral("\r\n");

template<typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QString indexed(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

} // namespace

QuizWindow::QuizWindow(std::unique_ptr<RandomSource> random, const QString &bankFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_random(std::move(random))
    , m_bankFolder(bankFolder)
{
    setObjectName(QStringLiteral("VELT_Prazno"));
    setWindowTitle(kPublisherAddress + QStringLiteral("    ВЕЛТ - Морвалит"));
    // A title bar without a window menu, minimise, maximise or close button:
    // the menu's Exit is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont windowFont(QStringLiteral("Times New Roman"), 12);
    windowFont.setStyleHint(QFont::Serif);
    setFont(windowFont);
    Controls::setBackColour(this, kWindowBlue);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velt-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/velt-16.png"), QSize(16, 16));
    setWindowIcon(icon);

    createControls();
    createMenu();
    connectControls();
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

QuizWindow::~QuizWindow() = default;

void QuizWindow::createControls()
{
    using namespace Layout;
    using Controls::button;
    using Controls::label;
    using Controls::textBox;

    auto *client = new QWidget(this);
    client->setFixedSize(twipsRect(0, 0, kClientWidth, kClientHeight).size());
    setCentralWidget(client);

    Label1[0] = named(label(client, QStringLiteral("ВЕЛТ по Чуждоeзиково Обучение"), kLightOrange,
                          Qt::AlignHCenter, kTitle),
        indexed("Label1", 0));
    Command1[0] = named(button(client, QStringLiteral("Напред"), kOrange, kForward), indexed("Command1", 0));
    Command1[1] = named(button(client, QStringLiteral("Назад"), kDarkOrange, kBack), indexed("Command1", 1));
    Command2[1]
        = named(button(client, QStringLiteral("Напред"), kLightBlue, kReviewForward), indexed("Command2", 1));
    Command2[2]
        = named(button(client, QStringLiteral("Назад"), kLightBlue, kReviewBack), indexed("Command2", 2));
    Command2[1]->hide();
    Command2[2]->hide();

    Text2[0] = named(textBox(client, QStringLiteral("Текст на задавания въпрос") + kCrLf, kQuestionBox),
        indexed("Text2", 0));
    const QString answerTexts[5]
        = { QStringLiteral("1-ви отговор") + kCrLf + QStringLiteral("asdfasdfasdfas") + kCrLf,
              QStringLiteral("2-ри отговор") + kCrLf, QStringLiteral("3-ти отговор") + kCrLf,
              QStringLiteral("4-ти отговор") + kCrLf, QStringLiteral("5-ти отговор") + kCrLf };
    for (int j = 1; j <= 5; ++j) {
        Text2[j] = named(textBox(client, answerTexts[j - 1], kAnswerBoxes[j - 1]), indexed("Text2", j));
        Text2[j]->hide();
    }

    // The frame's caption is never shown: it is only a borderless group.
    Frame1 = named(Controls::colourBox(client, kLightBlue, kOptionFrame), QStringLiteral("Frame1"));
    const QString letters = QStringLiteral("ABCDE");
    for (int i = 0; i < 5; ++i) {
        Option1[i]
            = named(Controls::option(Frame1, QStringLiteral("Отговор ") + letters.at(i), kGreen, kOptions[i]),
                indexed("Option1", i));
        Option1[i]->hide();
    }

    Label1[4] = named(
        label(client, QStringLiteral("Въведен отговор: "), kLightOrange, Qt::AlignLeft, kChosenAnswerLabel),
        indexed("Label1", 4));
    Picture1 = named(Controls::colourBox(client, kRed, kIndicatorStrip), QStringLiteral("Picture1"));
    Text2[6] = named(
        textBox(client, QStringLiteral("При посочен отговор се извежда цялата фраза.") + kCrLf, kPhraseBox),
        indexed("Text2", 6));

    Shape1[0] = named(new EllipseShape(kPositionBar[0], kGreen, client), indexed("Shape1", 0));
    Shape1[1] = named(new EllipseShape(kPositionBar[1], kCyan, client), indexed("Shape1", 1));
    Shape2[0] = named(new EllipseShape(kAnsweredBar[0], kOrange, client), indexed("Shape2", 0));
    Shape2[1] = named(new EllipseShape(kAnsweredBar[1], kYellow, client), indexed("Shape2", 1));

    Command2[0]
        = named(button(client, QStringLiteral("Оценяване"), kLightBlue, kEvaluate), indexed("Command2", 0));
    Label1[2] = named(label(client, QStringLiteral("Въведени отговори: "), kLightOrange, Qt::AlignLeft,
                          kAnsweredCountLabel),
        indexed("Label1", 2));
    Label1[3]
        = named(label(client, QStringLiteral("Тото: "), kLightOrange, Qt::AlignLeft, kGuessVerdictLabel),
            indexed("Label1", 3));
    Label1[3]->hide();
    Label1[1] = named(label(client, QStringLiteral("Резултат: "), kLightOrange, Qt::AlignLeft, kResultLabel),
        indexed("Label1", 1));

    // The figure box shows a figure at its natural size from the top left
    // corner; what does not fit is cut off, never scaled.
    Picture2 = named(new QLabel(client), QStringLiteral("Picture2"));
    Picture2->setGeometry(twipsRect(kFigureBox));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2->setScaledContents(false);
    QPalette figurePalette = Picture2->palette();
    figurePalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    Picture2->setPalette(figurePalette);
    Picture2->setAutoFillBackground(true);

    Text1[0] = named(textBox(client, helpText(), kInfoBox), indexed("Text1", 0));
    Text1[1] = named(textBox(client, QStringLiteral("list1(1) - верните отговори") + kCrLf, kSpareNoteBox),
        indexed("Text1", 1));
    Text1[1]->hide();
}

void QuizWindow::createMenu()
{
    izhod = menuBar()->addAction(QStringLiteral("Изход"));
    izhod->setObjectName(QStringLiteral("izhod(0)"));
    connect(izhod, &QAction::triggered, this, [this] { izhod_Click(0); });
    autor = menuBar()->addAction(QStringLiteral("Автор"));
    autor->setObjectName(QStringLiteral("autor"));
    connect(autor, &QAction::triggered, this, [this] { autor_Click(); });
}

void QuizWindow::connectControls()
{
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index)
        connect(Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    for (int index = 0; index < static_cast<int>(Command2.size()); ++index)
        connect(Command2[index], &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
    // A click on the option already selected counts too: it is answered again.
    for (int index = 0; index < static_cast<int>(Option1.size()); ++index)
        connect(Option1[index], &QRadioButton::clicked, this, [this, index] { selectOption(index); });
}

void QuizWindow::setTabOrder()
{
    const QList<QWidget *> order = { Text1[0], Text1[1], Text2[0], Text2[1], Text2[2], Text2[3], Text2[4],
        Text2[6], Option1[0], Option1[1], Option1[2], Option1[3], Command1[0], Command1[1], Command2[0],
        Command2[1], Command2[2], Text2[5], Option1[4] };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void QuizWindow::centreOnScreen()
{
    const QScreen *screen = QApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QuestionBank *QuizWindow::VELT_Danni()
{
    if (!m_bank && m_bankFaults.isEmpty()) {
        BankLoad load = loadBank(m_bankFolder);
        m_bank = std::move(load.bank);
        m_bankFaults = load.faults;
    }
    return m_bank.get();
}

void QuizWindow::Form_Load()
{
    QuestionBank *bank = VELT_Danni();
    if (!bank)
        return;
    startRun(*bank, m_state, *m_random, *this);
    ShowQuestion();
    Text1[0]->setFocus();
}

void QuizWindow::izhod_Click(int)
{
    m_bank.reset();
    QCoreApplication::exit(0);
}

void QuizWindow::autor_Click()
{
    Text1[0]->setText(
        QStringLiteral("За повече информация посетете ") + kPublisherAddress + QStringLiteral("."));
}

void QuizWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    izhod_Click(0);
}

void QuizWindow::setTitle(const QString &title)
{
    Label1[0]->setText(title);
}

void QuizWindow::colourIndicatorRed()
{
    setIndicatorColour(kRed);
}

void QuizWindow::setIndicatorColour(quint32 bgr)
{
    Controls::setBackColour(Picture1, bgr);
}

int QuizWindow::settingValueOf(int row) const
{
    return settingValue(m_bank->List2.row(row));
}

void QuizWindow::setPhraseBoxVisible(bool visible)
{
    Text2[6]->setVisible(visible);
}
