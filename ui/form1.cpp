#include "form1.h"

#include "equations.h"
#include "numberreader.h"
#include "plotarea.h"
#include "resultsmodel.h"
#include "resultsview.h"
#include "run.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

QFont gothic(qreal points, bool bold, bool italic = false) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont mincho(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"),
                      QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    return font;
}

void setColours(QWidget* widget, QRgb background, std::optional<QRgb> text = {}) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(background));
    if (text)
        colours.setColor(QPalette::WindowText, QColor::fromRgb(*text));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QString elided(const QString& text) {
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text : text.left(kShown) + QChar(0x2026);
}

// Dots go straight to the plot area as single-precision coordinates; rows are kept as numbers
// and shown when the run returns.
class WindowSink final : public solver::RunSink {
public:
    WindowSink(PlotArea& plot, ResultsModel& results)
        : plot_(plot)
        , results_(results) {}

    void PlotDot(double x, double y, solver::Colour colour) override {
        plot_.DrawDot(static_cast<float>(x), static_cast<float>(y), 0xFF000000u | colour.rgb);
    }
    void AddResultRow(const solver::ResultRow& row) override { results_.append(row); }

private:
    PlotArea& plot_;
    ResultsModel& results_;
};

// Runs shorter than this finish before a cursor change could be seen.
constexpr double kBusyCursorPasses = 20'000;

} // namespace

const QString Form1::kHelpText =
    QStringLiteral("関数を選ぶ         Ready をクリック      Initial ｘ を入力 Enter    "
                   "Initial y を入力 Enter  Final ｘ を入力 Enter");

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , showMessage_([](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("ZudozUrize"), text);
    }) {
    createControls();
    Form1_Load();
}

Form1::~Form1() = default;

void Form1::createControls() {
    setWindowTitle(QStringLiteral("ZudozUrize"));
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFixedSize(10620 / kTwipsPerPixel, 8595 / kTwipsPerPixel);
    setColours(this, 0xFFC0FFC0);

    const auto button = [this](const QString& caption, QRect place, qreal points) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(place);
        b->setFont(gothic(points, true));
        b->setAccessibleName(caption);
        b->setAutoDefault(false);
        return b;
    };
    const auto entry = [this](const QString& text, const QString& name, QRect place, qreal points) {
        auto* box = new QLineEdit(text, this);
        box->setGeometry(place);
        box->setFont(gothic(points, true));
        box->setAccessibleName(name);
        return box;
    };
    const auto label = [this](const QString& caption, QRect place, qreal points,
                              Qt::Alignment alignment) {
        auto* l = new QLabel(caption, this);
        l->setGeometry(place);
        l->setFont(gothic(points, true, true));
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAlignment(alignment | Qt::AlignVCenter);
        setColours(l, 0xFF80FF80);
        return l;
    };

    Command3 = button(QStringLiteral("Help"), twips(8520, 600, 1215, 375), 12);
    // Its Mincho face is set when Help first shows it: loading a face costs start-up time, and
    // nobody sees this box before then.
    Text4 = new QPlainTextEdit(this);
    Text4->setGeometry(twips(8040, 6120, 2415, 1455));
    Text4->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text4->setAccessibleName(QStringLiteral("Help text"));
    Text4->setTabChangesFocus(true);
    Text4->hide();
    Command2 = button(QStringLiteral("End"), twips(8640, 7560, 975, 495), 12);

    List2 = new QListWidget(this);
    List2->setGeometry(twips(7920, 1440, 2655, 735));
    List2->setFont(gothic(11.25, true));
    List2->setAccessibleName(QStringLiteral("Equations"));

    results_ = new ResultsModel(this);
    List1 = new ResultsView(results_, this);
    List1->setGeometry(twips(8280, 4680, 2055, 1410));
    List1->setFont(gothic(11.25, false));
    List1->setAccessibleName(QStringLiteral("Results"));

    Text3 = entry(QStringLiteral("y1"), QStringLiteral("Initial y"), twips(9120, 3240, 735, 375),
                  11.25);
    Text2 =
        entry(QStringLiteral("x2"), QStringLiteral("Final x"), twips(9120, 3600, 735, 330), 11.25);
    Text1 =
        entry(QStringLiteral("x1"), QStringLiteral("Initial x"), twips(9120, 2880, 735, 360), 12);

    Picture1 = new PlotArea(this);
    Picture1->setGeometry(twips(360, 480, 7575, 7575));
    Picture1->setFont(gothic(18, true, true));
    Picture1->setAccessibleName(QStringLiteral("Plot area"));

    const auto legend = [this](const QString& caption, int left, QRgb colour) {
        auto* l = new QLabel(caption, Picture1);
        l->setFont(gothic(14.25, true, true));
        setColours(l, PlotArea::kBackground, colour);
        l->adjustSize();
        l->move(Picture1->contentsRect().topLeft() + QPoint(left, 120) / kTwipsPerPixel);
        l->hide();
        return l;
    };
    Label5 = legend(QStringLiteral("y'"), 2160, 0xFF0000FF);
    Label4 = legend(QStringLiteral("y"), 1680, 0xFFFF0000);

    Command1 = button(QStringLiteral("Ready"), twips(8400, 2160, 1335, 495), 11.25);

    Label6 = new QLabel(QStringLiteral("Runge Kutta Method"), this);
    Label6->setFont(gothic(15.75, true, true));
    Label6->move(twips(2160, 120, 0, 0).topLeft());
    Label6->adjustSize();

    Label3 = label(QStringLiteral(" x      y"), twips(8280, 4320, 2055, 375), 11.25, Qt::AlignLeft);
    Label2 = label(QStringLiteral("final ="), twips(8160, 3600, 975, 375), 11.25, Qt::AlignHCenter);
    Label1 = label(QStringLiteral("Initial ="), twips(8160, 2880, 945, 420), 12, Qt::AlignHCenter);
    Label1->resize(Label1->sizeHint().expandedTo(QSize(Label1->width(), 0)));

    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, List1);
    setTabOrder(List1, List2);
    setTabOrder(List2, Command2);
    setTabOrder(Command2, Text4);
    setTabOrder(Text4, Command3);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(List2, &QListWidget::itemSelectionChanged, this, &Form1::List2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form1::Text1_KeyPress);
    connect(Text2, &QLineEdit::returnPressed, this, &Form1::Text2_KeyPress);
    connect(Text3, &QLineEdit::returnPressed, this, &Form1::Text3_KeyPress);
}

void Form1::Form1_Load() {
    Picture1->SetUserScale(-2, 10, 18, -10);
    for (std::string_view text : solver::kEquationTexts)
        List2->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void Form1::Command1_Click() {
    Picture1->DrawResetFrame();
    results_->clear();
    Text1->setText(QString());
    Text1->setFocus();
    Text2->setText(QString());
    Text3->setText(QString());
    Label4->show();
    Label5->show();
}

void Form1::Command2_Click() {
    QApplication::quit();
}

void Form1::Command3_Click() {
    if (Text4->isHidden())
        Text4->setFont(mincho(12));
    Text4->show();
    Text4->setPlainText(kHelpText);
}

void Form1::List2_Click() {
    const QList<QListWidgetItem*> selected = List2->selectedItems();
    form_.fnum = selected.isEmpty() ? 0 : List2->row(selected.first()) + 1;
}

void Form1::Text1_KeyPress() {
    if (readBox(Text1, tr("initial x"), form_.x1))
        Text3->setFocus();
}

void Form1::Text3_KeyPress() {
    if (readBox(Text3, tr("initial y"), form_.y1))
        Text2->setFocus();
}

void Form1::Text2_KeyPress() {
    if (readBox(Text2, tr("final x"), form_.x2))
        startRun();
}

bool Form1::readBox(QLineEdit* box, const QString& what, double& value) {
    const QByteArray utf8 = box->text().toUtf8();
    const solver::NumberReading reading =
        solver::readNumber({utf8.constData(), static_cast<std::size_t>(utf8.size())});
    if (reading.outOfRange) {
        showMessage_(this, tr("The %1 \"%2\" is beyond the range of numbers this program can "
                              "compute with (about ±1.8e308), so it was not taken. The %1 "
                              "stays as it was.")
                               .arg(what, elided(box->text())));
        box->setFocus();
        return false;
    }
    value = reading.value;
    return true;
}

void Form1::startRun() {
    const double passes = solver::passesNeeded(form_);
    if (passes <= static_cast<double>(solver::kMaxPasses) &&
        static_cast<double>(results_->size()) + passes >
            static_cast<double>(ResultsModel::kCapacity)) {
        showMessage_(this, tr("The results list holds at most %1 rows and already has %2; this "
                              "run would add %3. Click Ready to empty the list, then run again.")
                               .arg(QString::fromStdString(solver::describePasses(
                                        static_cast<double>(ResultsModel::kCapacity))),
                                    QString::fromStdString(solver::describePasses(
                                        static_cast<double>(results_->size()))),
                                    QString::fromStdString(solver::describePasses(passes))));
        return;
    }

    const bool busy = passes >= kBusyCursorPasses && passes <= solver::kMaxPasses;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    WindowSink sink(*Picture1, *results_);
    const solver::RunOutcome outcome = solver::run(form_, sink);
    results_->publish();
    if (busy)
        QApplication::restoreOverrideCursor();
    if (!outcome.ok())
        showMessage_(this, QString::fromStdString(outcome.message));
}
