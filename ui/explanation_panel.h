#pragma once

#include <QString>

// Replaces the text of Form1->Memo1 with the content of the file of that bare name in the
// working directory. Throws with "Cannot open file "<path>". <reason>" when it cannot be read.
void LoadPanelFile(const QString& name);
