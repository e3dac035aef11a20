#pragma once

#include <QWidget>

#include "wage/wage_calculator.h"

class QCheckBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PieSeries;
class QTimer;
class CreditBannerSurface;
class WageChart;

// The program's one window. Controls keep their designer names, both as members and as Qt object
// names; every handler takes the sender and reaches the controls through Form1.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Sets Form1 first, then builds every control with its design-time settings. The creation
    // handler FormCreate is run by whoever creates the window (see app/startup.h), so that an
    // error in it can be reported while start-up goes on.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, in the order of the window's description.
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QPushButton* Button2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLabel* Label15 = nullptr;
    WageChart* Chart1 = nullptr;
    PieSeries* Series1 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QLabel* Label16 = nullptr;
    QTimer* Timer1 = nullptr;

    // Handlers. The result fields, the chart, the panel check boxes and "Zadání" drive the
    // explanation panel (ui/explanation_panel.cpp); Timer1Timer types the credit line.
    void FormCreate(QObject* Sender);
    void Button1Click(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void CheckBox2Click(QObject* Sender);
    void Edit3Click(QObject* Sender);
    void Edit4Click(QObject* Sender);
    void Edit5Click(QObject* Sender);
    void Edit6Click(QObject* Sender);
    void Edit7Click(QObject* Sender);
    void Edit8Click(QObject* Sender);
    void Edit9Click(QObject* Sender);
    void Edit10Click(QObject* Sender);
    void Edit11Click(QObject* Sender);
    void Edit12Click(QObject* Sender);
    void Edit13Click(QObject* Sender);
    void Chart1Click(QObject* Sender);
    void Timer1Timer(QObject* Sender);

    // The window's size frame and title bar included: as the window system reports it once the
    // window has a frame, otherwise the client size plus the frame the layout was designed for.
    QSize OuterSize() const;

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void SetOuterSize(int width, int height);
    void DrawCreditStep();

    // What the credit line draws on: a layer under the controls.
    CreditBannerSurface* CreditSurface = nullptr;

    // The outer size asked for before the window system reported its frame; applied again once
    // it has.
    QSize pendingOuterSize_;
};

// The one window, set before its controls are built.
extern TForm1* Form1;

// Position of the credit line's latest character, 1 to 20; 0 before the first tick.
extern int CreditIndex;

// The user's decimal separator as every number conversion receives it.
char16_t DecimalSeparator();
