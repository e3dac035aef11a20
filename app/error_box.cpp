#include "app/error_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

namespace cista {
namespace {

void ShowErrorBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = ShowErrorBox;
    return reporter;
}

}  // namespace

QString ErrorBoxText(const QString& message) {
    if (message.isEmpty() || message.back().unicode() <= u'.') return message;
    return message + u'.';
}

QString ProgramTitle(const QString& programFile) {
    QString name = QFileInfo(programFile).fileName();
    const qsizetype stop = name.indexOf(u'.');
    if (stop >= 0) name.truncate(stop);
    return name.left(1) + name.mid(1).toLower();
}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    if (!reporter) reporter = ShowErrorBox;
    return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportError(const QString& message) {
    CurrentReporter()(ProgramTitle(QCoreApplication::applicationFilePath()), ErrorBoxText(message));
}

void HandleException(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
}

}  // namespace cista
