// The explanation panel in the running window: loads, figure clicks, "Zadání" and the two check
// boxes, driven by mouse clicks as the user gives them.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTextCursor>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/startup.h"
#include "ui/panel_text_file.h"
#include "ui/window_fixture.h"

namespace {

const QString Before = QStringLiteral("Dosavadní text");
const QString Introduction = QStringLiteral("Úvod");
const QString WholeProgram = QStringLiteral("Celý program");

// The text of a UTF-8 file with its mark.
QByteArray Marked(const QString& text) { return "\xEF\xBB\xBF" + text.toUtf8(); }

// The error box text for a file that cannot be opened, in the system's own wording.
QString OpenFailure(const QString& name, int errorNumber) {
    return QStringLiteral("Cannot open file \"%1\". %2.")
        .arg(QDir::current().absoluteFilePath(name),
             QString::fromStdString(ui::TrimSystemMessage(std::strerror(errorNumber))));
}

class ExplanationPanelTest : public WindowTest {
protected:
    QString PanelText() const { return form_->Memo1->toPlainText(); }

    void SetPanel(const QString& text) const { form_->Memo1->setPlainText(text); }

    // Puts the boxes into a state without running their handlers.
    void SetBoxes(bool showFragments, bool wholeProgram) const {
        const QSignalBlocker blockFirst(form_->CheckBox1);
        const QSignalBlocker blockSecond(form_->CheckBox2);
        form_->CheckBox1->setChecked(showFragments);
        form_->CheckBox2->setChecked(wholeProgram);
    }

    std::pair<bool, bool> Boxes() const {
        return {form_->CheckBox1->isChecked(), form_->CheckBox2->isChecked()};
    }

    void Click(const char* controlName) const {
        auto* control = form_->findChild<QWidget*>(QString::fromLatin1(controlName));
        ASSERT_NE(control, nullptr) << controlName;
        QTest::mouseClick(control, Qt::LeftButton);
    }

    // The one error box the last action showed.
    QString TakeOnlyError() {
        const std::vector<ReportedError> errors = TakeErrors();
        if (errors.size() != 1) {
            ADD_FAILURE() << errors.size() << " error boxes";
            return {};
        }
        return errors[0].text;
    }
};

struct BoxAction {
    const char* name;
    std::pair<bool, bool> from;  // (CheckBox1, CheckBox2) ticked
    const char* clicked;         // the box the user clicks
    const char* missingFile;     // a file absent for this row, or ""
    std::pair<bool, bool> to;
    QString panel;
};

void PrintTo(const BoxAction& row, std::ostream* out) { *out << row.name; }

class CheckBoxStateTable : public ExplanationPanelTest,
                           public testing::WithParamInterface<BoxAction> {};

TEST_P(CheckBoxStateTable, GivesTheStateAndPanel) {
    const BoxAction& row = GetParam();
    WriteFile(QStringLiteral("uvod.txt"), Marked(Introduction));
    WriteFile(QStringLiteral("CP.txt"), Marked(WholeProgram));
    const QString missing = QString::fromLatin1(row.missingFile);
    if (!missing.isEmpty()) {
        ASSERT_TRUE(QFile::remove(missing));
    }
    SetPanel(Before);
    SetBoxes(row.from.first, row.from.second);

    Click(row.clicked);

    EXPECT_EQ(Boxes(), row.to);
    EXPECT_EQ(PanelText(), row.panel);
    if (!missing.isEmpty()) {
        EXPECT_EQ(TakeOnlyError(), OpenFailure(missing, ENOENT));
    }
}

constexpr std::pair<bool, bool> OffOff{false, false}, OnOff{true, false}, OnOn{true, true},
    OffOn{false, true};

INSTANTIATE_TEST_SUITE_P(
    Clicks, CheckBoxStateTable,
    testing::Values(
        BoxAction{"TickFragments", OffOff, "CheckBox1", "", OnOff, Before},
        BoxAction{"UntickFragments", OnOff, "CheckBox1", "", OffOff, Introduction},
        BoxAction{"TickWholeProgram", OffOff, "CheckBox2", "", OnOn, WholeProgram},
        BoxAction{"TickWholeProgramWithFragments", OnOff, "CheckBox2", "", OnOn, WholeProgram},
        BoxAction{"UntickWholeProgram", OnOn, "CheckBox2", "", OnOff, Before},
        BoxAction{"UntickFragmentsUnticksBoth", OnOn, "CheckBox1", "", OffOff, Introduction},
        BoxAction{"TickFragmentsBesideWholeProgram", OffOn, "CheckBox1", "", OnOn, Before},
        BoxAction{"UntickLoneWholeProgram", OffOn, "CheckBox2", "", OffOff, Before},
        // The failed introduction ends the handler before "Celý program" is unticked.
        BoxAction{"UntickFragmentsWithoutIntroduction", OnOn, "CheckBox1", "uvod.txt", OffOn,
                  Before},
        BoxAction{"TickWholeProgramWithoutIt", OffOff, "CheckBox2", "CP.txt", OnOn, Before}),
    [](const testing::TestParamInfo<BoxAction>& info) { return std::string(info.param.name); });

// The error ends the handler but not the box: once the introduction is back, both boxes work on.
TEST_F(ExplanationPanelTest, BoxesWorkOnAfterAFailedIntroduction) {
    WriteFile(QStringLiteral("CP.txt"), Marked(WholeProgram));
    ASSERT_TRUE(QFile::remove(QStringLiteral("uvod.txt")));
    SetBoxes(true, true);
    Click("CheckBox1");
    EXPECT_EQ(TakeOnlyError(), OpenFailure(QStringLiteral("uvod.txt"), ENOENT));
    ASSERT_EQ(Boxes(), OffOn);

    WriteFile(QStringLiteral("uvod.txt"), Marked(Introduction));
    Click("CheckBox1");
    EXPECT_EQ(Boxes(), OnOn);
    Click("CheckBox1");
    EXPECT_EQ(Boxes(), OffOff);
    EXPECT_EQ(PanelText(), Introduction);
    Click("CheckBox2");
    EXPECT_EQ(Boxes(), OnOn);
    EXPECT_EQ(PanelText(), WholeProgram);
}

TEST_F(ExplanationPanelTest, AssignmentButtonShowsIntroductionAndKeepsBoxes) {
    WriteFile(QStringLiteral("uvod.txt"), Marked(Introduction));
    SetPanel(Before);
    SetBoxes(true, true);
    Click("Button2");
    EXPECT_EQ(PanelText(), Introduction);
    EXPECT_EQ(Boxes(), OnOn);
}

struct FigureControl {
    const char* control;
    const char* stem;
};

void PrintTo(const FigureControl& row, std::ostream* out) { *out << row.control; }

class FigureClickTest : public ExplanationPanelTest,
                        public testing::WithParamInterface<FigureControl> {
protected:
    QString Explanation() const { return QStringLiteral("Vysvětlení %1").arg(GetParam().stem); }
    QString Fragment() const { return QStringLiteral("Fragment %1").arg(GetParam().stem); }
    QString ExplanationFile() const { return QString::fromLatin1(GetParam().stem) + ".txt"; }
    QString FragmentFile() const { return QString::fromLatin1(GetParam().stem) + "_P.txt"; }
};

TEST_P(FigureClickTest, ShowsExplanation) {
    WriteFile(ExplanationFile(), Marked(Explanation()));
    WriteFile(FragmentFile(), Marked(Fragment()));
    Click(GetParam().control);
    EXPECT_EQ(PanelText(), Explanation());
}

TEST_P(FigureClickTest, ShowsFragmentWhileFragmentsAreTicked) {
    WriteFile(ExplanationFile(), Marked(Explanation()));
    WriteFile(FragmentFile(), Marked(Fragment()));
    SetBoxes(true, false);
    Click(GetParam().control);
    EXPECT_EQ(PanelText(), Fragment());
}

// The explanation is loaded first, so a missing fragment leaves it on the panel.
TEST_P(FigureClickTest, MissingFragmentLeavesExplanation) {
    WriteFile(ExplanationFile(), Marked(Explanation()));
    SetBoxes(true, false);
    Click(GetParam().control);
    EXPECT_EQ(TakeOnlyError(), OpenFailure(FragmentFile(), ENOENT));
    EXPECT_EQ(PanelText(), Explanation());
}

TEST_P(FigureClickTest, MissingExplanationStopsBeforeFragment) {
    WriteFile(FragmentFile(), Marked(Fragment()));
    SetPanel(Before);
    SetBoxes(true, false);
    Click(GetParam().control);
    EXPECT_EQ(TakeOnlyError(), OpenFailure(ExplanationFile(), ENOENT));
    EXPECT_EQ(PanelText(), Before);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, FigureClickTest,
    testing::Values(FigureControl{"Edit3", "SHM"}, FigureControl{"Edit4", "ZD"},
                    FigureControl{"Edit5", "DBS"}, FigureControl{"Edit6", "DSS"},
                    FigureControl{"Edit7", "SP"}, FigureControl{"Edit8", "ZP"},
                    FigureControl{"Edit9", "CM"}, FigureControl{"Edit10", "SPZ"},
                    FigureControl{"Edit11", "ZPZ"}, FigureControl{"Edit12", "NZ"},
                    FigureControl{"Edit13", "OS"}, FigureControl{"Chart1", "GR"}),
    [](const testing::TestParamInfo<FigureControl>& info) {
        return std::string(info.param.control);
    });

TEST_F(ExplanationPanelTest, SameTextLeavesPanelUntouchedAndChangedFileShowsAtNextClick) {
    WriteFile(QStringLiteral("SHM.txt"), Marked(QStringLiteral("první\nřádek\n")));
    Click("Edit3");
    ASSERT_EQ(PanelText(), QStringLiteral("první\nřádek\n"));
    QTextCursor cursor = form_->Memo1->textCursor();
    cursor.setPosition(3);
    form_->Memo1->setTextCursor(cursor);

    Click("Edit3");
    EXPECT_EQ(form_->Memo1->textCursor().position(), 3);

    WriteFile(QStringLiteral("SHM.txt"), Marked(QStringLiteral("nový obsah")));
    Click("Edit3");
    EXPECT_EQ(PanelText(), QStringLiteral("nový obsah"));
}

TEST_F(ExplanationPanelTest, TypingIsReplacedByTheFileAgain) {
    WriteFile(QStringLiteral("SHM.txt"), Marked(QStringLiteral("vysvětlení")));
    Click("Edit3");
    form_->Memo1->appendPlainText(QStringLiteral("poznámka"));
    Click("Edit3");
    EXPECT_EQ(PanelText(), QStringLiteral("vysvětlení"));
}

// Whatever ends the lines in the file, the panel shows the same lines, none doubled.
TEST_F(ExplanationPanelTest, LineEndsAndEncodingsShowTheSameLines) {
    const QByteArray files[] = {
        Marked(QStringLiteral("čřžůě\r\ndruhý\r\n")),
        Marked(QStringLiteral("čřžůě\ndruhý\n")),
        QByteArray("\xE8\xF8\x9E\xF9\xEC\r"
                   "druh\xFD\r"),  // Windows-1250, lone CR
        QByteArray("\xFF\xFE\x0D\x01\x59\x01\x7E\x01\x6F\x01\x1B\x01\n\0d\0r\0u\0h\0\xFD\0\n\0",
                   26),
    };
    for (const QByteArray& bytes : files) {
        WriteFile(QStringLiteral("ZD.txt"), bytes);
        SetPanel(Before);
        Click("Edit4");
        EXPECT_EQ(PanelText(), QStringLiteral("čřžůě\ndruhý\n"));
        EXPECT_EQ(form_->Memo1->blockCount(), 3);
    }
}

// None of these reaches the panel: each is refused with its message and the panel kept.
TEST_F(ExplanationPanelTest, RefusedFilesKeepThePanel) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("SHM.txt")));
    ASSERT_EQ(::mkfifo("ZD.txt", 0600), 0);
    WriteFile(QStringLiteral("DBS.txt"), "");
    ASSERT_TRUE(QFile::resize(QStringLiteral("DBS.txt"), ui::PanelFileCapacity + 1));
    SetPanel(Before);

    Click("Edit3");
    EXPECT_EQ(TakeOnlyError(), OpenFailure(QStringLiteral("SHM.txt"), EISDIR));
    Click("Edit4");  // a FIFO without a writer: the click returns at once
    EXPECT_EQ(TakeOnlyError(), OpenFailure(QStringLiteral("ZD.txt"), ENXIO));
    Click("Edit5");
    EXPECT_EQ(TakeOnlyError(), QStringLiteral("Text exceeds memo capacity."));
    EXPECT_EQ(PanelText(), Before);
}

// Empty text, a mark alone and ill-formed UTF-8 empty the panel without a message.
TEST_F(ExplanationPanelTest, EmptyTextsEmptyThePanelSilently) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBFok\xC3\x28")}) {
        WriteFile(QStringLiteral("OS.txt"), bytes);
        SetPanel(Before);
        Click("Edit13");
        EXPECT_EQ(PanelText(), QString());
    }
}

using StartUpTest = UiTest;

// The window's own start-up test covers what the rest of start-up leaves; here the reason.
TEST_F(StartUpTest, MissingIntroductionGivesTheSystemsReason) {
    const std::unique_ptr<TForm1> form = cista::CreateMainForm();
    const std::vector<ReportedError> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, OpenFailure(QStringLiteral("uvod.txt"), ENOENT));
}

TEST_F(StartUpTest, ShowsTheIntroduction) {
    WriteFile(QStringLiteral("uvod.txt"), Marked(QStringLiteral("Zadání\npříkladu")));
    const std::unique_ptr<TForm1> form = cista::CreateMainForm();
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Zadání\npříkladu"));
}

}  // namespace
