#include "app/startup.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/window_fixture.h"

namespace {

struct Placement {
    QRect desktop;
    QSize window;
    QPoint topLeft;
};

class CentredTopLeftTest : public testing::TestWithParam<Placement> {};

TEST_P(CentredTopLeftTest, CentresByWholeHalvesAndKeepsToTheDesktop) {
    EXPECT_EQ(cista::CentredTopLeft(GetParam().desktop, GetParam().window), GetParam().topLeft);
}

INSTANTIATE_TEST_SUITE_P(Desktops, CentredTopLeftTest,
                         testing::Values(Placement{{0, 0, 1920, 1080}, {800, 600}, {560, 240}},
                                         Placement{{0, 0, 1001, 801}, {800, 600}, {100, 100}},
                                         Placement{{0, 0, 1920, 1080}, {801, 601}, {560, 240}},
                                         Placement{{-1920, 0, 3840, 1080}, {800, 600}, {-400, 240}},
                                         Placement{{0, 0, 640, 480}, {800, 600}, {0, 0}},
                                         Placement{{100, 50, 640, 480}, {800, 600}, {100, 50}}));

using StartupTest = UiTest;

TEST_F(StartupTest, WithoutTheIntroductionTheMessageComesFirstThenAPartlyConfiguredWindow) {
    const auto form = cista::CreateMainForm();
    cista::ShowMainForm(*form);

    const std::vector<ReportedError> errors = TakeErrors();
    ASSERT_EQ(errors.size(), 1u);
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("uvod.txt"));
    EXPECT_TRUE(errors[0].text.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)))
        << errors[0].text.toStdString();
    EXPECT_TRUE(errors[0].text.endsWith(u'.'));
    EXPECT_FALSE(errors[0].windowVisible);

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Výpočet čisté mzdy"));
    EXPECT_EQ(form->OuterSize(), QSize(800, 600));
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Memo1"));
    EXPECT_EQ(form->Button1->y(), 519);
    EXPECT_EQ(form->Button2->y(), 520);
    EXPECT_EQ(form->CheckBox1->y(), 524);
    EXPECT_EQ(form->CheckBox2->y(), 524);
    for (QWidget* control : form->findChildren<QWidget*>()) {
        EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_TRUE(form->Edit3->isReadOnly());
    EXPECT_EQ(form->Edit3->palette().color(QPalette::Base), form->palette().color(QPalette::Base));
}

}  // namespace
