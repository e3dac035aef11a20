#include "ui/unit1.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/credit_banner.h"
#include "ui/credit_banner_surface.h"
#include "ui/explanation_panel.h"
#include "ui/field_events.h"
#include "ui/handler_guard.h"
#include "ui/pie_chart_series.h"
#include "ui/wage_chart.h"
#include "ui/wage_chart_refill.h"
#include "wage/number_text.h"

TForm1* Form1 = nullptr;
int CreditIndex = 0;

namespace {

// The calculation's inputs and results; every Calculate command overwrites them.
wage::WageInputs Inputs{};
wage::WageBreakdown Breakdown{};

char16_t CurrentDecimalSeparator = u'.';

// The credit line's text, written afresh at every step.
credit_banner::Text CreditText{};

// How long a tooltip stays up once shown.
constexpr int HintHidePauseMs = 2500;

// The frame the layout was designed for: 800 x 600 outside around a 792 x 566 client area.
constexpr QSize DesignFrame(8, 34);

char16_t ReadDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? u'.' : point.at(0).unicode();
}

std::u16string_view Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

QString FromUtf16(const std::u16string& text) { return QString::fromStdU16String(text); }

void ShowHint(QWidget* control) { control->setToolTipDuration(HintHidePauseMs); }

void SetBackground(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, color);
    control->setPalette(palette);
}

void SetTextColor(QWidget* control, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(role, color);
    control->setPalette(palette);
}

void MakeBold(QWidget* control) {
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
    if (auto* label = qobject_cast<QLabel*>(control)) label->adjustSize();
}

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

}  // namespace

char16_t DecimalSeparator() { return CurrentDecimalSeparator; }

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Form1 = this;
    CurrentDecimalSeparator = ReadDecimalSeparator();
    CreateControls();
    ConnectHandlers();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::CreateControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(792, 566);
    setFont(QFont(QStringLiteral("Tahoma")));
    QFont formFont = font();
    formFont.setPixelSize(11);
    setFont(formFont);

    const auto edit = [this](const char* name, int left, int top, int width, const char* text) {
        auto* field = Place(new QLineEdit(this), name, left, top, width, 21);
        field->setText(QString::fromUtf8(text));
        return field;
    };
    // A label's size is fitted to its caption in the face actually used (bold set later refits).
    const auto label = [this](const char* name, const char* caption, int left, int top,
                              QWidget* buddy) {
        auto* control = new QLabel(QString::fromUtf8(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->move(left, top);
        control->adjustSize();
        if (buddy) control->setBuddy(buddy);
        return control;
    };
    const auto result = [&](const char* name, int left, int top, int width,
                            const char* accessibleName) {
        QLineEdit* field = edit(name, left, top, width, "");
        field->setReadOnly(true);
        field->setAccessibleName(QString::fromUtf8(accessibleName));
        new ClickSource(field);
        return field;
    };

    // Inputs.
    Edit1 = edit("Edit1", 8, 26, 121, "10000");
    Edit1->setAccessibleName(QStringLiteral("Hrubá mzda"));
    new DigitsOnlyTyping(Edit1);
    Edit2 = edit("Edit2", 8, 72, 121, "1");
    Edit2->setAccessibleName(QStringLiteral("Počet dětí pro daňové úlevy"));
    new DigitsOnlyTyping(Edit2);
    Edit14 = edit("Edit14", 192, 72, 88, "1117");
    Edit14->setAccessibleName(QStringLiteral("Výše ůlevy na dítě"));
    CheckBox3 = Place(new QCheckBox(QStringLiteral("Manželka s příjmem < 68000 Kč/rok"), this),
                      "CheckBox3", 8, 107, 201, 17);

    // Result fields.
    Edit3 = result("Edit3", 8, 175, 98, "Super hrubá mzda");
    Edit4 = result("Edit4", 8, 221, 98, "Základ daně");
    Edit5 = result("Edit5", 8, 267, 98, "Daň bez slev");
    Edit6 = result("Edit6", 8, 313, 98, "Daň se slevami");
    Edit7 = result("Edit7", 8, 393, 121, "Sociální pojištění – Zaměstnanec");
    Edit8 = result("Edit8", 8, 440, 121, "Zdravotní pojištění – Zaměstnanec");
    Edit9 = result("Edit9", 8, 488, 121, "Čistá mzda – Zaměstnanec");
    MakeBold(Edit9);
    Edit10 = result("Edit10", 168, 393, 121, "Sociální pojištění – Zaměstnavatel");
    Edit11 = result("Edit11", 168, 440, 121, "Zdravotní pojištění – Zaměstnavatel");
    Edit12 = result("Edit12", 168, 488, 121, "Náklady zaměstnavatele – Zaměstnavatel");
    Edit13 = result("Edit13", 168, 528, 121, "Odvod státu");
    MakeBold(Edit13);
    SetTextColor(Edit13, QPalette::Text, Qt::red);

    // Captions.
    Label1 = label("Label1", "Hrubá mzda", 8, 7, Edit1);
    Label2 = label("Label2", "Počet dětí pro daňové úlevy", 8, 53, Edit2);
    Label16 = label("Label16", "Výše ůlevy na dítě", 192, 56, Edit14);
    Label7 = label("Label7", "Super hrubá mzda", 8, 156, Edit3);
    Label5 = label("Label5", "Základ daně", 8, 202, Edit4);
    Label4 = label("Label4", "Daň bez slev", 8, 248, Edit5);
    Label6 = label("Label6", "Daň se slevami", 8, 294, Edit6);
    Label3 = label("Label3", "Zaměstnanec", 8, 355, nullptr);
    MakeBold(Label3);
    Label8 = label("Label8", "Sociální pojištění", 8, 376, Edit7);
    Label9 = label("Label9", "Zdravotní pojištění", 8, 424, Edit8);
    Label10 = label("Label10", "Čistá mzda", 8, 472, Edit9);
    Label11 = label("Label11", "Zaměstnavatel", 168, 355, nullptr);
    MakeBold(Label11);
    Label12 = label("Label12", "Sociální pojištění", 168, 376, Edit10);
    Label13 = label("Label13", "Zdravotní pojištění", 168, 424, Edit11);
    Label15 = label("Label15", "Náklady zaměstnavatele", 172, 469, Edit12);
    Label14 = label("Label14", "Odvod státu", 35, 531, Edit13);
    MakeBold(Label14);
    SetTextColor(Label14, QPalette::WindowText, Qt::red);

    // The panel and the row under it. A focused button runs on Enter or Space; there is no
    // default button, so Enter in a field runs nothing.
    Memo1 = Place(new QPlainTextEdit(QStringLiteral("Memo1"), this), "Memo1", 304, 8, 481, 505);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setTabChangesFocus(true);
    Button1 = Place(new QPushButton(QStringLiteral("Výpočet"), this), "Button1", 304, 519, 75, 25);
    Button1->setAutoDefault(true);
    CheckBox1 = Place(new QCheckBox(QStringLiteral("Zobrazit fragmenty programu"), this),
                      "CheckBox1", 392, 524, 169, 17);
    CheckBox2 =
        Place(new QCheckBox(QStringLiteral("Celý program"), this), "CheckBox2", 584, 524, 97, 17);
    Button2 = Place(new QPushButton(QStringLiteral("Zadání"), this), "Button2", 709, 520, 75, 25);
    Button2->setAutoDefault(true);

    for (QWidget* control :
         std::initializer_list<QWidget*>{Button1, Button2, CheckBox1, CheckBox2, CheckBox3}) {
        control->setAccessibleName(control->property("text").toString());
    }

    // The wage split chart; empty until the first calculation.
    Chart1 = Place(new WageChart(this), "Chart1", 112, 175, 193, 159);
    Chart1->setTitle(QStringLiteral("Graf rozdělení mzdy"));
    Chart1->setAccessibleName(Chart1->title());
    Series1 = Chart1->series();
    Series1->setObjectName(QStringLiteral("Series1"));

    // The credit line's surface and its timer, which runs from now on and is never stopped.
    CreditSurface = new CreditBannerSurface(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(credit_banner::kTickIntervalMs);
    Timer1->start();

    const std::array tabOrder{static_cast<QWidget*>(Edit1),     static_cast<QWidget*>(Edit2),
                              static_cast<QWidget*>(Edit3),     static_cast<QWidget*>(Edit7),
                              static_cast<QWidget*>(Button2),   static_cast<QWidget*>(CheckBox1),
                              static_cast<QWidget*>(CheckBox2), static_cast<QWidget*>(CheckBox3),
                              static_cast<QWidget*>(Edit4),     static_cast<QWidget*>(Edit5),
                              static_cast<QWidget*>(Edit6),     static_cast<QWidget*>(Edit8),
                              static_cast<QWidget*>(Edit9),     static_cast<QWidget*>(Edit10),
                              static_cast<QWidget*>(Edit11),    static_cast<QWidget*>(Memo1),
                              static_cast<QWidget*>(Button1),   static_cast<QWidget*>(Edit12),
                              static_cast<QWidget*>(Edit13),    static_cast<QWidget*>(Edit14)};
    for (size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TForm1::ConnectHandlers() {
    const auto handle = [this](auto* sender, auto signal, std::function<void()> handler) {
        connect(sender, signal, this, [handler = std::move(handler)] { RunHandler(handler); });
    };
    handle(Button1, &QPushButton::clicked, [this] { Button1Click(Button1); });
    handle(Button2, &QPushButton::clicked, [this] { Button2Click(Button2); });
    // A check box's click handler runs on every change of its state, also one made by code.
    handle(CheckBox1, &QCheckBox::toggled, [this] { CheckBox1Click(CheckBox1); });
    handle(CheckBox2, &QCheckBox::toggled, [this] { CheckBox2Click(CheckBox2); });
    handle(Chart1, &WageChart::clicked, [this] { Chart1Click(Chart1); });
    handle(Timer1, &QTimer::timeout, [this] { Timer1Timer(Timer1); });

    const std::array<std::pair<QLineEdit*, void (TForm1::*)(QObject*)>, 11> figureClicks{{
        {Edit3, &TForm1::Edit3Click},
        {Edit4, &TForm1::Edit4Click},
        {Edit5, &TForm1::Edit5Click},
        {Edit6, &TForm1::Edit6Click},
        {Edit7, &TForm1::Edit7Click},
        {Edit8, &TForm1::Edit8Click},
        {Edit9, &TForm1::Edit9Click},
        {Edit10, &TForm1::Edit10Click},
        {Edit11, &TForm1::Edit11Click},
        {Edit12, &TForm1::Edit12Click},
        {Edit13, &TForm1::Edit13Click},
    }};
    for (const auto& [field, handler] : figureClicks) {
        auto* source = field->findChild<ClickSource*>(QString(), Qt::FindDirectChildrenOnly);
        handle(source, &ClickSource::clicked,
               [this, field = field, handler = handler] { (this->*handler)(field); });
    }
}

QSize TForm1::OuterSize() const {
    const QSize frame = frameGeometry().size();
    return frame != size() ? frame : size() + DesignFrame;
}

void TForm1::SetOuterSize(int width, int height) {
    const QSize frame = frameGeometry().size() - size();
    const bool frameKnown = !frame.isNull();
    pendingOuterSize_ = frameKnown ? QSize() : QSize(width, height);
    resize(QSize(width, height) - (frameKnown ? frame : DesignFrame));
}

bool TForm1::event(QEvent* event) {
    // Most window systems report the frame only once the window is on screen.
    const QEvent::Type type = event->type();
    if (pendingOuterSize_.isValid() && isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        const QSize frame = frameGeometry().size() - size();
        if (!frame.isNull()) {
            const QSize outer = std::exchange(pendingOuterSize_, QSize());
            const bool normal = !(
                windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
            if (normal && frame != DesignFrame) resize(outer - frame);
        }
    }
    return QWidget::event(event);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) CurrentDecimalSeparator = ReadDecimalSeparator();
    QWidget::changeEvent(event);
}

void TForm1::FormCreate(QObject* /*Sender*/) {
    Form1->SetOuterSize(800, 600);
    Form1->setWindowTitle(QStringLiteral("Výpočet čisté mzdy"));
    LoadPanelFile(QStringLiteral("uvod.txt"));

    for (QWidget* control :
         {static_cast<QWidget*>(Form1->Edit1), static_cast<QWidget*>(Form1->Edit2),
          static_cast<QWidget*>(Form1->Edit3), static_cast<QWidget*>(Form1->Edit4),
          static_cast<QWidget*>(Form1->Edit5), static_cast<QWidget*>(Form1->Edit6),
          static_cast<QWidget*>(Form1->Edit7), static_cast<QWidget*>(Form1->Edit8),
          static_cast<QWidget*>(Form1->Edit9), static_cast<QWidget*>(Form1->Edit10),
          static_cast<QWidget*>(Form1->Edit11), static_cast<QWidget*>(Form1->Edit12),
          static_cast<QWidget*>(Form1->Edit13), static_cast<QWidget*>(Form1->Button1)}) {
        ShowHint(control);
    }
    Form1->Button1->setToolTip(QStringLiteral("Po stisku bude proveden výpočet"));
    ShowHint(Form1->Button2);
    Form1->Button2->setToolTip(QStringLiteral("Po stisku se zobrazí zadání"));
    ShowHint(Form1->CheckBox1);
    Form1->CheckBox1->setToolTip(
        QStringLiteral("Po zatržení budou zobrazovány odpovídající fragmenty programu"));
    ShowHint(Form1->CheckBox2);
    Form1->CheckBox2->setToolTip(QStringLiteral("Po zatržení se zobrazí celé jádro programu"));
    Form1->Edit1->setToolTip(QStringLiteral("Zadejte vstupní parametry"));
    Form1->Edit2->setToolTip(Form1->Edit1->toolTip());

    const std::array<QLineEdit*, 11> results{
        Form1->Edit3, Form1->Edit4,  Form1->Edit5,  Form1->Edit6,  Form1->Edit7, Form1->Edit8,
        Form1->Edit9, Form1->Edit10, Form1->Edit11, Form1->Edit12, Form1->Edit13};
    Form1->Edit3->setToolTip(
        QStringLiteral("Po stisku tlačítka \"Výpočet\" zde obdržíte údaje související se mzdou"));
    for (QLineEdit* field : results) field->setToolTip(Form1->Edit3->toolTip());
    for (QLineEdit* field : results) field->setReadOnly(true);

    // $00BBGGRR colours of the design, as RGB.
    const std::array<QColor, 11> backgrounds{
        QColor(0xF0, 0xFF, 0xFF), QColor(0xF0, 0xFF, 0xFF), QColor(0xF0, 0xFF, 0xFF),
        QColor(0xF0, 0xFF, 0xFF), QColor(0xE6, 0xFF, 0xFF), QColor(0xE6, 0xFF, 0xFF),
        QColor(0xE6, 0xFF, 0xFF), QColor(0xE6, 0xEB, 0xFF), QColor(0xE6, 0xEB, 0xFF),
        QColor(0xE6, 0xEB, 0xFF), QColor(0xD7, 0xEB, 0xEB)};
    for (size_t i = 0; i < results.size(); ++i) SetBackground(results[i], backgrounds[i]);

    Form1->Button1->move(Form1->Button1->x(), 526);
    Form1->Button2->move(Form1->Button2->x(), Form1->Button1->y());
    Form1->CheckBox1->move(Form1->CheckBox1->x(), 530);
    Form1->CheckBox2->move(Form1->CheckBox2->x(), Form1->CheckBox1->y());
}

void TForm1::Button1Click(QObject* /*Sender*/) {
    Inputs.GrossWage = wage::ParseReal(Utf16(Form1->Edit1->text()), DecimalSeparator());
    Inputs.ChildCount = wage::ParseInteger(Utf16(Form1->Edit2->text()));
    Inputs.ChildRelief = wage::ParseReal(Utf16(Form1->Edit14->text()), DecimalSeparator());
    Inputs.SpouseClaimed = Form1->CheckBox3->isChecked();

    const std::array<QLineEdit*, wage::WageFigureCount> fieldOfFigure{
        Form1->Edit3, Form1->Edit4,  Form1->Edit5,  Form1->Edit6,  Form1->Edit7, Form1->Edit8,
        Form1->Edit9, Form1->Edit10, Form1->Edit11, Form1->Edit12, Form1->Edit13};
    Breakdown = wage::CalculateWage(Inputs, [&](wage::WageFigure figure, double value) {
        fieldOfFigure[static_cast<size_t>(figure)]->setText(
            FromUtf16(wage::FormatReal(value, DecimalSeparator())));
    });

    RefillWageChart(Breakdown);
}

void TForm1::Timer1Timer(QObject* /*Sender*/) { Form1->DrawCreditStep(); }

void TForm1::DrawCreditStep() {
    CreditText = credit_banner::kCreditText;
    CreditBannerSurface& surface = *Form1->CreditSurface;
    const QSize outer = Form1->OuterSize();
    const credit_banner::Step step =
        credit_banner::nextStep(CreditText, CreditIndex, surface.passColour(), outer.width(),
                                outer.height(), surface.randomByte());
    CreditIndex = step.index;
    surface.draw(step, Form1->font());
}
