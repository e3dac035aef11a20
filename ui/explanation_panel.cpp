#include "ui/explanation_panel.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/panel_text.h"
#include "ui/panel_text_file.h"
#include "ui/unit1.h"

void LoadPanelFile(const QString& name) {
    ShowPanelText(*Form1->Memo1, ui::DecodePanelText(ui::ReadPanelTextFile(name.toStdString())));
}

void ShowPanelText(QPlainTextEdit& panel, const std::u16string& text) {
    const QString shown = QString::fromStdU16String(text);
    // The document keeps each line break as a paragraph separator and everything else as given.
    QString asStored = shown;
    asStored.replace(QStringLiteral("\r\n"), QChar(QChar::ParagraphSeparator));
    if (panel.document()->toRawText() == asStored) return;
    panel.setPlainText(shown);
}

namespace {

// A click on a figure shows its explanation and, while "Zobrazit fragmenty programu" is ticked,
// then the fragment of the program that computes it. A missing explanation ends the click before
// the fragment is tried.
void ShowFigure(const QString& fileStem) {
    LoadPanelFile(fileStem + QStringLiteral(".txt"));
    if (Form1->CheckBox1->isChecked()) LoadPanelFile(fileStem + QStringLiteral("_P.txt"));
}

}  // namespace

// The explanation panel's handlers: a result field or the chart shows its figure's explanation,
// "Zadání" the introduction, the check boxes switch to program fragments.
void TForm1::Edit3Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("SHM")); }
void TForm1::Edit4Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("ZD")); }
void TForm1::Edit5Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("DBS")); }
void TForm1::Edit6Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("DSS")); }
void TForm1::Edit7Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("SP")); }
void TForm1::Edit8Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("ZP")); }
void TForm1::Edit9Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("CM")); }
void TForm1::Edit10Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("SPZ")); }
void TForm1::Edit11Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("ZPZ")); }
void TForm1::Edit12Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("NZ")); }
void TForm1::Edit13Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("OS")); }
void TForm1::Chart1Click(QObject* /*Sender*/) { ShowFigure(QStringLiteral("GR")); }

void TForm1::Button2Click(QObject* /*Sender*/) { LoadPanelFile(QStringLiteral("uvod.txt")); }

// Runs after every change of "Zobrazit fragmenty programu". Unticking it goes back to the
// introduction and leaves "Celý program" too; that box's own handler then finds it unticked.
void TForm1::CheckBox1Click(QObject* /*Sender*/) {
    if (Form1->CheckBox1->isChecked()) return;
    LoadPanelFile(QStringLiteral("uvod.txt"));
    Form1->CheckBox2->setChecked(false);
}

// Runs after every change of "Celý program". The whole program is a program fragment too, so
// ticking it ticks "Zobrazit fragmenty programu", whose handler then finds it ticked.
void TForm1::CheckBox2Click(QObject* /*Sender*/) {
    if (!Form1->CheckBox2->isChecked()) return;
    Form1->CheckBox1->setChecked(true);
    LoadPanelFile(QStringLiteral("CP.txt"));
}
