#pragma once

#include <QString>
#include <string>

class QPlainTextEdit;

// Replaces the text of Form1->Memo1 with the decoded content of the file of that bare name in
// the working directory, reading it anew each time. Throws ui::FileOpenError ("Cannot open file
// "<path>". <reason>") or ui::TextCapacityError ("Text exceeds memo capacity"); the panel then
// keeps its text.
void LoadPanelFile(const QString& name);

// Puts `text` (lines ending in CR LF) into `panel` in one step. A panel that already shows
// exactly that text is left alone, so its cursor and scroll position stay.
void ShowPanelText(QPlainTextEdit& panel, const std::u16string& text);
