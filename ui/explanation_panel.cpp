#include "ui/explanation_panel.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <stdexcept>

#include "ui/unit1.h"

namespace {

// The system's description of a file error, without trailing blanks, control characters and
// full stops, so it fits into a sentence.
QString ErrorReason(const QString& description) {
    QString reason = description;
    while (!reason.isEmpty()) {
        const QChar last = reason.back();
        if (!last.isSpace() && last.category() != QChar::Other_Control && last != u'.') break;
        reason.chop(1);
    }
    return reason;
}

}  // namespace

void LoadPanelFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString path = QDir::toNativeSeparators(QDir::current().absoluteFilePath(name));
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2")
                                     .arg(path, ErrorReason(file.errorString()))
                                     .toStdString());
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    Form1->Memo1->setPlainText(QString::fromUtf8(bytes));
}

// The explanation panel's handlers: a result field or the chart shows its figure's explanation,
// "Zadání" the introduction, the check boxes switch to program fragments.
void TForm1::Edit3Click(QObject* /*Sender*/) {}
void TForm1::Edit4Click(QObject* /*Sender*/) {}
void TForm1::Edit5Click(QObject* /*Sender*/) {}
void TForm1::Edit6Click(QObject* /*Sender*/) {}
void TForm1::Edit7Click(QObject* /*Sender*/) {}
void TForm1::Edit8Click(QObject* /*Sender*/) {}
void TForm1::Edit9Click(QObject* /*Sender*/) {}
void TForm1::Edit10Click(QObject* /*Sender*/) {}
void TForm1::Edit11Click(QObject* /*Sender*/) {}
void TForm1::Edit12Click(QObject* /*Sender*/) {}
void TForm1::Edit13Click(QObject* /*Sender*/) {}
void TForm1::Chart1Click(QObject* /*Sender*/) {}
void TForm1::Button2Click(QObject* /*Sender*/) {}
void TForm1::CheckBox1Click(QObject* /*Sender*/) {}
void TForm1::CheckBox2Click(QObject* /*Sender*/) {}
